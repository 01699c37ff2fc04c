// The main dialog's speed: opening it and one full update through the predefined colour list,
// with the built-in list and with a user-defined colours file of 100,000 entries, and the same
// update with the contrast window open and after it was closed.
#include "maindialog/frmTintrix.h"
#include "platform/Services.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kUserEntries = 100000;
constexpr int kWarmUpSteps = 1000;

// A user-defined colours file of Count entries with distinct names and values.
QString WriteUserFile(const QTemporaryDir& folder, int Count) {
    const QString path = folder.filePath("UserDefinedColors.txt");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return {};
    }
    QByteArray text;
    for (int i = 0; i < Count; ++i) {
        text += QStringLiteral("Colour number %1 &H%2\r\n")
                    .arg(i)
                    .arg(i * 97 % 0x1000000, 6, 16, QChar('0'))
                    .toUpper()
                    .toLatin1();
    }
    file.write(text);
    return path;
}

std::unique_ptr<frmTintrix> OpenDialog(const QString& path) {
    auto dialog = std::make_unique<frmTintrix>();
    dialog->ShowDialog(0x8BD9FE, false, path, "USER_", nullptr);
    QApplication::processEvents(); // shown and painted once
    return dialog;
}

enum class ContrastWindow { NeverOpened, Open, Closed };

// Opens the contrast window through a sample's context menu entry, and closes it again for Closed.
void Prepare(frmTintrix& dialog, ContrastWindow contrast) {
    if (contrast == ContrastWindow::NeverOpened) {
        return;
    }
    dialog.findChild<QLabel*>("lblCol(0)")->actions().value(0)->trigger();
    if (contrast == ContrastWindow::Closed) {
        dialog.findChild<QWidget*>("frmContrast")->close();
    }
    QApplication::processEvents(); // shown and painted once
}

// One choice in cboSelect: the whole SetBaseColor with its list lookups and texts.
void UpdateThroughTheList(benchmark::State& state, const QString& path,
                          ContrastWindow contrast = ContrastWindow::NeverOpened) {
    const std::unique_ptr<frmTintrix> dialog = OpenDialog(path);
    Prepare(*dialog, contrast);
    auto* list = dialog->findChild<QComboBox*>("cboSelect");
    const int count = list->count();
    const auto next = [count](int row) { return (row + 7919) % count; };
    // The text caches warmed with the rows the loop chooses first: otherwise the first case of a
    // run alone pays for them, and the cases cannot be compared.
    for (int i = 0, row = 0; i < kWarmUpSteps; ++i) {
        row = next(row);
        list->setCurrentIndex(row);
    }
    int row = 0;
    for (auto _ : state) {
        row = next(row);
        list->setCurrentIndex(row);
        benchmark::DoNotOptimize(dialog->BaseColor());
    }
    state.counters["entries"] = count;
}

void BM_SetBaseColorThroughList_BuiltIn(benchmark::State& state) {
    UpdateThroughTheList(state, QString());
}
BENCHMARK(BM_SetBaseColorThroughList_BuiltIn)->Unit(benchmark::kMicrosecond);

void BM_SetBaseColorThroughList_ContrastWindowOpen(benchmark::State& state) {
    UpdateThroughTheList(state, QString(), ContrastWindow::Open);
}
BENCHMARK(BM_SetBaseColorThroughList_ContrastWindowOpen)->Unit(benchmark::kMicrosecond);

void BM_SetBaseColorThroughList_ContrastWindowClosed(benchmark::State& state) {
    UpdateThroughTheList(state, QString(), ContrastWindow::Closed);
}
BENCHMARK(BM_SetBaseColorThroughList_ContrastWindowClosed)->Unit(benchmark::kMicrosecond);

void BM_SetBaseColorThroughList_UserFile100k(benchmark::State& state) {
    QTemporaryDir folder;
    UpdateThroughTheList(state, WriteUserFile(folder, kUserEntries));
}
BENCHMARK(BM_SetBaseColorThroughList_UserFile100k)->Unit(benchmark::kMicrosecond);

void BM_OpenDialog_BuiltIn(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(OpenDialog(QString()).get());
    }
}
BENCHMARK(BM_OpenDialog_BuiltIn)->Unit(benchmark::kMillisecond);

void BM_OpenDialog_UserFile100k(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = WriteUserFile(folder, kUserEntries);
    for (auto _ : state) {
        benchmark::DoNotOptimize(OpenDialog(path).get());
    }
}
BENCHMARK(BM_OpenDialog_UserFile100k)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
