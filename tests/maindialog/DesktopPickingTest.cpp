// Screen picking through the desktop's own colour picker (the Wayland way), driven through the
// real dialog with a fake picker that answers when the test says.
#include "DesktopPickingFixture.h"
#include "fakes/FakeDesktopColorPicker.h"
#include "namedcolors/modNamedColors.h"
#include "support/ByName.h"

#include <QAbstractItemModel>
#include <ostream>
#include <string>

namespace {

using Outcome = Platform::DesktopColorPicker::Outcome;
using Availability = Platform::DesktopColorPicker::Availability;

constexpr OLE_COLOR kPicked = 0x123456;
constexpr OLE_COLOR kRed = 0x0000FF; // in the list twice, as BASE_Red and HTMLB_Red

class FakePickerTest : public DesktopPickingTest {
protected:
    void SetUp() override { colorPicker = &picker; }

    void StartPicking() {
        Click("chkPick");
        ASSERT_EQ(picker.picks, 1);
        ASSERT_TRUE(picker.picking);
    }
    static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    FakeDesktopColorPicker picker;
};

TEST_F(FakePickerTest, PickOpensTheDesktopsPickerOverTheDialogWithoutTheMagnifier) {
    Open();
    StartPicking();
    EXPECT_EQ(picker.parent, dialog.get());
    ExpectPicking();
    EXPECT_EQ(dialog->BaseColor(), kStartColor);
}

TEST_F(FakePickerTest, APickedColourBecomesTheBaseColourWithEverythingDerived) {
    Open();
    StartPicking();
    picker.Answer(Outcome::Picked, kPicked);

    EXPECT_EQ(dialog->BaseColor(), kPicked);
    EXPECT_EQ(Text("txtBaseColorRGB"), QString::fromStdString(modNamedColors::FormatRGBText(kPicked)));
    EXPECT_EQ(dialog->DimmedColor(), modColorModels::DimColor(kPicked, 0.2f));
    EXPECT_FALSE(Pick()->isChecked());
    EXPECT_EQ(Pick()->text(), "P&ick!");
    for (const QWidget* input : Inputs(*dialog)) {
        EXPECT_TRUE(input->isEnabled()) << input->objectName().toStdString();
    }
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(FakePickerTest, TheBaseColourPickedAgainIsNotSetAgain) {
    Open();
    // Setting the colour afresh would select the first of the two equal entries.
    Choose("cboSelect", RowOf("cboSelect", "HTMLB_Red"));
    ASSERT_EQ(dialog->BaseColorName(), "HTMLB_Red");
    QSignalSpy refills(Get<QListWidget>("lstEquivalent")->model(), &QAbstractItemModel::modelReset);
    StartPicking();
    picker.Answer(Outcome::Picked, kRed);
    EXPECT_EQ(dialog->BaseColorName(), "HTMLB_Red");
    EXPECT_EQ(refills.count(), 0);
    EXPECT_FALSE(Pick()->isChecked());
}

struct EndCase {
    const char* name;
    Outcome outcome;
};

class EndsWithoutAColour : public FakePickerTest, public testing::WithParamInterface<EndCase> {};

TEST_P(EndsWithoutAColour, ChangesNothingAndSaysNothing) {
    Open();
    Choose("cboSelect", RowOf("cboSelect", "HTMLB_Red"));
    const QStringList before = Look();
    StartPicking();
    picker.Answer(GetParam().outcome);
    EXPECT_EQ(Look(), before);
    EXPECT_TRUE(messages.shown.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(DesktopPicking, EndsWithoutAColour,
                         testing::Values(EndCase{"Cancelled", Outcome::Cancelled},
                                         EndCase{"Failed", Outcome::Failed}),
                         ByName());

TEST_F(FakePickerTest, NoPickerFoundOutOnlyWhilePickingSaysSoTooAndChangesNothing) {
    picker.state = Availability::Checking;
    Open();
    const QStringList before = Look();
    StartPicking();
    ExpectPicking();
    picker.Answer(Outcome::Unavailable);
    EXPECT_TRUE(ToldPickingIsUnavailable());
    EXPECT_EQ(Look(), before);
}

struct StopCase {
    const char* name;
    Qt::Key key; // Qt::Key_unknown: a click on chkPick
};

class StoppedInTheDialog : public FakePickerTest, public testing::WithParamInterface<StopCase> {};

TEST_P(StoppedInTheDialog, ClosesTheDesktopsPickerAndChangesNothing) {
    Open();
    const QStringList before = Look();
    StartPicking();
    if (GetParam().key == Qt::Key_unknown) {
        Click("chkPick");
    } else {
        Key(GetParam().key);
    }
    EXPECT_EQ(picker.cancels, 1);
    EXPECT_EQ(Look(), before);
    picker.Answer(Outcome::Picked, kPicked); // closed already: nothing comes
    EXPECT_EQ(dialog->BaseColor(), kStartColor);
}

INSTANTIATE_TEST_SUITE_P(DesktopPicking, StoppedInTheDialog,
                         testing::Values(StopCase{"Esc", Qt::Key_Escape}, StopCase{"P", Qt::Key_P},
                                         StopCase{"ClickOnPicking", Qt::Key_unknown}),
                         ByName());

TEST_F(FakePickerTest, ArrowKeysDoNotMoveTheCursor) {
    Open();
    screen.cursor = QPoint(100, 100);
    StartPicking();
    Key(Qt::Key_Right);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(screen.cursor, QPoint(100, 100));
    EXPECT_TRUE(picker.picking);
}

TEST_F(FakePickerTest, ClosingTheDialogClosesTheDesktopsPicker) {
    Open();
    StartPicking();
    dialog->close();
    EXPECT_EQ(picker.cancels, 1);
    EXPECT_FALSE(Pick()->isChecked());
}

TEST_F(FakePickerTest, DestroyingTheDialogClosesTheDesktopsPicker) {
    Open();
    StartPicking();
    dialog.reset();
    EXPECT_EQ(picker.cancels, 1);
    picker.Answer(Outcome::Picked, kPicked); // nobody is left to hear it
}

TEST_F(FakePickerTest, AnotherPickStartsAfreshAfterAnAnswer) {
    Open();
    StartPicking();
    picker.Answer(Outcome::Cancelled);
    Click("chkPick");
    EXPECT_EQ(picker.picks, 2);
    picker.Answer(Outcome::Picked, kPicked);
    EXPECT_EQ(dialog->BaseColor(), kPicked);
}

} // namespace
