// "HSV selector" while the user drags on the hue field (target: one step under 2 ms, so that the
// main dialog follows the mouse smoothly). In immediate mode a step is the HSV dialog's own
// update, its ColorChanged and the main dialog's full update; in on-close mode only the first.
#include "hsvdialog/frmHSVTintrix.h"
#include "maindialog/frmTintrix.h"
#include "platform/PictureBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

void SendToField(PictureBox& field, QEvent::Type type, int row, Qt::MouseButtons buttons) {
    const QPointF at(10, row);
    QMouseEvent event(type, at, field.mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(&field, &event);
}

// Drags between two rows of the open HSV dialog's field, one step per iteration; with
// "repaint" 1 each step also runs the repaints it causes in both dialogs, as the user sees them.
void DragInTheHSVDialog(benchmark::State& state, const frmTintrix& main) {
    auto* hsv = qobject_cast<frmHSVTintrix*>(QApplication::activeModalWidget());
    if (hsv == nullptr) {
        state.SkipWithError("the HSV dialog did not open");
        return;
    }
    PictureBox& field = *hsv->findChild<PictureBox*>("picColors");
    SendToField(field, QEvent::MouseButtonPress, 100, Qt::LeftButton);
    int row = 100;
    for (auto _ : state) {
        row = row == 100 ? 101 : 100;
        SendToField(field, QEvent::MouseMove, row, Qt::LeftButton);
        if (state.range(0) == 1) {
            QCoreApplication::processEvents();
        }
    }
    SendToField(field, QEvent::MouseButtonRelease, row, Qt::NoButton);
    // 1 when the main dialog followed the drag, as it should in immediate mode only.
    state.counters["live"] = main.BaseColor() == hsv->SelectedColor() ? 1 : 0;
    hsv->close();
}

void BM_HSVSelectorDragStep(benchmark::State& state) {
    frmTintrix dialog;
    dialog.ShowDialog(0x8BD9FE, false, QString(), "USER_", nullptr);
    dialog.findChild<QCheckBox*>("chkHSVImmediate")->setChecked(state.range(1) == 1);
    QCoreApplication::processEvents(); // shown and painted once
    QTimer::singleShot(0, &dialog, [&] { DragInTheHSVDialog(state, dialog); });
    dialog.findChild<QPushButton*>("cmdSelectSpecial")->click(); // returns when the dialog has closed
}
BENCHMARK(BM_HSVSelectorDragStep)
    ->ArgNames({"repaint", "immediate"})
    ->ArgsProduct({{0, 1}, {1, 0}})
    ->Unit(benchmark::kMicrosecond);

} // namespace
