// "RGB selector": Qt's colour chooser opened from the main dialog, and its 16 custom colours,
// which live as long as the program runs.
#include "MainDialogFixture.h"
#include "ModalDialogs.h"
#include "colormodels/SystemColors.h"
#include "colormodels/modColorModels.h"
#include "platform/QtColor.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <algorithm>
#include <array>

namespace {

constexpr int kSlots = 16;

// The first showing of the run fills the custom colours; only a process in which no chooser has
// been shown yet can see it (CTest runs every test in a process of its own).
bool gChooserShown = false;

std::array<OLE_COLOR, kSlots> SharedCustomColors() {
    std::array<OLE_COLOR, kSlots> colors{};
    for (int i = 0; i < kSlots; ++i) {
        colors[i] = QtColor::FromQColor(QColorDialog::customColor(i));
    }
    return colors;
}

// A desktop whose button face is a colour no table has, to see that it is read at first use.
class DesktopColors final : public SystemColors::Source {
public:
    static constexpr OLE_COLOR kButtonFace = 0x00123456;
    OLE_COLOR ColorOf(int index) const override {
        return index == 15 ? kButtonFace : SystemColors::ClassicSource().ColorOf(index);
    }
};

class ColorDialogTest : public MainDialogTest {
protected:
    using Drive = std::function<void(QColorDialog&)>;

    // Presses "RGB selector"; `drive` runs while the chooser is open and must end it.
    void Select(Drive drive) {
        DuringModalRun<QColorDialog>(dialog.get(), std::move(drive));
        gChooserShown = true;
        Click("cmdSelect");
    }
    // The user's way to keep the current colour: "Add to Custom Colors".
    static void AddCustomColor(QColorDialog& chooser) {
        for (QPushButton* button : chooser.findChildren<QPushButton*>()) {
            if (button->text().remove('&') == "Add to Custom Colors") {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        }
        ADD_FAILURE() << "no button adds a custom colour";
    }
};

TEST_F(ColorDialogTest, FirstShowingOffersTheButtonFaceInEveryCustomSlot) {
    if (gChooserShown) {
        GTEST_SKIP() << "a chooser was shown earlier in this process; run this test on its own";
    }
    Open();
    auto previous = SystemColors::Install(std::make_unique<DesktopColors>());
    Select([](QColorDialog& chooser) {
        std::array<OLE_COLOR, kSlots> expected;
        expected.fill(DesktopColors::kButtonFace);
        EXPECT_EQ(SharedCustomColors(), expected);
        PressKey(chooser, Qt::Key_Escape);
    });
    SystemColors::Install(std::move(previous));
}

TEST_F(ColorDialogTest, OpensModallyAtTheBaseColorOwnedByTheMainDialogWithTheInputsDisabled) {
    Open(kStartColor);
    auto* button = Get<QPushButton>("cmdSelect");
    button->setFocus();
    Select([this](QColorDialog& chooser) {
        EXPECT_TRUE(chooser.isModal());
        EXPECT_EQ(chooser.parentWidget(), dialog.get());
        EXPECT_TRUE(chooser.testOption(QColorDialog::DontUseNativeDialog));
        EXPECT_EQ(chooser.currentColor(), QtColor::ToQColor(kStartColor));
        for (QWidget* input : Inputs(*dialog)) {
            EXPECT_FALSE(input->isEnabled()) << input->objectName().toStdString();
        }
        PressKey(chooser, Qt::Key_Escape);
    });
    EXPECT_TRUE(button->isEnabled());
    EXPECT_TRUE(Get("txtBaseColorRGB")->isEnabled());
    EXPECT_EQ(dialog->focusWidget(), button);
}

TEST_F(ColorDialogTest, ASystemColorBaseStartsTheChooserAtItsCurrentRGB) {
    constexpr OLE_COLOR kButtonFace = OleColor::SystemColor(15);
    Open(kButtonFace);
    Select([](QColorDialog& chooser) {
        EXPECT_EQ(chooser.currentColor(), QtColor::ToQColor(modColorModels::TranslateColor(kButtonFace)));
        PressKey(chooser, Qt::Key_Escape);
    });
    EXPECT_EQ(dialog->BaseColor(), kButtonFace);
}

TEST_F(ColorDialogTest, ConfirmingAnotherColorMakesItTheBaseColorAsPlainRGB) {
    Open(kStartColor);
    Select([](QColorDialog& chooser) {
        chooser.setCurrentColor(QColor(10, 20, 30));
        PressKey(chooser, Qt::Key_Return);
    });
    EXPECT_EQ(dialog->BaseColor(), 0x1E140A);
    EXPECT_EQ(Text("txtBaseColorRGB"), "&H1E140A #0A141E RGB( 10,  20,  30)");
    EXPECT_EQ(dialog->DimmedColor(), modColorModels::DimColor(0x1E140A, 0.2f));
}

TEST_F(ColorDialogTest, CancellingChangesNothing) {
    Open(kStartColor);
    const QString rgb = Text("txtBaseColorRGB");
    const OLE_COLOR dimmed = dialog->DimmedColor();
    Select([](QColorDialog& chooser) {
        chooser.setCurrentColor(QColor(10, 20, 30));
        PressKey(chooser, Qt::Key_Escape);
    });
    EXPECT_EQ(dialog->BaseColor(), kStartColor);
    EXPECT_EQ(Text("txtBaseColorRGB"), rgb);
    EXPECT_EQ(dialog->DimmedColor(), dimmed);
}

// Taking the base colour anew would select the first equal entry of the list and apply the dim
// factor typed meanwhile; confirming the colour that is already the base colour does neither.
TEST_F(ColorDialogTest, ConfirmingTheBaseColorItselfChangesNothing) {
    Open();
    Choose("cboSelect", RowOf("cboSelect", "HTMLB_Aqua")); // equal to the earlier BASE_Cyan
    const OLE_COLOR dimmed = dialog->DimmedColor();
    Empty(Box("txtDimFactor"));
    QTest::keyClicks(Box("txtDimFactor"), "0.4"); // typed, not applied
    Select([](QColorDialog& chooser) { PressKey(chooser, Qt::Key_Return); });
    EXPECT_EQ(Get<QComboBox>("cboSelect")->currentText(), "HTMLB_Aqua");
    EXPECT_EQ(dialog->BaseColorName(), "HTMLB_Aqua");
    EXPECT_EQ(dialog->DimmedColor(), dimmed);
    EXPECT_EQ(Text("txtDimFactor"), "0.4");
}

TEST_F(ColorDialogTest, CustomColorsSurviveFromOneShowingToTheNext) {
    Open();
    std::array<OLE_COLOR, kSlots> leftBehind{};
    Select([&](QColorDialog& chooser) {
        chooser.setCurrentColor(QColor(1, 2, 3));
        AddCustomColor(chooser);
        leftBehind = SharedCustomColors();
        PressKey(chooser, Qt::Key_Escape); // kept also when cancelled
    });
    EXPECT_NE(std::find(leftBehind.begin(), leftBehind.end(), 0x030201), leftBehind.end());
    Select([&](QColorDialog& chooser) {
        EXPECT_EQ(SharedCustomColors(), leftBehind);
        PressKey(chooser, Qt::Key_Return);
    });
}

// Qt writes its one set of custom colours into the user's settings at exit, for every Qt program.
TEST_F(ColorDialogTest, QtsOwnCustomColorsComeBackWhenTheChooserCloses) {
    Open();
    for (int i = 0; i < kSlots; ++i) {
        QColorDialog::setCustomColor(i, QColor(i, 100, 200));
    }
    const std::array<OLE_COLOR, kSlots> theirs = SharedCustomColors();
    Select([&](QColorDialog& chooser) {
        EXPECT_NE(SharedCustomColors(), theirs);
        chooser.setCurrentColor(QColor(7, 8, 9));
        AddCustomColor(chooser);
        // Enter would press the focused "Add" button again.
        QTest::mouseClick(chooser.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
    });
    EXPECT_EQ(dialog->BaseColor(), 0x090807);
    EXPECT_EQ(SharedCustomColors(), theirs);
}

} // namespace
