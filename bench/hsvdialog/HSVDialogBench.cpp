// The HSV dialog's two hot paths while the user drags (targets: a bar change with its hue-field
// repaint under 0.5 ms; a drag step on the hue field well under 2 ms). Runs on the offscreen
// platform unless QT_QPA_PLATFORM says otherwise.
#include "hsvdialog/frmHSVTintrix.h"
#include "platform/PictureBox.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <benchmark/benchmark.h>

namespace {

struct OpenDialog {
    frmHSVTintrix dialog;
    std::int64_t changes = 0;

    OpenDialog() {
        QObject::connect(&dialog, &frmHSVTintrix::ColorChanged, [this](OLE_COLOR) { ++changes; });
        dialog.ShowDialog(0x8BD9FE, {}, false, nullptr, 1);
        QCoreApplication::processEvents();
    }
    ~OpenDialog() { dialog.close(); }
};

// With the argument 1, each step also runs the repaint it causes, as the user would see it.
void RepaintIfAsked(const benchmark::State& state) {
    if (state.range(0) == 1) {
        QCoreApplication::processEvents();
    }
}

// Moving the saturation bar: SetSat, UpdateDisplay with the bars, PaintHueField (360 rows of the
// field's backing image), ColorChanged.
void BM_SaturationBarStep(benchmark::State& state) {
    OpenDialog open;
    QScrollBar* bar = open.dialog.findChild<QScrollBar*>("scrollSat");
    int value = 400;
    for (auto _ : state) {
        value = value == 400 ? 401 : 400;
        bar->setValue(value);
        RepaintIfAsked(state);
    }
    benchmark::DoNotOptimize(open.changes);
}
BENCHMARK(BM_SaturationBarStep)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// One mouse move while dragging on the hue field: SetHue, UpdateDisplay without the bars,
// ColorChanged. The difference to the bar step is the cost of PaintHueField.
void BM_HueFieldDragStep(benchmark::State& state) {
    OpenDialog open;
    PictureBox* field = open.dialog.findChild<PictureBox*>("picColors");
    const QPointF start(10, 100);
    QMouseEvent press(QEvent::MouseButtonPress, start, field->mapToGlobal(start), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &press);
    int row = 100;
    for (auto _ : state) {
        row = row == 100 ? 101 : 100;
        const QPointF at(10, row);
        QMouseEvent move(QEvent::MouseMove, at, field->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(field, &move);
        RepaintIfAsked(state);
    }
    QMouseEvent release(QEvent::MouseButtonRelease, start, field->mapToGlobal(start), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(field, &release);
    benchmark::DoNotOptimize(open.changes);
}
BENCHMARK(BM_HueFieldDragStep)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
