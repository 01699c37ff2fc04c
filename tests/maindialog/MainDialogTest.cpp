// The main dialog as a user works it: typing, the lists, copy and the scratch pad, the chooser and
// the HSV dialog, each checked against the four lines Copy puts on the clipboard or the values.
#include "MainDialogFixture.h"
#include "colormodels/SystemColors.h"
#include "hsvdialog/frmHSVTintrix.h"
#include "maindialog/modMain.h"
#include "platform/QtColor.h"

#include <QClipboard>
#include <QColorDialog>

namespace {

const QStringList kStartLines = {
    "Base color name: -",
    "Base color     : &H8BD9FE #FED98B RGB(254, 217, 139) HSV( 41, 0.4528, 0.9961) Grey: 219",
    "Dimmed color   : &HCAEEFF #FFEECA RGB(255, 238, 202) HSV( 41, 0.2078, 1.0000) Grey: 239",
    "Contrast color : &HFF5100 #0051FF RGB(  0,  81, 255) HSV(221, 1.0000, 1.0000) Grey:  77"};

TEST_F(MainDialogTest, OpensAtTheStartColourAndCopiesItsFourLines) {
    Open();
    EXPECT_EQ(dialog->windowTitle(), "Tintrix");
    EXPECT_EQ(Text("txtBaseColorRGB"), "&H8BD9FE #FED98B RGB(254, 217, 139)");
    EXPECT_EQ(Text("txtBaseColorHSV"), "HSV( 41, 0.4528, 0.9961)");
    EXPECT_EQ(Text("txtDimFactor") + " " + Text("txtMask"), "0.2 &HFFFFFF");
    EXPECT_EQ(Text("txtBaseColorValue"), kStartLines[1].mid(17).replace("Grey: 219", "G(219)"));
    EXPECT_EQ(Get<QComboBox>("cboContrastColorMode")->currentText(), "ShiftHue");
    EXPECT_FALSE(Get("txtOut")->isVisible());
    const std::pair<int, OLE_COLOR> samples[] = {
        {0, kStartColor}, {2, 0xCAEEFF}, {3, 0xFF5100}, {4, kStartColor}};
    for (const auto& [i, color] : samples) {
        EXPECT_EQ(Get(QString("lblCol(%1)").arg(i))->palette().color(QPalette::Window),
                  QtColor::ToQColor(color))
            << i;
    }
    EXPECT_EQ(Get("lblCol(4)")->palette().color(QPalette::WindowText), QtColor::ToQColor(0xCAEEFF));
    Click("cmdCopy");
    EXPECT_EQ(Copied(), kStartLines);
    Click("chkITU"); // the grey values follow, the colours stay
    Click("cmdCopy");
    EXPECT_EQ(Copied()[1].right(4) + Copied()[2].right(4) + Copied()[3].right(4), " 220 239  75");
    EXPECT_EQ(Copied()[2].left(40), kStartLines[2].left(40));
    Retype("txtBaseColorRGB", 2, 6, "070707"); // a grey value of 7 keeps the width
    EXPECT_TRUE(Text("txtBaseColorValue").endsWith(" G(  7)"));
    dialog->close();
    EXPECT_FALSE(dialog->Cancelled());
}

TEST_F(MainDialogTest, TypedNotationsSetTheBaseColourAndDimItRecomputesTheRest) {
    Open();
    const struct {
        const char* box;
        int from, length;
        const char* keys;
        OLE_COLOR color;
        const char* hsv;
    } typed[] = {{"txtBaseColorRGB", 2, 6, "00FF00", 0x00FF00, "HSV(120, 1.0000, 1.0000)"},
                 {"txtBaseColorRGB", 10, 6, "0000FF", 0xFF0000, "HSV(240, 1.0000, 1.0000)"},
                 {"txtBaseColorRGB", 21, 13, "18, 52, 86", 0x563412, "HSV(210, 0.7907, 0.3373)"},
                 {"txtBaseColorRGB", 2, 6, "80000005", OleColor::SystemColor(5), "HSV(  0, 0.0000, 1.0000)"},
                 {"txtBaseColorHSV", 4, 3, "120", 0xFFFFFF, "HSV(120, 0.0000, 1.0000)"}}; // shown as typed
    for (const auto& t : typed) {
        Retype(t.box, t.from, t.length, t.keys);
        EXPECT_EQ(dialog->BaseColor(), t.color) << t.keys;
        EXPECT_EQ(Text("txtBaseColorHSV"), t.hsv) << t.keys;
        EXPECT_EQ(dialog->DimmedColor(), 0xCAEEFF) << t.keys; // until "Dim it"
    }
    Retype("txtBaseColorRGB", 2, 6, "563412");
    EXPECT_EQ(EquivalentNames(), QStringList());
    Click("cmdDim");
    EXPECT_EQ(dialog->DimmedColor(), 0x89531D);
    EXPECT_EQ(dialog->ContrastColor(), 0x0080FF);
    const struct {
        const char* box;
        int from, length;
        const char *keys, *message;
    } bad[] = {{"txtBaseColorRGB", 21, 3, "300", "RGB conversion error"},
               {"txtBaseColorRGB", 24, 1, " ", "RGB conversion error"},
               {"txtBaseColorRGB", 2, 6, "1FFFFFF0", "RGB conversion error"},
               {"txtBaseColorHSV", 4, 3, "400", "HSV conversion error"},
               {"txtBaseColorHSV", 9, 6, "1.5", "HSV conversion error"}};
    for (const auto& b : bad) {
        const QString before = Text(b.box);
        Retype(b.box, b.from, b.length, b.keys);
        ASSERT_FALSE(messages.shown.isEmpty());
        EXPECT_EQ(messages.shown.last().icon + " " + messages.shown.last().caption + " " +
                      messages.shown.last().text,
                  QString("warning Tintrix ") + b.message);
        EXPECT_EQ(Text(b.box), before);
        EXPECT_EQ(dialog->BaseColor(), 0x563412);
    }
}

TEST_F(MainDialogTest, TheDimFactorTheMaskAndTheMethodGiveTheDerivedColours) {
    Open();
    const struct {
        const char *typed, *shown;
        OLE_COLOR dimmed;
    } factors[] = {{"0.7", "0.5", 0xF2FBFF},          {"-2", "-0.5", 0x456C7E},  {"abc", "0.0", 0x8BDAFE},
                   {"0.123456", "0.12346", 0xB2E7FF}, {".25", "0.25", 0xDAF3FF}, {"-0", "0.0", 0x8BDAFE},
                   {"0.1.2", "0.1", 0xAAE4FF}};
    for (const auto& f : factors) {
        TypeOver("txtDimFactor", f.typed);
        EXPECT_EQ(Text("txtDimFactor"), f.shown) << f.typed;
        EXPECT_EQ(dialog->DimmedColor(), f.dimmed) << f.typed;
    }
    const std::pair<const char*, const char*> masks[] = {
        {"&Hff", "&H0000FF"},
        {"12", "&H00000C"},
        {"ff", "&H000000"},
        {"20000000", "&H1312D00"},
        {"&H12345678", "&H123456"},
        {"-.,x&H00F0F0", "&H00F0F0"}}; // the box takes only what a mask needs, at most eight characters
    for (const auto& [typed, shown] : masks) {
        TypeOver("txtMask", typed);
        EXPECT_EQ(Text("txtMask"), shown) << typed;
    }
    const std::pair<const char*, OLE_COLOR> methods[] = {{"XorWithMask", 0x8B290E}, {"AndWithMask", 0x00D0F0},
                                                         {"CopyMask", 0x00F0F0},    {"Negate", 0x742601},
                                                         {"BlackAndWhite", 0},      {"ShiftHue", 0xFF5100}};
    for (int row = 0; row < 6; ++row) {
        Choose("cboContrastColorMode", (row + 1) % 6);
        EXPECT_EQ(Get<QComboBox>("cboContrastColorMode")->currentText(), methods[row].first);
        EXPECT_EQ(dialog->ContrastColor(), methods[row].second) << methods[row].first;
    }
    EXPECT_EQ(dialog->BaseColor(), kStartColor);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TypeOver("txtDimFactor", "0.25");
    EXPECT_EQ(Text("txtDimFactor"), "0.25");
    QLocale::setDefault(QLocale::c());
}

TEST_F(MainDialogTest, BoxesTakeOnlyTheirCharactersAndPlainEditingKeys) {
    Open();
    const std::tuple<const char*, const char*, const char*> typing[] = {
        {"txtBaseColorRGB", "&H0aF #9 1,2x(R).-g", "&H0aF #9 1,2"},
        {"txtBaseColorHSV", "1, 0.5, .25HSV(1a#&-)", "1, 0.5, .251"},
        {"txtDimFactor", "-0,a&H#5", "-05"},
        {"txtMask", "&HfF09-.,xyz1", "&HfF091"}};
    for (const auto& [name, keys, result] : typing) {
        QLineEdit* box = Box(name);
        box->clear();
        QTest::keyClicks(box, keys);
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_Eacute, QStringLiteral("\u00e9"), Qt::NoModifier);
        EXPECT_EQ(box->text(), result) << name;
    }
    QGuiApplication::clipboard()->setText("123");
    QLineEdit* box = Box("txtMask");
    box->setText("&HFFFFFF");
    for (const QKeyCombination keys :
         {Qt::CTRL | Qt::Key_V, Qt::SHIFT | Qt::Key_Insert, Qt::CTRL | Qt::Key_X, Qt::CTRL | Qt::Key_Z}) {
        box->selectAll();
        QTest::keyClick(box, keys.key(), keys.keyboardModifiers());
    }
    for (Qt::Key key : {Qt::Key_Home, Qt::Key_Right, Qt::Key_Right, Qt::Key_Delete, Qt::Key_End,
                        Qt::Key_Backspace, Qt::Key_Left}) {
        QTest::keyClick(box, key);
    }
    QTest::keyClicks(box, "0");
    EXPECT_EQ(box->text(), "&HFFF0F");
    QTest::keyClick(box, Qt::Key_Escape); // does not close the dialog
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(MainDialogTest, TheListsOfferEveryNamedColourAndShowItsEquals) {
    Open(kStartColor,
         "; my palette\r\nFirst &H563412\r\nSecond &H563412\r\n\r\nThird &H563412\r\nOther &H010203\r\n", "");
    auto* list = Get<QComboBox>("cboSelect");
    ASSERT_EQ(list->count(), 29 + 11 + 136 + 4);
    EXPECT_EQ(list->itemText(0) + list->itemText(29) + list->itemText(40) + list->itemText(176) +
                  list->itemText(179),
              "SYS_3DDKShadow (15)BASE_BlackHTMLB_BlackUSER_FirstUSER_Other");
    EXPECT_EQ(list->itemData(179).toInt(), 0x010203);
    const int face = RowOf("cboSelect", "SYS_3DFace (0F)");
    EXPECT_EQ(list->itemData(face).toInt(), OleColor::Rgb(212, 208, 200)); // its RGB when the list was filled
    EXPECT_EQ(list->itemData(RowOf("cboSelect", "SYS_ButtonFace (0F)")), list->itemData(face));
    Choose("cboSelect", 177); // the second of three equal entries stays chosen
    EXPECT_EQ(dialog->BaseColorName(), "USER_Second");
    EXPECT_EQ(EquivalentNames(), QStringList({"USER_First", "USER_Second", "USER_Third"}));
    EXPECT_EQ(Get<QLabel>("lblSelect")->text(),
              "&H563412 #123456 RGB( 18,  52,  86) HSV(210, 0.7907, 0.3373)");
    EXPECT_EQ(dialog->DimmedColor(), 0x89531D); // the whole update ran
    auto* equivalents = Get<QListWidget>("lstEquivalent");
    QTest::mouseClick(equivalents->viewport(), Qt::LeftButton, {},
                      equivalents->visualItemRect(equivalents->item(2)).center());
    EXPECT_EQ(list->currentText(), "USER_Third");
    EXPECT_EQ(QApplication::focusWidget(), list);
    Retype("txtBaseColorRGB", 2, 6, "00FF00");
    EXPECT_EQ(EquivalentNames(), QStringList({"BASE_Green", "HTMLB_Lime"}));
    EXPECT_EQ(dialog->BaseColorName(), "BASE_Green");
    Click("cmdCopy");
    EXPECT_EQ(Copied()[0], "Base color name: BASE_Green");
    Choose("cboSelect", face);
    EXPECT_EQ(dialog->BaseColor(), OleColor::Rgb(212, 208, 200));
    Click("cmdCopy");
    EXPECT_EQ(Copied()[0], "Base color name: SYS_3DFace (&H8000000F)");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_End);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(dialog->BaseColorName(), "USER_Third");
    Retype("txtBaseColorRGB", 2, 6, "80000005"); // a system colour matches no entry
    EXPECT_EQ(EquivalentNames(), QStringList());
    EXPECT_EQ(list->currentIndex(), -1);
    EXPECT_EQ(dialog->BaseColorName() + Get<QLabel>("lblSelect")->text(), "");
    dialog->hide(); // showing the dialog again starts afresh, with a void user file
    QFile file(folder.filePath("UserDefinedColors.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Good &H010203\r\nBad &H0102\r\n");
    file.close();
    dialog->ShowDialog(0x00FF00, false, file.fileName(), "MINE_", nullptr);
    EXPECT_EQ(list->count(), 29 + 11 + 136);
    EXPECT_EQ(Text("txtDimFactor"), "0.2");
}

TEST_F(MainDialogTest, TheScratchPadCollectsEachCopyUntilDoubleClicked) {
    Open(0x0000FF);
    auto* pad = Get<QPlainTextEdit>("txtOut");
    const int without = dialog->height();
    Click("chkScratchPad");
    EXPECT_TRUE(pad->isVisible());
    EXPECT_EQ(dialog->height(), without + pad->height() + 5);
    Click("cmdCopy");
    clipboard.available = false; // another program holds the clipboard: the pad still gets it
    Retype("txtBaseColorRGB", 2, 6, "070707");
    Click("cmdCopy");
    EXPECT_EQ(
        pad->toPlainText(),
        QStringList(
            {"Base color name: BASE_Red",
             "Base color     : &H0000FF #FF0000 RGB(255,   0,   0) HSV(  0, 1.0000, 1.0000) Grey:  76",
             "Dimmed color   : &H6060FF #FF6060 RGB(255,  96,  96) HSV(  0, 0.6235, 1.0000) Grey: 144",
             "Contrast color : &HFFFF00 #00FFFF RGB(  0, 255, 255) HSV(180, 1.0000, 1.0000) Grey: 179",
             "Base color name: -",
             "Base color     : &H070707 #070707 RGB(  7,   7,   7) HSV(  0, 0.0000, 0.0275) Grey:   7",
             "Dimmed color   : &H6060FF #FF6060 RGB(255,  96,  96) HSV(  0, 0.6235, 1.0000) Grey: 144",
             "Contrast color : &HFFFF00 #00FFFF RGB(  0, 255, 255) HSV(180, 1.0000, 1.0000) Grey: 179", ""})
            .join('\n'));
    EXPECT_EQ(clipboard.texts.size(), 1);
    Get("txtContrastColorValue")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), pad);
    QTest::mouseDClick(pad->viewport(), Qt::LeftButton);
    EXPECT_EQ(pad->toPlainText(), "");
    QTest::keyClicks(pad, "note");
    Click("chkScratchPad");
    EXPECT_EQ(dialog->height(), without);
    Click("chkScratchPad");
    EXPECT_EQ(pad->toPlainText(), "note");
}

TEST_F(MainDialogTest, KeysReachTheControlsInTheirOrder) {
    metrics.twipsPerPixelX = metrics.twipsPerPixelY = 8.0; // 180 DPI
    Open();
    // 6996 / 8 = 874.5 and 1860 / 8 = 232.5 go down to the even pixel, 60 / 8 = 7.5 goes up.
    EXPECT_EQ(Get("lblCol(4)")->geometry(), QRect(874, 232, 216, 32));
    EXPECT_EQ(Get("cboSelect")->pos(), QPoint(8, 8));
    // 9012 / 8 = 1126.5; 5304 / 8 = 663 less the pad (1476 / 8 = 184.5) and its 5-pixel gap.
    EXPECT_EQ(dialog->size(), QSize(1126, 474));
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    Get("cboSelect")->setFocus();
    QStringList visited;
    for (int i = 0; i < 20; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited.join(' '),
              "cmdSelect cmdSelectSpecial cmdCopy chkPick cmdSetFromRGB txtBaseColorRGB cmdSetFromHSB "
              "txtBaseColorHSV cmdDim txtDimFactor chkITU chkHSVImmediate txtDimmedColorValue "
              "txtContrastColorValue txtBaseColorValue lstEquivalent cboContrastColorMode txtMask "
              "chkScratchPad cboSelect");
    const auto press = [this](const char* button, Qt::Key key) {
        QSignalSpy clicked(Get<QAbstractButton>(button), &QAbstractButton::clicked);
        QTest::keyClick(dialog.get(), key, Qt::AltModifier);
        EXPECT_TRUE(clicked.count() == 1 || clicked.wait()) << button;
    };
    Box("txtDimFactor")->setText("0.7");
    press("cmdDim", Qt::Key_D);
    EXPECT_EQ(Text("txtDimFactor"), "0.5");
    press("cmdCopy", Qt::Key_C);
    EXPECT_EQ(clipboard.texts.size(), 1);
    Box("txtBaseColorRGB")->setText("&H0000FF #FED98B RGB(254, 217, 139)");
    press("cmdSetFromRGB", Qt::Key_R);
    EXPECT_EQ(dialog->BaseColor(), 0x0000FF);
    Box("txtBaseColorHSV")->setText("HSV(120, 1.0000, 1.0000)");
    press("cmdSetFromHSB", Qt::Key_H);
    EXPECT_EQ(dialog->BaseColor(), 0x00FF00);
    press("chkPick", Qt::Key_I);
    EXPECT_TRUE(Get<QAbstractButton>("chkPick")->isChecked());
}

TEST_F(MainDialogTest, TheChooserOpensAtTheBaseColourAndKeepsItsCustomColours) {
    Open(OleColor::SystemColor(15));
    auto* button = Get<QPushButton>("cmdSelect");
    button->setFocus();
    QColor custom;
    DuringModalRun<QColorDialog>(dialog.get(), [&](QColorDialog& chooser) {
        EXPECT_EQ(chooser.parentWidget(), dialog.get());
        EXPECT_EQ(chooser.currentColor(), QColor(212, 208, 200));
        EXPECT_EQ(QColorDialog::customColor(0), QColor(212, 208, 200)); // the button face in every slot
        EXPECT_EQ(QColorDialog::customColor(15), QColor(212, 208, 200));
        EXPECT_FALSE(Get("txtBaseColorRGB")->isEnabled());
        QColorDialog::setCustomColor(3, QColor(1, 2, 3));
        chooser.setCurrentColor(QColor(10, 20, 30));
        PressKey(chooser, Qt::Key_Escape);
    });
    Click("cmdSelect");
    EXPECT_EQ(dialog->BaseColor(), OleColor::SystemColor(15));
    EXPECT_TRUE(Get("txtBaseColorRGB")->isEnabled());
    EXPECT_EQ(dialog->focusWidget(), button);
    DuringModalRun<QColorDialog>(dialog.get(), [&](QColorDialog& chooser) {
        custom = QColorDialog::customColor(3);
        chooser.setCurrentColor(QColor(10, 20, 30));
        PressKey(chooser, Qt::Key_Return);
    });
    Click("cmdSelect");
    EXPECT_EQ(custom, QColor(1, 2, 3));
    EXPECT_EQ(dialog->BaseColor(), 0x1E140A);
    EXPECT_EQ(dialog->DimmedColor(), 0x51361B);
    Choose("cboSelect", RowOf("cboSelect", "HTMLB_Aqua")); // equal to the earlier BASE_Cyan
    DuringModalRun<QColorDialog>(dialog.get(),
                                 [](QColorDialog& chooser) { PressKey(chooser, Qt::Key_Return); });
    Click("cmdSelect"); // the base colour itself: nothing is set again
    EXPECT_EQ(dialog->BaseColorName(), "HTMLB_Aqua");
}

// The HSV dialog's key for its green preset.
void Green(frmHSVTintrix& hsv) {
    QTest::keyClick(hsv.windowHandle(), 'g');
}

TEST_F(MainDialogTest, TheHSVDialogSetsTheColourLiveOrOnItsEndingAndACancelRestoresIt) {
    Open(OleColor::SystemColor(15));
    dialog->move(100, 80);
    auto* button = Get<QPushButton>("cmdSelectSpecial");
    button->setFocus();
    DuringModalRun<frmHSVTintrix>(dialog.get(), [&](frmHSVTintrix& hsv) {
        EXPECT_EQ(hsv.parentWidget(), dialog.get());
        EXPECT_EQ(hsv.windowTitle(), "Select HSV color");
        EXPECT_EQ(hsv.frameGeometry().topLeft(),
                  QPoint(dialog->frameGeometry().right() + 1, dialog->frameGeometry().top()));
        EXPECT_EQ(dialog->BaseColor(), OleColor::SystemColor(15)); // opening reports nothing
        EXPECT_FALSE(Get("txtBaseColorRGB")->isEnabled());
        Green(hsv);
        EXPECT_EQ(Text("txtBaseColorRGB"), "&H00FF00 #00FF00 RGB(  0, 255,   0)"); // live
        EXPECT_EQ(dialog->DimmedColor(), 0x60FF60);
        PressKey(hsv, Qt::Key_Escape);
    });
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(dialog->BaseColor(), OleColor::SystemColor(15)); // exactly as before
    EXPECT_EQ(Text("txtBaseColorRGB"), "&HC8D0D4 #D4D0C8 RGB(212, 208, 200)");
    EXPECT_TRUE(Get("txtBaseColorRGB")->isEnabled());
    EXPECT_EQ(dialog->focusWidget(), button);
    Click("chkHSVImmediate"); // now only an ending with Enter or a double click sets it
    DuringModalRun<frmHSVTintrix>(dialog.get(), [&](frmHSVTintrix& hsv) { PressKey(hsv, Qt::Key_Return); });
    Click("cmdSelectSpecial");
    EXPECT_EQ(dialog->BaseColor(), OleColor::Rgb(212, 208, 200)); // its plain RGB
    DuringModalRun<frmHSVTintrix>(dialog.get(), [&](frmHSVTintrix& hsv) {
        Green(hsv);
        EXPECT_EQ(dialog->BaseColor(), OleColor::Rgb(212, 208, 200));
        hsv.close();
    });
    Click("cmdSelectSpecial");
    EXPECT_EQ(dialog->BaseColor(), OleColor::Rgb(212, 208, 200));
    DuringModalRun<frmHSVTintrix>(dialog.get(), [&](frmHSVTintrix& hsv) {
        Green(hsv);
        QTest::mouseDClick(hsv.findChild<QLabel*>("lblSelectColor"), Qt::LeftButton);
    });
    Click("cmdSelectSpecial");
    EXPECT_EQ(dialog->BaseColor(), 0x00FF00);
    EXPECT_EQ(dialog->ContrastColor(), 0xFF00FF);
}

TEST(modMain, FindsTheUserColorsFileBesideTheProgramOrInTheConfigFolder) {
    QTemporaryDir program;
    const QString beside = program.filePath("UserDefinedColors.txt");
    const auto writable = [](const QString&) { return true; };
    const auto readOnly = [](const QString&) { return false; };
    EXPECT_EQ(modMain::UserDefinedColorsFilePath("/"), "/UserDefinedColors.txt");
    EXPECT_EQ(modMain::LocateUserDefinedColorsFile(program.path(), "/cfg", "/home/ann", writable), beside);
    EXPECT_EQ(modMain::LocateUserDefinedColorsFile(program.path(), "/cfg/", "/home/ann", readOnly),
              "/cfg/tintrix/UserDefinedColors.txt");
    EXPECT_EQ(modMain::LocateUserDefinedColorsFile(program.path(), "cfg", "/home/ann", readOnly),
              "/home/ann/.config/tintrix/UserDefinedColors.txt");
    EXPECT_EQ(modMain::LocateUserDefinedColorsFile(program.path(), "", "home", readOnly), beside);
    QFile(beside).open(QIODevice::WriteOnly);
    EXPECT_EQ(modMain::LocateUserDefinedColorsFile(program.path(), "/cfg", "/home/ann", readOnly), beside);
    EXPECT_EQ(modMain::PrepareUserDefinedColorsFile(program.path()), beside);
}

} // namespace
