// The dialog's contract: how it is shown, how it ends, what it reports.
#include "HSVDialogFixture.h"
#include "colormodels/modColorModels.h"
#include "common/ComponentError.h"
#include "support/ByName.h"

namespace {

using Fixture = HSVDialogFixture;

struct Ending {
    const char* name;
    bool buttons;
    bool oneShot;
    std::function<void(Fixture&)> act;
    bool cancelled;
};

class Ends : public Fixture, public testing::WithParamInterface<Ending> {};

TEST_P(Ends, ModallyWithItsCancelledValue) {
    const Ending& row = GetParam();
    QSignalSpy unloading(dialog.get(), &frmHSVTintrix::Unloading);
    const bool result = ShowModal([this, &row] { row.act(*this); }, kRed, row.oneShot, !row.buttons);
    EXPECT_EQ(result, row.cancelled);
    EXPECT_EQ(dialog->Cancelled(), row.cancelled);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(unloading.count(), 0); // never in the modal mode
}

const Ending kEndings[] = {
    {"OkButton", true, false, [](Fixture& f) { QTest::mouseClick(f.Button("cmdOk"), Qt::LeftButton); },
     false},
    {"EnterKey", false, false, [](Fixture& f) { f.Key(Qt::Key_Return); }, false},
    {"KeypadEnterKey", false, false, [](Fixture& f) { f.Key(Qt::Key_Enter, Qt::KeypadModifier); }, false},
    {"EnterKeyWithButtons", true, false, [](Fixture& f) { f.Key(Qt::Key_Return); }, false},
    {"SwatchDoubleClick", false, false, [](Fixture& f) { QTest::mouseDClick(f.Swatch(), Qt::LeftButton); },
     false},
    {"OneShotTimer", false, true, [](Fixture& f) { f.ClickRow(100); }, false},
    {"Accept", false, false, [](Fixture& f) { f.dialog->accept(); }, false},
    {"CancelButton", true, false,
     [](Fixture& f) { QTest::mouseClick(f.Button("cmdCancel"), Qt::LeftButton); }, true},
    {"EscapeKey", false, false, [](Fixture& f) { f.Key(Qt::Key_Escape); }, true},
    {"EscapeKeyWithButtons", true, false, [](Fixture& f) { f.Key(Qt::Key_Escape); }, true},
    {"EscapeKeyInOneShot", false, true, [](Fixture& f) { f.Key(Qt::Key_Escape); }, true},
    {"CloseButton", false, false, [](Fixture& f) { f.dialog->close(); }, true},
    {"Reject", false, false, [](Fixture& f) { f.dialog->reject(); }, true},
};
INSTANTIATE_TEST_SUITE_P(HSVDialog, Ends, testing::ValuesIn(kEndings), ByName());

TEST_F(Fixture, WithEveryOptionLeftOutIsModalCentredUnownedWithoutButtons) {
    ArmModal([this] {
        EXPECT_EQ(dialog->windowTitle(), "Select color");
        EXPECT_EQ(dialog->parentWidget(), nullptr);
        EXPECT_FALSE(Button("cmdOk")->isVisible());
        EXPECT_FALSE(Button("cmdCancel")->isVisible());
        EXPECT_EQ(dialog->size(), QSize(313, 370));
        // Centred by its outer size, with the offscreen platform's frame of 2 pixels on every
        // side: (1280 - 317) / 2 = 481.5 goes to the even 482; (1024 - 374) / 2 = 325.
        EXPECT_EQ(dialog->frameGeometry().topLeft(), QPoint(482, 325));
        Char('g');
        Key(Qt::Key_Return);
    });
    EXPECT_FALSE(dialog->ShowDialog(kRed));
    EXPECT_EQ(dialog->SelectedColor(), 0x0000FF00);
    EXPECT_EQ(dialog->OriginalColor(), kRed);
}

TEST_F(Fixture, EndsOnTheReleaseOfEnterNotOnItsPress) {
    ArmModal([this] {
        QTest::keyPress(Window(), Qt::Key_Return);
        EXPECT_TRUE(dialog->isVisible());
        QTest::keyRelease(Window(), Qt::Key_Return);
        EXPECT_FALSE(dialog->isVisible());
    });
    EXPECT_FALSE(dialog->ShowDialog(kRed));
}

// The key that opened the dialog from another window goes up in this one; that must not close it.
TEST_F(Fixture, IgnoresTheReleaseOfAKeyPressedElsewhere) {
    ArmModal([this] {
        QTest::keyRelease(Window(), Qt::Key_Return);
        QTest::keyRelease(Window(), Qt::Key_Escape);
        EXPECT_TRUE(dialog->isVisible());
        Key(Qt::Key_Escape);
    });
    EXPECT_TRUE(dialog->ShowDialog(kRed));
}

TEST_F(Fixture, ASingleClickOnTheSwatchDoesNothing) {
    QSignalSpy changed(dialog.get(), &frmHSVTintrix::ColorChanged);
    Open();
    QTest::mouseClick(Swatch(), Qt::LeftButton);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(Fixture, ReportsChangesSynchronouslyDuringTheModalRun) {
    QSignalSpy changed(dialog.get(), &frmHSVTintrix::ColorChanged);
    ArmModal([&] {
        EXPECT_EQ(changed.count(), 0); // opening reports nothing
        Char('b');
        ASSERT_EQ(changed.count(), 1);
        EXPECT_EQ(changed.at(0).at(0).value<OLE_COLOR>(), 0x00FF0000);
        Char('b'); // the same colour again is reported again
        EXPECT_EQ(changed.count(), 2);
        Key(Qt::Key_Escape);
    });
    EXPECT_TRUE(dialog->ShowDialog(kRed));
    EXPECT_EQ(dialog->SelectedColor(), 0x00FF0000); // the caller restores on cancel, not the dialog
}

TEST_F(Fixture, ModelessModesReturnAtOnceAndReportTheEndByUnloading) {
    for (const std::int32_t mode : {1, 2}) {
        SCOPED_TRACE(mode);
        dialog = std::make_unique<frmHSVTintrix>(services);
        bool cancelledSeen = false;
        QObject::connect(dialog.get(), &frmHSVTintrix::Unloading,
                         [&] { cancelledSeen = dialog->Cancelled(); });
        QSignalSpy unloading(dialog.get(), &frmHSVTintrix::Unloading);
        EXPECT_FALSE(dialog->ShowDialog(kRed, {}, false, nullptr, mode));
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_FALSE(dialog->isModal());
        dialog->close();
        EXPECT_EQ(unloading.count(), 1);
        EXPECT_TRUE(cancelledSeen);
        EXPECT_FALSE(dialog->isVisible());
    }
}

TEST_F(Fixture, AnyOtherModeBuildsButDoesNotShow) {
    EXPECT_FALSE(dialog->ShowDialog(0x00404040, {}, false, nullptr, 7));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(Text("txtRed"), "64");
}

TEST_F(Fixture, ASystemColourIsSelectedAsItsCurrentRgb) {
    const OLE_COLOR buttonFace = OleColor::SystemColor(15);
    dialog->ShowDialog(buttonFace, {}, false, nullptr, 3);
    EXPECT_EQ(dialog->OriginalColor(), buttonFace);
    EXPECT_EQ(dialog->SelectedColor(), modColorModels::TranslateColor(buttonFace));
}

TEST_F(Fixture, AColourThatCannotBeTranslatedFailsTheCall) {
    try {
        dialog->ShowDialog(OleColor::FromBits(0x7F000000), {}, false, nullptr, 1);
        ADD_FAILURE() << "no error";
    } catch (const ComponentError& error) {
        EXPECT_EQ(error.Number(), 5);
    }
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(Fixture, UseParentMakesTheParentTheOwnerInTheModelessMode) {
    QWidget parent;
    dialog->ShowDialog(kRed, {}, true, &parent, 1);
    EXPECT_EQ(dialog->parentWidget(), &parent);
    EXPECT_TRUE(dialog->isWindow());
    dialog->close();
    dialog.reset(); // before the parent, as a caller holding the dialog does
}

TEST_F(Fixture, AParentWithoutUseParentOnlyPlacesTheDialog) {
    QWidget parent;
    parent.setGeometry(100, 100, 300, 200);
    parent.show();
    dialog->ShowDialog(kRed, {}, false, &parent, 2, 3);
    EXPECT_EQ(dialog->parentWidget(), nullptr);
    parent.setWindowState(Qt::WindowMinimized);
    EXPECT_TRUE(dialog->isVisible());
    parent.close();
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(Fixture, OneShotHidesTheButtonsEvenWhenTheyAreAskedFor) {
    dialog->ShowDialog(kRed, {}, false, nullptr, 1, 0, true, false);
    EXPECT_FALSE(Button("cmdOk")->isVisible());
    EXPECT_FALSE(Button("cmdCancel")->isVisible());
    EXPECT_EQ(dialog->size(), QSize(313, 370));
}

// A one-shot selection arms the closing timer; a cancel before it fires must stay a cancel.
TEST_F(Fixture, ACancelBeforeTheOneShotTimerFiresStaysCancelled) {
    Open(kRed, true);
    ClickRow(100);
    EXPECT_TRUE(Control<QTimer>("Timer")->isActive());
    KeyNow(Qt::Key_Escape);
    EXPECT_TRUE(dialog->Cancelled());
    EXPECT_FALSE(Control<QTimer>("Timer")->isActive());
}

TEST_F(Fixture, OneObjectServesOneShowDialog) {
    dialog->ShowDialog(kRed, {}, false, nullptr, 1);
    dialog->close();
    EXPECT_FALSE(dialog->ShowDialog(0x00FF0000, {}, false, nullptr, 1));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->OriginalColor(), kRed);
}

} // namespace
