// "HSV selector": the HSV dialog opened from the main dialog, applying its colour at once or
// when it closes, and what a cancel leaves behind.
#include "MainDialogFixture.h"
#include "ModalDialogs.h"
#include "colormodels/modColorModels.h"
#include "hsvdialog/frmHSVTintrix.h"
#include "namedcolors/modNamedColors.h"
#include "platform/PictureBox.h"
#include "platform/QtColor.h"
#include "support/ByName.h"

#include <QMouseEvent>
#include <QPointer>

namespace {

constexpr OLE_COLOR kRed = 0x0000FF;
// Row 100 of the hue field at full saturation and value: red 85, green 255, blue 0.
constexpr OLE_COLOR kHue100 = 0x00FF55;
constexpr OLE_COLOR kButtonFace = OleColor::SystemColor(15);
constexpr OLE_COLOR kPlain = 0x336699;

class HSVSelectorTest : public MainDialogTest {
protected:
    using Drive = std::function<void(frmHSVTintrix&)>;

    // Presses "HSV selector"; `drive` runs while the HSV dialog is open and must end it.
    void Select(Drive drive) {
        DuringModalRun<frmHSVTintrix>(dialog.get(), std::move(drive));
        Click("cmdSelectSpecial");
    }
    void SetImmediate(bool immediate) {
        auto* check = Get<QCheckBox>("chkHSVImmediate");
        if (check->isChecked() != immediate) {
            QTest::mouseClick(check, Qt::LeftButton);
        }
        ASSERT_EQ(check->isChecked(), immediate);
    }

    static PictureBox* Field(frmHSVTintrix& hsv) { return hsv.findChild<PictureBox*>("picColors"); }
    static void ClickRow(frmHSVTintrix& hsv, int row) {
        QTest::mouseClick(Field(hsv), Qt::LeftButton, {}, QPoint(10, row));
    }
    static void SendMouse(frmHSVTintrix& hsv, QEvent::Type type, int row, Qt::MouseButtons buttons) {
        const QPointF at(10, row);
        QMouseEvent event(type, at, Field(hsv)->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(Field(hsv), &event);
    }
    static QString HSVText(frmHSVTintrix& hsv, const char* name) {
        return hsv.findChild<QLineEdit*>(name)->text();
    }

    // What the main dialog shows of its base colour, to compare before and after.
    struct Shown {
        OLE_COLOR base, dimmed, contrast;
        QString rgb, hsv, value;
        bool operator==(const Shown&) const = default;
    };
    Shown Showing() const {
        return {dialog->BaseColor(),     dialog->DimmedColor(),   dialog->ContrastColor(),
                Text("txtBaseColorRGB"), Text("txtBaseColorHSV"), Text("txtBaseColorValue")};
    }
    // The full update for Color: base colour, its texts, swatch and derived colours.
    void ExpectShowing(OLE_COLOR color) const {
        EXPECT_EQ(dialog->BaseColor(), color);
        EXPECT_EQ(Text("txtBaseColorRGB"), QString::fromStdString(modNamedColors::FormatRGBText(color)));
        EXPECT_TRUE(Text("txtBaseColorValue")
                        .startsWith(QString::fromStdString(modNamedColors::FormatColorText(color, {}, 2))));
        EXPECT_EQ(Get("lblCol(0)")->palette().color(QPalette::Window), QtColor::ToQColor(color));
        EXPECT_EQ(dialog->DimmedColor(), modColorModels::DimColor(color, 0.2f));
        EXPECT_EQ(dialog->ContrastColor(), modColorModels::ContrastShiftHue(color, true));
    }
};

TEST_F(HSVSelectorTest, OpensModallyWithoutButtonsToTheRightOfTheMainDialogAtTheBaseColor) {
    Open(kStartColor);
    dialog->move(100, 80);
    Select([this](frmHSVTintrix& hsv) {
        EXPECT_TRUE(hsv.isModal());
        EXPECT_EQ(hsv.parentWidget(), dialog.get());
        EXPECT_EQ(hsv.windowTitle(), "Select HSV color");
        EXPECT_EQ(hsv.frameGeometry().left(), dialog->frameGeometry().right() + 1);
        EXPECT_EQ(hsv.frameGeometry().top(), dialog->frameGeometry().top());
        EXPECT_FALSE(hsv.findChild<QPushButton*>("cmdOk")->isVisible());
        EXPECT_FALSE(hsv.findChild<QPushButton*>("cmdCancel")->isVisible());
        EXPECT_EQ(hsv.OriginalColor(), kStartColor);
        const QStringList rgb = {HSVText(hsv, "txtRed"), HSVText(hsv, "txtGreen"), HSVText(hsv, "txtBlue")};
        EXPECT_EQ(rgb, QStringList({"254", "217", "139"}));
        PressKey(hsv, Qt::Key_Escape);
    });
}

TEST_F(HSVSelectorTest, ImmediateModeUpdatesTheMainDialogWhileTheHSVDialogIsOpen) {
    Open(kRed);
    ASSERT_TRUE(Get<QCheckBox>("chkHSVImmediate")->isChecked()); // as designed
    Select([this](frmHSVTintrix& hsv) {
        ClickRow(hsv, 100);
        ASSERT_TRUE(hsv.isVisible());
        ExpectShowing(kHue100);

        // Every step of a drag, and the cursor keys on the field, arrive as they happen.
        SendMouse(hsv, QEvent::MouseButtonPress, 200, Qt::LeftButton);
        ExpectShowing(hsv.SelectedColor());
        EXPECT_EQ(HSVText(hsv, "txtHue"), "200");
        SendMouse(hsv, QEvent::MouseMove, 240, Qt::LeftButton);
        ExpectShowing(hsv.SelectedColor());
        EXPECT_EQ(HSVText(hsv, "txtHue"), "240");
        SendMouse(hsv, QEvent::MouseButtonRelease, 240, Qt::NoButton);
        PressKey(hsv, Qt::Key_Down);
        EXPECT_EQ(HSVText(hsv, "txtHue"), "241");
        ExpectShowing(hsv.SelectedColor());
        ClickRow(hsv, 100);
        PressKey(hsv, Qt::Key_Return);
    });
    ExpectShowing(kHue100);
}

TEST_F(HSVSelectorTest, ImmediateModeLeavesTheBaseColorAloneUntilTheUserChangesSomething) {
    // A system colour stays one: opening the HSV dialog reports no colour.
    Open(kButtonFace);
    Select([this](frmHSVTintrix& hsv) {
        EXPECT_EQ(dialog->BaseColor(), kButtonFace);
        PressKey(hsv, Qt::Key_Return);
    });
    EXPECT_EQ(dialog->BaseColor(), kButtonFace);
}

struct Cancelling {
    const char* name;
    OLE_COLOR start;
    std::function<void(frmHSVTintrix&)> cancel;
};

class CancellingTheHSVDialog : public HSVSelectorTest, public testing::WithParamInterface<Cancelling> {};

TEST_P(CancellingTheHSVDialog, InImmediateModeBringsBackTheColorFromBeforeItOpened) {
    Open(GetParam().start);
    const Shown before = Showing();
    Select([this](frmHSVTintrix& hsv) {
        ClickRow(hsv, 100);
        QTest::keyClick(hsv.windowHandle(), 'g'); // the green preset
        EXPECT_EQ(dialog->BaseColor(), 0x00FF00);
        GetParam().cancel(hsv);
    });
    EXPECT_EQ(Showing(), before);
    EXPECT_EQ(dialog->BaseColor(), GetParam().start); // exactly as it was, a system colour included
}

TEST_P(CancellingTheHSVDialog, InOnCloseModeChangesNothing) {
    Open(GetParam().start);
    SetImmediate(false);
    const Shown before = Showing();
    Select([this](frmHSVTintrix& hsv) {
        ClickRow(hsv, 100);
        GetParam().cancel(hsv);
    });
    EXPECT_EQ(Showing(), before);
}

const Cancelling kCancellings[] = {
    {"EscapeKey", kPlain, [](frmHSVTintrix& hsv) { PressKey(hsv, Qt::Key_Escape); }},
    {"CloseButton", kPlain, [](frmHSVTintrix& hsv) { hsv.close(); }},
    {"EscapeKeyOnASystemColor", kButtonFace, [](frmHSVTintrix& hsv) { PressKey(hsv, Qt::Key_Escape); }},
};
INSTANTIATE_TEST_SUITE_P(HSVSelector, CancellingTheHSVDialog, testing::ValuesIn(kCancellings), ByName());

struct Confirming {
    const char* name;
    std::function<void(frmHSVTintrix&)> confirm;
};

class ConfirmingTheHSVDialog : public HSVSelectorTest, public testing::WithParamInterface<Confirming> {};

TEST_P(ConfirmingTheHSVDialog, InOnCloseModeTakesTheSelectedColorOnlyThen) {
    Open(kRed);
    SetImmediate(false);
    const Shown before = Showing();
    Select([&](frmHSVTintrix& hsv) {
        ClickRow(hsv, 100);
        EXPECT_EQ(Showing(), before);
        GetParam().confirm(hsv);
    });
    ExpectShowing(kHue100);
}

const Confirming kConfirmings[] = {
    {"EnterKey", [](frmHSVTintrix& hsv) { PressKey(hsv, Qt::Key_Return); }},
    {"SwatchDoubleClick",
     [](frmHSVTintrix& hsv) {
         QTest::mouseDClick(hsv.findChild<QLabel*>("lblSelectColor"), Qt::LeftButton);
     }},
};
INSTANTIATE_TEST_SUITE_P(HSVSelector, ConfirmingTheHSVDialog, testing::ValuesIn(kConfirmings), ByName());

TEST_F(HSVSelectorTest, ConfirmingWithoutAChangeInOnCloseModeTakesThePlainRGBOfTheBaseColor) {
    Open(kButtonFace);
    SetImmediate(false);
    Select([](frmHSVTintrix& hsv) { PressKey(hsv, Qt::Key_Return); });
    ExpectShowing(modColorModels::TranslateColor(kButtonFace));
    EXPECT_FALSE(OleColor::IsSystemColor(dialog->BaseColor()));
}

TEST_F(HSVSelectorTest, DisablesTheInputsWhileOpenAndGivesTheFocusBackAfter) {
    Open();
    const QList<QWidget*> inputs = Inputs(*dialog);
    ASSERT_GE(inputs.size(), 20);
    auto* button = Get<QPushButton>("cmdSelectSpecial");
    button->setFocus();
    for (bool immediate : {true, false}) {
        SetImmediate(immediate);
        button->setFocus();
        DuringModalRun<frmHSVTintrix>(dialog.get(), [&](frmHSVTintrix& hsv) {
            for (QWidget* input : inputs) {
                EXPECT_FALSE(input->isEnabled()) << input->objectName().toStdString();
            }
            EXPECT_TRUE(Get("lblCol(0)")->isEnabled());
            PressKey(hsv, Qt::Key_Escape);
        });
        QTest::keyClick(button, Qt::Key_Space); // the keyboard's way to press it
        for (QWidget* input : inputs) {
            EXPECT_TRUE(input->isEnabled()) << input->objectName().toStdString();
        }
        EXPECT_EQ(dialog->focusWidget(), button);
    }
}

TEST_F(HSVSelectorTest, EachPressOpensAFreshDialogAtTheCurrentBaseColor) {
    Open(kRed);
    QPointer<frmHSVTintrix> first;
    Select([&](frmHSVTintrix& hsv) {
        first = &hsv;
        ClickRow(hsv, 100);
        PressKey(hsv, Qt::Key_Return);
    });
    EXPECT_TRUE(first.isNull()); // released when it closed
    EXPECT_TRUE(dialog->findChildren<frmHSVTintrix*>().isEmpty());
    Select([&](frmHSVTintrix& hsv) {
        EXPECT_EQ(HSVText(hsv, "txtHue"), "100");
        EXPECT_EQ(hsv.OriginalColor(), kHue100);
        PressKey(hsv, Qt::Key_Escape);
    });
    EXPECT_EQ(dialog->BaseColor(), kHue100);
}

// A caller may open the main dialog with a value that stands for no colour; the swatches show
// it as black, and so does the HSV dialog instead of refusing it.
TEST_F(HSVSelectorTest, ABaseColorThatStandsForNoColorOpensTheHSVDialogAtBlack) {
    constexpr OLE_COLOR kNoColor = 0x01000000;
    Open(kNoColor);
    Select([](frmHSVTintrix& hsv) {
        EXPECT_EQ(hsv.SelectedColor(), 0);
        ClickRow(hsv, 100);
        PressKey(hsv, Qt::Key_Escape);
    });
    EXPECT_EQ(dialog->BaseColor(), kNoColor);
}

} // namespace
