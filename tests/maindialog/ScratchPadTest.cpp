#include "MainDialogFixture.h"
#include "colormodels/modColorModels.h"
#include "namedcolors/modNamedColors.h"

namespace {

QString ValueText(OLE_COLOR color) {
    return QString::fromStdString(modNamedColors::FormatColorText(color, HSBValues{}, 2));
}

QStringList Lines(const QString& text) {
    return text.split("\r\n");
}

TEST_F(MainDialogTest, CopyPutsFourAlignedLinesOnTheClipboard) {
    Open(0x070707);
    Click("cmdCopy");
    ASSERT_EQ(clipboard.texts.size(), 1);
    const QStringList lines = Lines(clipboard.Text());
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], "Base color name: -");
    EXPECT_EQ(lines[1],
              "Base color     : &H070707 #070707 RGB(  7,   7,   7) HSV(  0, 0.0000, 0.0275) Grey:   7");
    EXPECT_EQ(lines[2], "Dimmed color   : " + ValueText(dialog->DimmedColor()) +
                            QString(" Grey: %1").arg(dialog->DimmedColorGreyValue(), 3));
    EXPECT_EQ(lines[3], "Contrast color : " + ValueText(dialog->ContrastColor()) +
                            QString(" Grey: %1").arg(dialog->ContrastColorGreyValue(), 3));
    EXPECT_FALSE(clipboard.Text().endsWith("\r\n"));
    EXPECT_EQ(Get<QPlainTextEdit>("txtOut")->toPlainText(), ""); // the pad is hidden
}

TEST_F(MainDialogTest, CopyNamesTheSelectedEntry) {
    Open(0x0000FF);
    Click("cmdCopy");
    EXPECT_EQ(Lines(clipboard.Text())[0], "Base color name: BASE_Red");
}

TEST_F(MainDialogTest, CopyWritesASystemEntryWithItsFullValue) {
    Open();
    Choose("cboSelect", RowOf("cboSelect", "SYS_ButtonFace (0F)"));
    EXPECT_EQ(dialog->BaseColorName(), "SYS_ButtonFace");
    EXPECT_EQ(dialog->BaseColor(), modColorModels::TranslateColor(OleColor::SystemColor(15)));
    Click("cmdCopy");
    EXPECT_EQ(Lines(clipboard.Text())[0], "Base color name: SYS_ButtonFace (&H8000000F)");
}

TEST_F(MainDialogTest, AUserNameWithParenthesesIsCopiedAsItIs) {
    Open(kStartColor, "Mine (12) &H010203\r\nOdd (x &H030201\r\n");
    Retype("txtBaseColorRGB", 2, 6, "010203");
    EXPECT_EQ(dialog->BaseColorName(), "USER_Mine (12)");
    Click("cmdCopy");
    EXPECT_EQ(Lines(clipboard.Text())[0], "Base color name: USER_Mine (12)");
    Retype("txtBaseColorRGB", 2, 6, "030201");
    EXPECT_EQ(dialog->BaseColorName(), "USER_Odd (x");
}

TEST_F(MainDialogTest, TwoCopiesWithThePadShownLandOneBelowTheOther) {
    Open();
    Click("chkScratchPad");
    ASSERT_TRUE(Get("txtOut")->isVisible());
    Click("cmdCopy");
    const QString first = clipboard.Text();
    Retype("txtBaseColorRGB", 2, 6, "0000FF");
    Click("cmdCopy");
    const QString second = clipboard.Text();
    ASSERT_EQ(clipboard.texts.size(), 2);
    const QString pad = Get<QPlainTextEdit>("txtOut")->toPlainText();
    EXPECT_EQ(pad, QString(first + "\r\n" + second + "\r\n").replace("\r\n", "\n"));
}

TEST_F(MainDialogTest, CopyWithoutAClipboardStillFillsThePad) {
    Open();
    clipboard.available = false;
    Click("chkScratchPad");
    Click("cmdCopy");
    EXPECT_TRUE(Get<QPlainTextEdit>("txtOut")->toPlainText().startsWith("Base color name: -\n"));
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(MainDialogTest, DoubleClickEmptiesThePadButNotTheClipboard) {
    Open();
    Click("chkScratchPad");
    Click("cmdCopy");
    auto* pad = Get<QPlainTextEdit>("txtOut");
    ASSERT_FALSE(pad->toPlainText().isEmpty());
    QTest::mouseDClick(pad->viewport(), Qt::LeftButton);
    EXPECT_EQ(pad->toPlainText(), "");
    EXPECT_EQ(clipboard.texts.size(), 1);
}

TEST_F(MainDialogTest, ShowingAndHidingThePadResizesTheDialogByItsHeight) {
    Open();
    auto* pad = Get("txtOut");
    const int without = dialog->height();
    const int with = without + pad->height() + 5;
    Click("chkScratchPad");
    EXPECT_EQ(dialog->height(), with);
    EXPECT_TRUE(pad->isVisible());
    EXPECT_EQ(pad->geometry().bottom() + 1 + 4, with); // the pad is the bottom-most control
    Click("chkScratchPad");
    EXPECT_EQ(dialog->height(), without);
    EXPECT_FALSE(pad->isVisible());
    Click("chkScratchPad");
    EXPECT_EQ(dialog->height(), with);
}

TEST_F(MainDialogTest, HidingThePadKeepsItsText) {
    Open();
    Click("chkScratchPad");
    auto* pad = Get<QPlainTextEdit>("txtOut");
    pad->setFocus();
    QTest::keyClicks(pad, "note");
    Click("chkScratchPad");
    Click("chkScratchPad");
    EXPECT_EQ(pad->toPlainText(), "note");
}

} // namespace
