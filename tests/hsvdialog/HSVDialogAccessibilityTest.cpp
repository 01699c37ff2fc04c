#include "HSVDialogFixture.h"
#include "support/Accessibility.h"

namespace {

using HSVDialogAccessibility = HSVDialogFixture;

// Every named widget of the dialog, the panel's controls included; the description labels
// are static text that names nothing but the box beside it.
QList<QWidget*> ControlsOf(const QWidget& dialog) {
    QList<QWidget*> controls;
    for (QWidget* child : dialog.findChildren<QWidget*>()) {
        if (!child->objectName().isEmpty() && !child->objectName().startsWith("lblDesc(") &&
            !child->objectName().startsWith("qt_")) {
            controls << child;
        }
    }
    return controls;
}

TEST_F(HSVDialogAccessibility, EveryControlHasAScreenReaderNameOfItsOwn) {
    Open(kRed, false, false);
    const QList<QWidget*> controls = ControlsOf(*dialog);
    EXPECT_EQ(controls.size(), 27);
    EXPECT_EQ(UnnamedOrAlike(controls), QStringList());
}

TEST_F(HSVDialogAccessibility, ValueBoxesAreNamedByTheirDescription) {
    Open();
    EXPECT_EQ(AccessibleName(Control<QLineEdit>("txtHue")), "Hue");
    EXPECT_EQ(AccessibleName(Control<QLineEdit>("txtSat")), "Saturation %");
    EXPECT_EQ(AccessibleText(Control<QLineEdit>("txtHue"), QAccessible::Value), "0");
}

TEST_F(HSVDialogAccessibility, PresetSquaresAreNamedByTheirToolTipAndKey) {
    Open();
    EXPECT_EQ(AccessibleName(Square(0)), "White (W)");
    EXPECT_EQ(AccessibleName(Square(8)), "75% gray (0)");
    EXPECT_EQ(AccessibleDescription(Square(1)), "&H0000FF #FF0000 RGB(255,   0,   0)");
}

TEST_F(HSVDialogAccessibility, TheGraySquareFollowsTheGrayBar) {
    Open();
    Bar("scrollGray")->setValue(64);
    EXPECT_EQ(AccessibleName(Square(11)), Square(11)->toolTip() + " (S)");
    EXPECT_TRUE(AccessibleName(Square(11)).contains("64"));
    EXPECT_EQ(AccessibleDescription(Square(11)), QtColor::AccessibleDescription(0x404040));
}

TEST_F(HSVDialogAccessibility, TheSwatchAnnouncesTheSelectedColorAsItChanges) {
    Open();
    EXPECT_EQ(AccessibleDescription(Swatch()), "&H0000FF #FF0000 RGB(255,   0,   0)");
    Char('b');
    EXPECT_EQ(AccessibleDescription(Swatch()), "&HFF0000 #0000FF RGB(  0,   0, 255)");
    ClickRow(120);
    EXPECT_EQ(AccessibleDescription(Swatch()), QtColor::AccessibleDescription(dialog->SelectedColor()));
    EXPECT_EQ(AccessibleName(Swatch()), Swatch()->toolTip());
}

} // namespace
