#include "MainDialogFixture.h"
#include "support/ByName.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

struct Typing {
    const char* name;
    const char* box;
    const char* keys;
    const char* result;
};

class KeyFilter : public MainDialogTest, public testing::WithParamInterface<Typing> {};

TEST_P(KeyFilter, KeepsOnlyTheBoxsCharacters) {
    Open();
    QLineEdit* box = Box(GetParam().box);
    Empty(box);
    QTest::keyClicks(box, GetParam().keys);
    EXPECT_EQ(box->text(), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    MainDialog, KeyFilter,
    testing::Values(Typing{"RGBTakesHexadecimalAndComma", "txtBaseColorRGB", "&H0aF #9 1,2", "&H0aF #9 1,2"},
                    Typing{"RGBRefusesLettersParenthesesDotMinus", "txtBaseColorRGB", "1x(R).-g2", "12"},
                    Typing{"HSVTakesCommaAndDot", "txtBaseColorHSV", "1, 0.5, .25", "1, 0.5, .25"},
                    Typing{"HSVRefusesHexadecimalAndLetters", "txtBaseColorHSV", "HSV(1a#&-)", "1"},
                    Typing{"DimFactorTakesDotAndMinus", "txtDimFactor", "-0.25", "-0.25"},
                    Typing{"DimFactorRefusesCommaAndHexadecimal", "txtDimFactor", "0,a&H#5", "05"},
                    Typing{"MaskTakesHexadecimal", "txtMask", "&HfF09", "&HfF09"},
                    Typing{"MaskRefusesMinusDotCommaLetters", "txtMask", "-.,xyz1", "1"}),
    ByName());

TEST_F(MainDialogTest, KeyFilterRefusesLettersBeyondAscii) {
    Open();
    QLineEdit* box = Box("txtDimFactor");
    Empty(box);
    QTest::keyClick(box, Qt::Key_1);
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_Eacute, QStringLiteral("\u00e9"), Qt::NoModifier);
    QTest::keyClick(box, Qt::Key_2);
    EXPECT_EQ(box->text(), "12");
}

TEST_F(MainDialogTest, EnterIsNeverInsertedAndRunsTheBoxsAction) {
    Open();
    for (const char* name : {"txtBaseColorRGB", "txtBaseColorHSV", "txtDimFactor", "txtMask"}) {
        QLineEdit* box = Box(name);
        box->setFocus();
        box->end(false);
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_FALSE(box->text().contains('\r') || box->text().contains('\n')) << name;
    }
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_TRUE(dialog->isVisible());

    TypeOver("txtDimFactor", "0.7"); // Enter there recomputes the derived colours
    EXPECT_EQ(Text("txtDimFactor"), "0.5");
}

TEST_F(MainDialogTest, ClipboardShortcutsAndControlCharactersAreDiscarded) {
    Open();
    QGuiApplication::clipboard()->setText("123");
    QLineEdit* box = Box("txtDimFactor");
    box->setFocus();
    box->selectAll();
    for (const QKeyCombination keys : {Qt::CTRL | Qt::Key_V, Qt::SHIFT | Qt::Key_Insert, Qt::CTRL | Qt::Key_X,
                                       Qt::SHIFT | Qt::Key_Delete, Qt::CTRL | Qt::Key_Z}) {
        QTest::keyClick(box, keys.key(), keys.keyboardModifiers());
        EXPECT_EQ(box->text(), "0.2") << keys.toCombined();
    }
    QGuiApplication::clipboard()->setText("untouched");
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "untouched");
    QTest::keyClick(box, Qt::Key_Escape);
    QTest::keyClick(box, Qt::Key_Tab, Qt::NoModifier); // Tab still moves on
    EXPECT_NE(QApplication::focusWidget(), box);
    EXPECT_EQ(box->text(), "0.2");
}

TEST_F(MainDialogTest, EditingKeysWorkAsUsualInTheInputBoxes) {
    Open();
    QLineEdit* box = Box("txtMask"); // "&HFFFFFF"
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_Right);
    QTest::keyClick(box, Qt::Key_Right);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Left);
    QTest::keyClicks(box, " 0");
    EXPECT_EQ(box->text(), "&HFFF 0F");
}

} // namespace
