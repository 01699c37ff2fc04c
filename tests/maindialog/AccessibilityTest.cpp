#include "support/Accessibility.h"

#include "MainDialogFixture.h"
#include "platform/QtColor.h"

namespace {

using MainDialogAccessibility = MainDialogTest;

// The controls the dialog was designed with: its direct children that carry a name.
QList<QWidget*> ControlsOf(const QWidget& dialog) {
    QList<QWidget*> controls;
    for (QWidget* child : dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!child->objectName().isEmpty()) {
            controls << child;
        }
    }
    return controls;
}

// The colours a sample announces, without the ratio after them.
QString ColorsOf(QWidget* sample) {
    return AccessibleDescription(sample).section(", contrast ", 0, 0);
}

TEST_F(MainDialogAccessibility, EveryControlHasAScreenReaderNameOfItsOwn) {
    Open();
    const QList<QWidget*> controls = ControlsOf(*dialog);
    EXPECT_EQ(controls.size(), 29);
    EXPECT_EQ(UnnamedOrAlike(controls), QStringList());
}

TEST_F(MainDialogAccessibility, ButtonsAndCheckBoxesAreNamedByTheirCaptionWithoutTheAccessKey) {
    Open();
    EXPECT_EQ(AccessibleName(Get("cmdCopy")), "Copy");
    EXPECT_EQ(AccessibleName(Get("cmdSetFromRGB")), "Set RGB");
    EXPECT_EQ(AccessibleName(Get("chkPick")), "Pick!");
    EXPECT_EQ(AccessibleName(Get("chkITU")), "ITU grey values");
}

TEST_F(MainDialogAccessibility, BoxesListsAndSamplesAreNamedByTheirToolTip) {
    Open();
    for (const char* name :
         {"txtDimFactor", "txtMask", "lstEquivalent", "lblCol(0)", "lblCol(2)", "lblCol(5)", "txtOut"}) {
        EXPECT_EQ(AccessibleName(Get(name)), Get(name)->toolTip()) << name;
    }
    EXPECT_EQ(AccessibleName(Get("txtBaseColorValue")), "Base color value");
}

// Qt on Linux announces a drop-down list by its current entry, so the name given to the list
// reaches a screen reader as its description.
TEST_F(MainDialogAccessibility, DropDownListsCarryTheirToolTipAsNameAndDescription) {
    Open();
    for (const char* name : {"cboSelect", "cboContrastColorMode"}) {
        EXPECT_EQ(Get(name)->accessibleName(), Get(name)->toolTip()) << name;
        EXPECT_EQ(AccessibleDescription(Get(name)), Get(name)->toolTip()) << name;
    }
}

TEST_F(MainDialogAccessibility, TheSwatchAnnouncesTheBaseColor) {
    Open();
    EXPECT_EQ(AccessibleDescription(Get("lblCol(0)")), "&H8BD9FE #FED98B RGB(254, 217, 139)");
}

TEST_F(MainDialogAccessibility, SwatchAndSamplesFollowEveryNewBaseColor) {
    Open();
    auto* list = Get<QComboBox>("cboSelect");
    for (int row : {0, list->count() / 2, list->count() - 1}) {
        list->setCurrentIndex(row);
        const QString base = QtColor::AccessibleDescription(dialog->BaseColor());
        const QString dimmed = QtColor::AccessibleDescription(dialog->DimmedColor());
        const QString contrast = QtColor::AccessibleDescription(dialog->ContrastColor());
        EXPECT_EQ(AccessibleDescription(Get("lblCol(0)")), base) << row;
        EXPECT_EQ(ColorsOf(Get("lblCol(2)")), "Background " + dimmed + ", text " + base) << row;
        EXPECT_EQ(ColorsOf(Get("lblCol(5)")), "Text " + contrast + ", background " + base) << row;
    }
}

TEST_F(MainDialogAccessibility, SamplesKeepTheDerivedColorsShownUntilTheyAreRecomputed) {
    Open();
    const QString dimmedBefore = QtColor::AccessibleDescription(dialog->DimmedColor());
    Retype("txtBaseColorHSV", 4, 3, "120"); // sets the base colour only
    const QString green = QtColor::AccessibleDescription(dialog->BaseColor());
    EXPECT_EQ(AccessibleDescription(Get("lblCol(0)")), green);
    EXPECT_EQ(ColorsOf(Get("lblCol(2)")), "Background " + dimmedBefore + ", text " + green);
    QTest::mouseClick(Get("cmdDim"), Qt::LeftButton);
    EXPECT_EQ(ColorsOf(Get("lblCol(2)")),
              "Background " + QtColor::AccessibleDescription(dialog->DimmedColor()) + ", text " + green);
    EXPECT_NE(QtColor::AccessibleDescription(dialog->DimmedColor()), dimmedBefore);
}

} // namespace
