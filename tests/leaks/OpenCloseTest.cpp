// Opening and closing both dialogs many times in one process, as a long session would: the
// heap in use must stay flat once the caches Qt fills on the first openings are warm. Under
// the address sanitizer the heap is its allocator's live bytes, and its leak checker runs too.
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
#include <cstring>
#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
extern "C" std::size_t __sanitizer_get_current_allocated_bytes(); // g++ ships no header for it
// Fontconfig keeps a block of its cache where the leak checker cannot see it while the process runs.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
long HeapInUseKiB() {
    return static_cast<long>(__sanitizer_get_current_allocated_bytes() / 1024);
}
#else
#include <malloc.h>
// Exact only without glibc's per-thread cache of freed blocks, which CTest turns off.
long HeapInUseKiB() {
    const char* tunables = std::getenv("GLIBC_TUNABLES");
    return tunables && std::strstr(tunables, "tcache_count=0")
               ? static_cast<long>(mallinfo2().uordblks / 1024)
               : 0;
}
#endif

namespace {

// Flat to the KiB after ten warm-up rounds: a leak of 1 KiB a round exceeds this, a dialog kept
// alive each round (some 250 KiB) at once. Qt's pixmap cache is off: its styles key pixmaps by
// palette, and it keeps each key's text even when cleared.
void ExpectFlat(int Rounds, const std::function<void()>& Round) {
    const int savedCacheLimit = QPixmapCache::cacheLimit();
    QPixmapCache::setCacheLimit(0);
    long afterWarmUp = 0;
    for (int round = 0; round < Rounds; ++round) {
        Round();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        afterWarmUp = round == 9 ? HeapInUseKiB() : afterWarmUp;
    }
    EXPECT_LT(HeapInUseKiB() - afterWarmUp, 32);
#if defined(__SANITIZE_ADDRESS__)
    EXPECT_EQ(__lsan_do_recoverable_leak_check(), 0) << "the leak report is above";
#endif
    QPixmapCache::setCacheLimit(savedCacheLimit);
}

FakeClipboard clipboard;
FakeMessageBox messages;
FakeScreenMetrics metrics;
FakeScreen screen;
const Platform::Services services{&clipboard, &messages, &metrics, &screen};

TEST(OpenClose, TheMainDialogModelessAndDeletedOnClose100Times) {
    ExpectFlat(100, [] {
        auto* dialog = new frmTintrix(services);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->ShowDialog(0x8BD9FE, false, QString(), "USER_", nullptr);
        QCoreApplication::processEvents(); // shown and painted
        dialog->close();
    });
}

TEST(OpenClose, TheHSVDialogModalAndCancelled1000Times) {
    ExpectFlat(1000, [] {
        frmHSVTintrix dialog(services);
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.findChild<QPushButton*>("cmdCancel")->click(); });
        EXPECT_TRUE(dialog.ShowDialog(0x8BD9FE, {}, false, nullptr, 0, 0, false, false));
    });
}

} // namespace
