// The heap over a long session: the main dialog opened and closed 100 times as the program runs
// it (modeless, deleted on close) and the HSV dialog 1,000 times as the HSV selector runs it
// (modal, cancelled from inside its run). Prints the heap in use and the resident memory after
// 10 rounds, when the caches Qt fills on the first openings (fonts, glyphs) are warm, and at the
// end. Target: the heap flat to within 32 KiB; a leak of 1 KiB a round exceeds that at once.
// Run it with GLIBC_TUNABLES=glibc.malloc.tcache_count=0 (bench/run does): malloc's statistics
// count the blocks of its per-thread cache as in use, which would blur the figure by some 80 KiB.
#include "fakes/FakeClipboard.h"
#include "fakes/FakeMessageBox.h"
#include "fakes/FakeScreen.h"
#include "fakes/FakeScreenMetrics.h"
#include "hsvdialog/frmHSVTintrix.h"
#include "maindialog/frmTintrix.h"

#include <QApplication>
#include <QPixmapCache>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <functional>
#include <malloc.h>
#include <unistd.h>

namespace {

constexpr int kWarmUpRounds = 10;
constexpr long kFlatMarginKiB = 32;

long HeapInUseKiB() {
    return static_cast<long>(mallinfo2().uordblks / 1024);
}

long ResidentKiB() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Runs Round Rounds times and prints the figures; false when the heap did not stay flat.
bool StaysFlat(const char* What, int Rounds, const std::function<void()>& Round) {
    long heapAfterWarmUp = 0, residentAfterWarmUp = 0;
    for (int round = 0; round < Rounds; ++round) {
        Round();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        if (round + 1 == kWarmUpRounds) {
            heapAfterWarmUp = HeapInUseKiB();
            residentAfterWarmUp = ResidentKiB();
        }
    }
    const long heapGrowth = HeapInUseKiB() - heapAfterWarmUp;
    const long residentGrowth = ResidentKiB() - residentAfterWarmUp;
    std::printf("%s, %d rounds: heap in use %ld KiB after %d rounds, %+ld KiB at the end; resident %ld KiB, "
                "%+ld KiB at the end (target: heap within %ld KiB)\n",
                What, Rounds, heapAfterWarmUp, kWarmUpRounds, heapGrowth, residentAfterWarmUp, residentGrowth,
                kFlatMarginKiB);
    return heapGrowth < kFlatMarginKiB;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // Qt's styles cache pixmaps under keys made from the palette and keep the key text of each even
    // after QPixmapCache::clear() (about 2 KiB per main dialog): growth that is Qt's, bounded by the
    // dialogs a session opens, and large enough to hide a leak of ours.
    QPixmapCache::setCacheLimit(0);
    FakeClipboard clipboard;
    FakeMessageBox messages;
    FakeScreenMetrics metrics;
    FakeScreen screen;
    const Platform::Services services{&clipboard, &messages, &metrics, &screen};

    const bool mainFlat = StaysFlat("main dialog", 100, [&] {
        auto* dialog = new frmTintrix(services);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->ShowDialog(0x8BD9FE, false, QString(), "USER_", nullptr);
        QCoreApplication::processEvents(); // shown and painted
        dialog->close();
    });
    const bool hsvFlat = StaysFlat("HSV dialog", 1000, [&] {
        frmHSVTintrix dialog(services);
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.findChild<QPushButton*>("cmdCancel")->click(); });
        dialog.ShowDialog(0x8BD9FE, {}, false, nullptr, 0, 0, false, false);
    });
    return mainFlat && hsvFlat ? 0 : 1;
}
