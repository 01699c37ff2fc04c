#include "MainDialogFixture.h"
#include "colormodels/modColorModels.h"
#include "namedcolors/modNamedColors.h"

namespace {

constexpr int kBuiltInEntries = 29 + 11 + 136;

const QByteArray kThreeOfAKind = "; my palette\r\nFirst &H563412\r\nSecond &H563412\r\n"
                                 "\r\nThird &H563412\r\nOther &H010203\r\n";

TEST_F(MainDialogTest, ListsTheSystemBaseWebAndUserGroupsInOrder) {
    Open(kStartColor, kThreeOfAKind);
    auto* list = Get<QComboBox>("cboSelect");
    ASSERT_EQ(list->count(), kBuiltInEntries + 4);
    EXPECT_EQ(list->itemText(0), "SYS_3DDKShadow (15)");
    EXPECT_EQ(list->itemText(29), "BASE_Black");
    EXPECT_EQ(list->itemText(40), "HTMLB_Black");
    EXPECT_EQ(list->itemText(kBuiltInEntries - 1).left(6), "HTMLS_");
    EXPECT_EQ(list->itemText(kBuiltInEntries), "USER_First");
    EXPECT_EQ(list->itemText(kBuiltInEntries + 3), "USER_Other");
    EXPECT_EQ(list->itemData(kBuiltInEntries + 3).toInt(), 0x010203);
}

TEST_F(MainDialogTest, SystemEntriesShowTheirIndexAndCarryTheirRGBAtFillingTime) {
    Open();
    auto* list = Get<QComboBox>("cboSelect");
    const int desktop = RowOf("cboSelect", "SYS_Desktop (01)");
    ASSERT_GE(desktop, 0);
    EXPECT_EQ(list->itemData(desktop).toInt(), modColorModels::TranslateColor(OleColor::SystemColor(1)));
    const int face = RowOf("cboSelect", "SYS_3DFace (0F)");
    const int buttonFace = RowOf("cboSelect", "SYS_ButtonFace (0F)");
    ASSERT_GE(face, 0);
    ASSERT_GE(buttonFace, 0);
    EXPECT_EQ(list->itemData(face), list->itemData(buttonFace));
    for (int i = 0; i < list->count(); ++i) {
        EXPECT_EQ(OleColor::HighByte(list->itemData(i).toInt()), 0u) << list->itemText(i).toStdString();
    }
}

TEST_F(MainDialogTest, AnEmptyPrefixGivesUserEntries) {
    Open(kStartColor, kThreeOfAKind, "");
    EXPECT_EQ(Get<QComboBox>("cboSelect")->itemText(kBuiltInEntries), "USER_First");
}

TEST_F(MainDialogTest, AVoidUserFileAddsNothing) {
    Open(kStartColor, "Good &H010203\r\nBad &H0102\r\n");
    EXPECT_EQ(Get<QComboBox>("cboSelect")->count(), kBuiltInEntries);
}

TEST_F(MainDialogTest, AMissingUserFileAddsNothing) {
    Open();
    EXPECT_EQ(Get<QComboBox>("cboSelect")->count(), kBuiltInEntries);
}

TEST_F(MainDialogTest, EqualEntriesAreListedInListOrderAndTheFirstIsSelected) {
    Open(kStartColor, kThreeOfAKind);
    Retype("txtBaseColorRGB", 2, 6, "563412");
    EXPECT_EQ(EquivalentNames(), QStringList({"USER_First", "USER_Second", "USER_Third"}));
    EXPECT_EQ(Get<QComboBox>("cboSelect")->currentText(), "USER_First");
    EXPECT_EQ(dialog->BaseColorName(), "USER_First");
    EXPECT_EQ(Get<QLabel>("lblSelect")->text(),
              QString::fromStdString(modNamedColors::FormatColorText(0x563412, HSBValues{}, 2)));

    Retype("txtBaseColorRGB", 2, 6, "00FF00");
    EXPECT_EQ(EquivalentNames(), QStringList({"BASE_Green", "HTMLB_Lime"}));
    EXPECT_EQ(dialog->BaseColorName(), "BASE_Green");
    Retype("txtBaseColorRGB", 2, 6, "123456");
    EXPECT_TRUE(EquivalentNames().isEmpty());
    EXPECT_EQ(Get<QComboBox>("cboSelect")->currentIndex(), -1);
    EXPECT_EQ(dialog->BaseColorName(), "");
    EXPECT_EQ(Get<QLabel>("lblSelect")->text(), "");
}

TEST_F(MainDialogTest, ChoosingALaterEqualEntryKeepsTheUsersChoice) {
    Open(kStartColor, kThreeOfAKind);
    Choose("cboSelect", kBuiltInEntries + 1);
    EXPECT_EQ(Get<QComboBox>("cboSelect")->currentText(), "USER_Second");
    EXPECT_EQ(dialog->BaseColor(), 0x563412);
    EXPECT_EQ(dialog->BaseColorName(), "USER_Second");
    EXPECT_EQ(EquivalentNames(), QStringList({"USER_First", "USER_Second", "USER_Third"}));
    EXPECT_EQ(dialog->DimmedColor(), modColorModels::DimColor(0x563412, 0.2f)); // the whole update ran
}

TEST_F(MainDialogTest, ChoosingAnEquivalentSelectsItInTheListAndFocusesIt) {
    Open(kStartColor, kThreeOfAKind);
    Choose("cboSelect", kBuiltInEntries);
    auto* equivalents = Get<QListWidget>("lstEquivalent");
    const QRect third = equivalents->visualItemRect(equivalents->item(2));
    QTest::mouseClick(equivalents->viewport(), Qt::LeftButton, {}, third.center());
    EXPECT_EQ(Get<QComboBox>("cboSelect")->currentText(), "USER_Third");
    EXPECT_EQ(dialog->BaseColorName(), "USER_Third");
    EXPECT_EQ(dialog->BaseColor(), 0x563412);
    EXPECT_EQ(QApplication::focusWidget(), Get("cboSelect"));
}

TEST_F(MainDialogTest, TabbingThroughTheEquivalentsChangesNothing) {
    Open(kStartColor, kThreeOfAKind);
    Choose("cboSelect", kBuiltInEntries + 2);
    Get("txtBaseColorValue")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Get("lstEquivalent"));
    EXPECT_EQ(Get<QComboBox>("cboSelect")->currentText(), "USER_Third");
}

TEST_F(MainDialogTest, ArrowKeysInTheListSetTheBaseColor) {
    Open();
    auto* list = Get<QComboBox>("cboSelect");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_End);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(list->currentIndex(), kBuiltInEntries - 2);
    EXPECT_EQ(dialog->BaseColor(), list->itemData(kBuiltInEntries - 2).toInt());
    EXPECT_EQ(dialog->BaseColorName(), list->itemText(kBuiltInEntries - 2));
}

} // namespace
