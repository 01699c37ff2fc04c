// Opening and closing the dialogs many times in one process, as a long session would: nothing
// of ours may leak, and the heap in use must stay flat once the caches Qt fills on the first
// openings (fonts, glyphs, style pixmaps) are warm. Under the address sanitizer the heap in use
// is the sanitizer allocator's live bytes (freed blocks wait in its quarantine and would swell
// the resident size), and its leak checker runs after the rounds.
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
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <cstddef>
#include <sanitizer/lsan_interface.h>
// The sanitizer runtime has it; g++ ships no header for it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();

// Fontconfig keeps a block of its font cache where the leak checker cannot see it while the
// process runs; only leaks in our code and Qt's count here.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
#else
#include <malloc.h>
#endif

namespace {

constexpr int kWarmUpRounds = 10;
// The heap in use is flat to the KiB after the warm-up; a leak of 1 KiB a round exceeds this in
// either test, a dialog kept alive each round (some 250 KiB) at once.
constexpr long kFlatMarginKiB = 32;

long HeapInUseKiB() {
#if defined(__SANITIZE_ADDRESS__)
    return static_cast<long>(__sanitizer_get_current_allocated_bytes() / 1024);
#else
    return static_cast<long>(mallinfo2().uordblks / 1024);
#endif
}

// malloc's statistics count the blocks glibc keeps in its per-thread cache as in use, which lets
// the heap seem to grow by some 80 KiB over the first 100 rounds; CTest turns the cache off.
bool HeapFigureIsExact() {
#if defined(__SANITIZE_ADDRESS__)
    return true;
#else
    const char* tunables = std::getenv("GLIBC_TUNABLES");
    return tunables != nullptr && std::strstr(tunables, "glibc.malloc.tcache_count=0") != nullptr;
#endif
}

long ResidentKiB() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Runs Round Rounds times and checks that the heap in use grew by less than the margin from
// after the warm-up to the end; prints the figures.
void ExpectFlat(const char* What, int Rounds, const std::function<void()>& Round) {
    if (!HeapFigureIsExact()) {
        GTEST_SKIP() << "run with GLIBC_TUNABLES=glibc.malloc.tcache_count=0 (as CTest does)";
    }
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
    const long heapAtEnd = HeapInUseKiB();
    const long residentAtEnd = ResidentKiB();
    std::printf("%s: heap in use %ld KiB after %d rounds, %ld KiB after %d (%+ld KiB); "
                "resident %ld KiB, then %ld KiB (%+ld KiB)\n",
                What, heapAfterWarmUp, kWarmUpRounds, heapAtEnd, Rounds, heapAtEnd - heapAfterWarmUp,
                residentAfterWarmUp, residentAtEnd, residentAtEnd - residentAfterWarmUp);
    EXPECT_LT(heapAtEnd - heapAfterWarmUp, kFlatMarginKiB) << What;
#if defined(__SANITIZE_ADDRESS__)
    EXPECT_EQ(__lsan_do_recoverable_leak_check(), 0) << What << ": the leak report is above";
#endif
}

class OpenClose : public testing::Test {
protected:
    // Without Qt's pixmap cache. Its styles cache pixmaps under keys made from the palette, so
    // every new dialog adds entries, and the cache keeps the key text of each one even after
    // QPixmapCache::clear() (about 2 KiB per main dialog): growth that is Qt's, bounded by the
    // dialogs a session opens, and large enough to hide a leak of ours.
    OpenClose() { QPixmapCache::setCacheLimit(0); }
    ~OpenClose() override { QPixmapCache::setCacheLimit(savedCacheLimit); }

    const int savedCacheLimit = QPixmapCache::cacheLimit();
    FakeClipboard clipboard;
    FakeMessageBox messages;
    FakeScreenMetrics metrics;
    FakeScreen screen;
    Platform::Services services{&clipboard, &messages, &metrics, &screen};
};

// As the program runs it: modeless, deleted on close.
TEST_F(OpenClose, TheMainDialog100Times) {
    ExpectFlat("main dialog", 100, [this] {
        auto* dialog = new frmTintrix(services);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->ShowDialog(0x8BD9FE, false, QString(), "USER_", nullptr);
        QCoreApplication::processEvents(); // shown and painted
        dialog->close();
    });
}

// As the main dialog's HSV selector opens it: modal, closed from inside its modal run.
TEST_F(OpenClose, TheHSVDialog1000Times) {
    ExpectFlat("HSV dialog", 1000, [this] {
        frmHSVTintrix dialog(services);
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.findChild<QPushButton*>("cmdCancel")->click(); });
        EXPECT_TRUE(dialog.ShowDialog(0x8BD9FE, {}, false, nullptr, 0, 0, false, false));
    });
}

} // namespace
