// The main dialog as a user works it: typing, the lists, copy and the scratch pad, the chooser and
// the HSV dialog, each checked against the four lines Copy puts on the clipboard or the values.
#include "MainDialogFixture.h"
#include "hsvdialog/frmHSVTintrix.h"
#include "maindialog/modMain.h"
#include "platform/QtColor.h"

namespace {

const QStringList kStartLines = {
    "Base color name: -",
    "Base color     : &H8BD9FE #FED98B RGB(254, 217, 139) HSV( 41, 0.4528, 0.9961) Grey: 219",
    "Dimmed color   : &HCAEEFF #FFEECA RGB(255, 238, 202) HSV( 41, 0.2078, 1.0000) Grey: 239",
    "Contrast color : &HFF5100 #0051FF RGB(  0,  81, 255) HSV(221, 1.0000, 1.0000) Grey:  77"};

TEST_F(MainDialogTest, TypingSetsTheBaseColourAndDimItTheDerivedOnes) {
    Open();
    EXPECT_EQ(Text("txtBaseColorRGB") + Text("txtBaseColorHSV") + Text("txtDimFactor") + Text("txtMask"),
              "&H8BD9FE #FED98B RGB(254, 217, 139)HSV( 41, 0.4528, 0.9961)0.2&HFFFFFF");
    EXPECT_EQ(Text("txtBaseColorValue"), kStartLines[1].mid(17).replace("Grey: 219", "G(219)"));
    QStringList samples; // the backgrounds of lblCol(0), (2), (3) and (4), then the text of (4)
    for (int i : {0, 2, 3, 4}) {
        samples << Get(QString("lblCol(%1)").arg(i))->palette().color(QPalette::Window).name();
    }
    samples << Get("lblCol(4)")->palette().color(QPalette::WindowText).name();
    EXPECT_EQ(samples.join(' '), "#fed98b #ffeeca #0051ff #fed98b #ffeeca");
    EXPECT_EQ(std::tuple(Get<QLabel>("lblCol(2)")->text(), Get<QLabel>("lblCol(0)")->frameShape()),
              std::tuple("\nThis is a test", QFrame::Box)); // a sample's text; the swatch framed
    Click("cmdCopy");
    EXPECT_EQ(Copied(), kStartLines);
    // clang-format off
    const std::tuple<const char*, int, int, const char*, OLE_COLOR, const char*> typed[] = {
        {"txtBaseColorRGB", 2, 6, "00FF00", 0x00FF00, "HSV(120, 1.0000, 1.0000)"},
        {"txtBaseColorRGB", 10, 6, "0000FF", 0xFF0000, "HSV(240, 1.0000, 1.0000)"},
        {"txtBaseColorRGB", 21, 13, "18, 52, 86", 0x563412, "HSV(210, 0.7907, 0.3373)"},
        {"txtBaseColorRGB", 2, 6, "80000005", OleColor::SystemColor(5), "HSV(  0, 0.0000, 1.0000)"},
        {"txtBaseColorHSV", 4, 3, "120", 0xFFFFFF, "HSV(120, 0.0000, 1.0000)"}, // shown back as typed
        {"txtBaseColorRGB", 2, 6, "563412", 0x563412, "HSV(210, 0.7907, 0.3373)"}};
    // clang-format on
    for (const auto& [box, from, length, keys, colour, hsv] : typed) {
        Retype(box, from, length, keys);
        EXPECT_EQ(std::tuple(dialog->BaseColor(), Text("txtBaseColorHSV"), dialog->DimmedColor()),
                  std::tuple(colour, hsv, 0xCAEEFF)); // the derived colours wait for "Dim it"
    }
    Click("cmdDim");
    EXPECT_EQ(std::tuple(dialog->DimmedColor(), dialog->ContrastColor()), std::tuple(0x89531D, 0x0080FF));
    // clang-format off
    for (auto [box, from, length, keys] : {std::tuple("txtBaseColorRGB", 21, 3, "300"), {"txtBaseColorRGB", 24, 1, " "},
             {"txtBaseColorRGB", 2, 6, "1FFFFFF0"}, {"txtBaseColorHSV", 4, 3, "400"}, {"txtBaseColorHSV", 9, 6, "1.5"}}) {
        // clang-format on
        const QString before = Text(box);
        Retype(box, from, length, keys);
        EXPECT_EQ(std::tuple(Text(box), dialog->BaseColor()), std::tuple(before, 0x563412)) << keys;
    }
    EXPECT_EQ(messages.shown, QStringList(3, "warning Tintrix: RGB conversion error") +
                                  QStringList(2, "warning Tintrix: HSV conversion error"));
}

TEST_F(MainDialogTest, TheDimFactorTheMaskAndTheMethodGiveTheDerivedColours) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); // still a point
    Open();
    // clang-format off
    for (auto [typed, shown, dimmed] : {std::tuple("0.7", "0.5", 0xF2FBFF), {"-2", "-0.5", 0x456C7E}, {"abc", "0.0", 0x8BDAFE},
             {"0.123456", "0.12346", 0xB2E7FF}, {".25", "0.25", 0xDAF3FF}, {"-0", "0.0", 0x8BDAFE}, {"0.1.2", "0.1", 0xAAE4FF}}) {
        Get<QLineEdit>("txtDimFactor")->clear();
        Retype("txtDimFactor", 0, 0, typed);
        EXPECT_EQ(std::tuple(Text("txtDimFactor"), dialog->DimmedColor()), std::tuple(QString(shown), dimmed)) << typed;
    }
    // The box takes only what a mask needs, at most eight characters.
    for (auto [typed, shown] : {std::pair("&Hff", "&H0000FF"), {"12", "&H00000C"}, {"ff", "&H000000"}, {"20000000", "&H1312D00"},
                                {"&H12345678", "&H123456"}, {"-.,x&H00F0F0", "&H00F0F0"}}) {
        Get<QLineEdit>("txtMask")->clear();
        Retype("txtMask", 0, 0, typed);
        EXPECT_EQ(Text("txtMask"), shown) << typed;
    }
    const std::pair<const char*, OLE_COLOR> methods[] = {{"XorWithMask", 0x8B290E}, {"AndWithMask", 0x00D0F0},
        {"CopyMask", 0x00F0F0}, {"Negate", 0x742601}, {"BlackAndWhite", 0}, {"ShiftHue", 0xFF5100}};
    // clang-format on
    for (int row = 0; row < 6; ++row) {
        Choose("cboContrastColorMode", (row + 1) % 6);
        EXPECT_EQ(std::tuple(Get<QComboBox>("cboContrastColorMode")->currentText(), dialog->ContrastColor()),
                  std::tuple(QString(methods[row].first), methods[row].second));
    }
    Click("chkITU"); // the grey values follow, the colours stay
    Click("cmdCopy");
    EXPECT_EQ(Copied()[1].right(4) + Copied()[2].right(4) + Copied()[3].right(4), " 220 230  75");
    QLocale::setDefault(QLocale::c());
}

TEST_F(MainDialogTest, BoxesTakeOnlyTheirCharactersAndTheUsualEditingKeys) {
    Open();
    // clang-format off
    for (auto [name, keys, result] : {std::tuple("txtBaseColorRGB", "&H0aF #9 1,2x(R).-g", "&H0aF #9 1,2"),
             {"txtBaseColorHSV", "1, 0.5, .25HSV(1a#&-)", "1, 0.5, .251"}, {"txtDimFactor", "-0,a&H#5", "-05"},
             {"txtMask", "&HfF09-.,xyz1", "&HfF091"}}) {
        // clang-format on
        auto* box = Get<QLineEdit>(name);
        box->clear();
        QTest::keyClicks(box, keys);
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_Eacute, QStringLiteral("\u00e9"), Qt::NoModifier);
        EXPECT_EQ(box->text(), result) << name;
    }
    QGuiApplication::clipboard()->setText("123");
    auto* box = Get<QLineEdit>("txtMask");
    box->setText("&HFFFFFF");
    for (const QKeyCombination keys :
         {Qt::CTRL | Qt::Key_V, Qt::SHIFT | Qt::Key_Insert, Qt::CTRL | Qt::Key_X}) {
        box->selectAll();
        QTest::keyClick(box, keys.key(), keys.keyboardModifiers());
    }
    for (Qt::Key key : {Qt::Key_Home, Qt::Key_Right, Qt::Key_Right, Qt::Key_Delete, Qt::Key_End,
                        Qt::Key_Backspace, Qt::Key_Left, Qt::Key_0, Qt::Key_Escape}) {
        QTest::keyClick(box, key);
    }
    EXPECT_EQ(box->text(), "&HFFF0F");
    EXPECT_TRUE(dialog->isVisible()); // Escape does not close it
}

TEST_F(MainDialogTest, TheListsOfferEveryNamedColourAndShowItsEquals) {
    Open(kStartColor,
         "; my palette\r\nFirst &H563412\r\nSecond &H563412\r\n\r\nThird &H563412\r\nOther &H010203\r\n", "");
    auto* list = Get<QComboBox>("cboSelect");
    ASSERT_EQ(list->count(), 29 + 11 + 136 + 4);
    EXPECT_EQ(list->itemText(0) + list->itemText(29) + list->itemText(40) + list->itemText(176) +
                  list->itemText(179),
              "SYS_3DDKShadow (15)BASE_BlackHTMLB_BlackUSER_FirstUSER_Other");
    // Each entry's RGB as the list was filled; a flat list: no entry has children, no data lies outside it.
    EXPECT_EQ(std::tuple(list->itemData(179).toInt(),
                         list->itemData(list->findText("SYS_3DFace (0F)")).toInt(),
                         list->itemData(list->findText("SYS_ButtonFace (0F)")).toInt(),
                         list->model()->rowCount(list->model()->index(0, 0)), list->itemData(-1).isValid()),
              std::tuple(0x010203, 0xC8D0D4, 0xC8D0D4, 0, false));
    Choose("cboSelect", 177); // the second of three equal entries stays chosen
    EXPECT_EQ(std::tuple(dialog->BaseColorName(), EquivalentNames(), Get<QLabel>("lblSelect")->text(),
                         dialog->DimmedColor()),
              std::tuple("USER_Second", QStringList({"USER_First", "USER_Second", "USER_Third"}),
                         "&H563412 #123456 RGB( 18,  52,  86) HSV(210, 0.7907, 0.3373)", 0x89531D));
    auto* equivalents = Get<QListWidget>("lstEquivalent");
    QTest::mouseClick(equivalents->viewport(), Qt::LeftButton, {},
                      equivalents->visualItemRect(equivalents->item(2)).center());
    EXPECT_EQ(std::tuple(list->currentText(), QApplication::focusWidget()),
              std::tuple(QString("USER_Third"), (QWidget*)list));
    Retype("txtBaseColorRGB", 2, 6, "00FF00");
    Click("cmdCopy");
    EXPECT_EQ(std::tuple(EquivalentNames(), Copied()[0]),
              std::tuple(QStringList({"BASE_Green", "HTMLB_Lime"}), QString("Base color name: BASE_Green")));
    Choose("cboSelect", 0);
    Click("cmdCopy");
    EXPECT_EQ(Copied()[0], "Base color name: SYS_3DDKShadow (&H80000015)");
    QTest::keyClick(list, Qt::Key_End);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(dialog->BaseColorName(), "USER_Third");
    Retype("txtBaseColorRGB", 2, 6, "80000005"); // a system colour matches no entry
    EXPECT_EQ(std::tuple(EquivalentNames(), list->currentIndex(),
                         dialog->BaseColorName() + Get<QLabel>("lblSelect")->text()),
              std::tuple(QStringList(), -1, ""));
    dialog->hide(); // shown again it starts afresh; a void user file adds nothing
    QFile file(folder.filePath("UserDefinedColors.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("Good &H010203\r\nBad &H0102\r\n") > 0);
    file.close();
    QWidget owner; // given on showing, it owns the dialog
    dialog->ShowDialog(0x00FF00, false, file.fileName(), "MINE_", &owner);
    EXPECT_EQ(std::tuple(list->count(), dialog->parentWidget()), std::tuple(29 + 11 + 136, &owner));
    dialog.reset(); // before the owner, as a caller holding the dialog does
}

TEST_F(MainDialogTest, TheScratchPadCollectsEachCopyUntilDoubleClicked) {
    Open(0x0000FF);
    auto* pad = Get<QPlainTextEdit>("txtOut");
    const int without = dialog->height();
    Click("chkScratchPad");
    EXPECT_EQ(std::tuple(pad->isVisible(), dialog->height()), std::tuple(true, without + pad->height() + 5));
    Click("cmdCopy");
    clipboard.available = false; // another program holds the clipboard: the pad still gets it
    Retype("txtBaseColorRGB", 2, 6, "070707");
    Click("cmdCopy");
    const QString derived = // both times
        "Dimmed color   : &H6060FF #FF6060 RGB(255,  96,  96) HSV(  0, 0.6235, 1.0000) Grey: 144\n"
        "Contrast color : &HFFFF00 #00FFFF RGB(  0, 255, 255) HSV(180, 1.0000, 1.0000) Grey: 179\n";
    // clang-format off
    EXPECT_EQ(pad->toPlainText(),
              "Base color name: BASE_Red\nBase color     : &H0000FF #FF0000 RGB(255,   0,   0) HSV(  0, 1.0000, 1.0000) Grey:  76\n" + derived +
              "Base color name: -\nBase color     : &H070707 #070707 RGB(  7,   7,   7) HSV(  0, 0.0000, 0.0275) Grey:   7\n" + derived);
    // clang-format on
    EXPECT_EQ(clipboard.texts.size(), 1);
    Get("txtContrastColorValue")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::mouseDClick(pad->viewport(), Qt::LeftButton);
    QTest::keyClicks(QApplication::focusWidget(), "note");
    Click("chkScratchPad");
    EXPECT_EQ(dialog->height(), without);
    Click("chkScratchPad");
    EXPECT_EQ(pad->toPlainText(), "note"); // emptied by the double click, kept while hidden
}

TEST_F(MainDialogTest, KeysReachTheControlsInTheirOrder) {
    metrics.twipsPerPixelX = metrics.twipsPerPixelY = 8.0; // 180 DPI
    Open();
    // 6996 / 8 = 874.5 and 1860 / 8 = 232.5 go down to the even pixel, 60 / 8 = 7.5 up; the client
    // area is 9012 / 8 = 1126.5 by 5304 / 8 = 663 less the pad (1476 / 8 = 184.5) and its 5-pixel gap.
    EXPECT_EQ(std::tuple(Get("lblCol(4)")->geometry(), Get("cboSelect")->pos(), dialog->size(),
                         dialog->maximumSize()),
              std::tuple(QRect(874, 232, 216, 32), QPoint(8, 8), QSize(1126, 474), QSize(1126, 474)));
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
    Get<QLineEdit>("txtDimFactor")->setText("0.7");
    Get<QLineEdit>("txtBaseColorRGB")->setText("&H0000FF #FED98B RGB(254, 217, 139)");
    // clang-format off
    for (auto [button, key] : {std::pair("cmdDim", Qt::Key_D), {"cmdCopy", Qt::Key_C}, {"cmdSetFromRGB", Qt::Key_R},
             {"cmdSetFromHSB", Qt::Key_H}, {"chkPick", Qt::Key_I}}) {
        // clang-format on
        QSignalSpy clicked(Get<QAbstractButton>(button), &QAbstractButton::clicked);
        QTest::keyClick(dialog.get(), key, Qt::AltModifier);
        EXPECT_TRUE(clicked.count() == 1 || clicked.wait()) << button;
    }
    EXPECT_EQ(std::tuple(Text("txtDimFactor"), clipboard.texts.size(), dialog->BaseColor()),
              std::tuple("0.5", 1, 0x0000FF));
}

TEST_F(MainDialogTest, TheChooserOpensAtTheBaseColourAndKeepsItsCustomColours) {
    Open(OleColor::SystemColor(15));
    Get("cmdSelect")->setFocus();
    QColor custom;
    DuringModalRun<QColorDialog>(dialog.get(), [&](QColorDialog& chooser) {
        EXPECT_EQ(std::tuple(chooser.parentWidget(), chooser.currentColor(), QColorDialog::customColor(0),
                             QColorDialog::customColor(15), Get("txtBaseColorRGB")->isEnabled()),
                  std::tuple((QWidget*)dialog.get(), QColor(212, 208, 200), QColor(212, 208, 200),
                             QColor(212, 208, 200), false));
        QColorDialog::setCustomColor(3, QColor(1, 2, 3));
        chooser.setCurrentColor(QColor(10, 20, 30));
        QTest::keyClick(chooser.windowHandle(), Qt::Key_Escape);
    });
    Click("cmdSelect");
    EXPECT_EQ(std::tuple(dialog->BaseColor(), Get("txtBaseColorRGB")->isEnabled(), dialog->focusWidget()),
              std::tuple(OleColor::SystemColor(15), true, Get("cmdSelect")));
    DuringModalRun<QColorDialog>(dialog.get(), [&](QColorDialog& chooser) {
        custom = QColorDialog::customColor(3);
        chooser.setCurrentColor(QColor(10, 20, 30));
        QTest::keyClick(chooser.windowHandle(), Qt::Key_Return);
    });
    Click("cmdSelect");
    EXPECT_EQ(std::tuple(custom, dialog->BaseColor(), dialog->DimmedColor()),
              std::tuple(QColor(1, 2, 3), 0x1E140A, 0x51361B));
    Choose("cboSelect", QString("HTMLB_Aqua")); // equal to the earlier BASE_Cyan
    DuringModalRun<QColorDialog>(
        dialog.get(), [](QColorDialog& chooser) { QTest::keyClick(chooser.windowHandle(), Qt::Key_Return); });
    Click("cmdSelect"); // the base colour itself: nothing is set again
    EXPECT_EQ(dialog->BaseColorName(), "HTMLB_Aqua");
}

TEST_F(MainDialogTest, TheHSVDialogSetsTheColourLiveOrOnItsEndingAndACancelRestoresIt) {
    Open(OleColor::SystemColor(15));
    dialog->move(100, 80);
    Get("cmdSelectSpecial")->setFocus();
    // Its green preset.
    const auto green = [](frmHSVTintrix& hsv) { QTest::keyClick(hsv.windowHandle(), 'g'); };
    DuringModalRun<frmHSVTintrix>(dialog.get(), [&](frmHSVTintrix& hsv) {
        EXPECT_EQ(std::tuple(hsv.parentWidget(), hsv.windowTitle(), hsv.frameGeometry().topLeft(),
                             dialog->BaseColor(), Get("txtBaseColorRGB")->isEnabled()),
                  std::tuple((QWidget*)dialog.get(), "Select HSV color",
                             dialog->frameGeometry().topRight() + QPoint(1, 0), OleColor::SystemColor(15),
                             false)); // opening reports nothing
        green(hsv);
        EXPECT_EQ(std::tuple(Text("txtBaseColorRGB"), dialog->DimmedColor()),
                  std::tuple(QString("&H00FF00 #00FF00 RGB(  0, 255,   0)"), 0x60FF60)); // live
        QTest::keyClick(hsv.windowHandle(), Qt::Key_Escape);
    });
    QTest::keyClick(Get("cmdSelectSpecial"), Qt::Key_Space);
    EXPECT_EQ(std::tuple(dialog->BaseColor(), Text("txtBaseColorRGB"), dialog->focusWidget()),
              std::tuple(OleColor::SystemColor(15), "&HC8D0D4 #D4D0C8 RGB(212, 208, 200)",
                         Get("cmdSelectSpecial")));
    Click("chkHSVImmediate"); // now only an ending with Enter or a double click on the swatch sets it
    // clang-format off
    const std::function<void(frmHSVTintrix&)> endings[] = {
        [](frmHSVTintrix& hsv) { QTest::keyClick(hsv.windowHandle(), Qt::Key_Return); },
        [&](frmHSVTintrix& hsv) { green(hsv), hsv.close(); },
        [&](frmHSVTintrix& hsv) { green(hsv), QTest::mouseDClick(hsv.findChild<QWidget*>("lblSelectColor"), Qt::LeftButton); }};
    // clang-format on
    for (OLE_COLOR expected : {0xC8D0D4, 0xC8D0D4, 0x00FF00}) { // the plain RGB of the button face first
        DuringModalRun<frmHSVTintrix>(dialog.get(),
                                      endings[expected == 0x00FF00 ? 2 : dialog->BaseColor() == 0xC8D0D4]);
        Click("cmdSelectSpecial");
        EXPECT_EQ(dialog->BaseColor(), expected);
    }
    EXPECT_EQ(dialog->ContrastColor(), 0xFF00FF);
}

TEST(modMain, FindsTheUserColorsFileBesideTheProgramOrInTheConfigFolder) {
    QTemporaryDir program;
    const QString beside = program.filePath("UserDefinedColors.txt");
    const auto writable = [](bool answer) { return [answer](const QString&) { return answer; }; };
    EXPECT_EQ(modMain::UserDefinedColorsFilePath("/"), "/UserDefinedColors.txt");
    EXPECT_EQ(std::tuple(
                  modMain::LocateUserDefinedColorsFile(program.path(), "/cfg", "/home/ann", writable(true)),
                  modMain::LocateUserDefinedColorsFile(program.path(), "/cfg/", "/home/ann", writable(false)),
                  modMain::LocateUserDefinedColorsFile(program.path(), "cfg", "/home/ann", writable(false)),
                  modMain::LocateUserDefinedColorsFile(program.path(), "", "home", writable(false))),
              std::tuple(beside, "/cfg/tintrix/UserDefinedColors.txt",
                         "/home/ann/.config/tintrix/UserDefinedColors.txt", beside));
    QFile(beside).open(QIODevice::WriteOnly);
    EXPECT_EQ(modMain::LocateUserDefinedColorsFile(program.path(), "/cfg", "/home/ann", writable(false)),
              beside);
    EXPECT_EQ(modMain::PrepareUserDefinedColorsFile(program.path()), beside);
}

} // namespace
