#include "frmTintrix.h"

#include "colormodels/SystemColors.h"
#include "common/NumberReader.h"
#include "common/Rounding.h"
#include "contrast/modContrast.h"
#include "contrastdialog/frmContrast.h"
#include "hsvdialog/frmHSVTintrix.h"
#include "maindialog/StillImageWindow.h"
#include "maindialog/modColorDialog.h"
#include "namedcolors/modNamedColors.h"
#include "namedcolors/modTintrix.h"
#include "platform/Clipboard.h"
#include "platform/DesktopScreenshot.h"
#include "platform/MessageBox.h"
#include "platform/PictureBox.h"
#include "platform/PlainToolTips.h"
#include "platform/QtColor.h"
#include "platform/Screen.h"
#include "platform/ScreenMetrics.h"
#include "platform/StillImageScreen.h"
#include "platform/TextFit.h"
#include "platform/WindowFrame.h"
#include "zoom/CZoom.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QFile>
#include <QGuiApplication>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTextCursor>
#include <QTimer>
#include <QValidator>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string_view>

namespace {

// ----- The layout as designed, in twips, in tab order -------------------------------------------

enum class Kind {
    DropDownList,
    Button,
    ToggleButton,
    CheckBox,
    TextBox,
    OutputBox,
    ScratchPad,
    Label,
    Picture,
    ListBox
};
enum class Font { Dialog, Trebuchet9, Trebuchet78Bold, Trebuchet78, Mono78Bold };
enum Flags : unsigned { None = 0, Border = 1, Centred = 2, Checked = 4, Hidden = 8 };

constexpr OLE_COLOR kDefault = -1; // the style's own colour
constexpr OLE_COLOR kDarkBlue = 0x00C00000;
constexpr OLE_COLOR kGrey = 0x00808080;
constexpr OLE_COLOR kLightOrange = 0x00C0E0FF;
constexpr OLE_COLOR kWindowBackground = OleColor::SystemColor(5);
constexpr OLE_COLOR kWindowText = OleColor::SystemColor(8);
constexpr OLE_COLOR kButtonFace = OleColor::SystemColor(15);

struct ControlRow {
    const char* name;
    Kind kind;
    int left, top, width, height;
    const char* caption;
    Font font;
    OLE_COLOR fore, back;
    unsigned flags;
    const char* toolTip;
};

// The dialog's controls, in the order the Tab key visits them.
// clang-format off
constexpr ControlRow kControls[] = {
    {"cboSelect", Kind::DropDownList, 60, 60, 3072, 336, "", Font::Trebuchet9, kDarkBlue, kDefault, None,
     "Select a predefined base color"},
    {"cmdSelect", Kind::Button, 3660, 2160, 1200, 312, "RGB selector", Font::Trebuchet78Bold, kDefault, kDefault, None,
     "Select a base color using the systems color dialog"},
    {"cmdSelectSpecial", Kind::Button, 2400, 2160, 1200, 312, "HSV selector", Font::Trebuchet78Bold, kDefault, kDefault, None,
     "Select a base color using the HSV Tintrix dialog"},
    {"cmdCopy", Kind::Button, 4920, 2160, 840, 312, "&Copy", Font::Trebuchet78Bold, kDefault, kDefault, None,
     "Copies current base color, dim color and contrast color values to clipboard and to scratch pad (if shown)"},
    {"chkPick", Kind::ToggleButton, 5820, 2160, 840, 312, "P&ick!", Font::Trebuchet78Bold, kDefault, kDefault, None,
     "Starts base color picking from cursor pos. <P> stops, <Esc> cancels. Move cursor by cursor keys, use <Ctl> or <Shift> for speed."},
    {"cmdSetFromRGB", Kind::Button, 2400, 480, 720, 312, "Set &RGB", Font::Trebuchet78Bold, kDefault, kDefault, None,
     "Set base color from RGB value value entered at the right"},
    {"txtBaseColorRGB", Kind::TextBox, 3180, 480, 3468, 288, "", Font::Mono78Bold, kDarkBlue, kDefault, None,
     "Enter base color value in RGB notation. The first found altered value is taken."},
    {"cmdSetFromHSB", Kind::Button, 2400, 840, 720, 312, "Set &HSV", Font::Trebuchet78Bold, kDefault, kDefault, None,
     "Set base color from HSV value entered at the right"},
    {"txtBaseColorHSV", Kind::TextBox, 3180, 840, 3468, 288, "", Font::Mono78Bold, kDarkBlue, kDefault, None,
     "Enter base color value in HSV notation"},
    {"cmdDim", Kind::Button, 2400, 1200, 720, 312, "&Dim it", Font::Trebuchet78Bold, kDefault, kDefault, None,
     "Set dimmed and contrast color"},
    {"txtDimFactor", Kind::TextBox, 3180, 1200, 600, 288, "", Font::Mono78Bold, kDarkBlue, kDefault, None,
     "Enter a dim factor (-0.5 .. +0.5). Negative values darken, positive values lighten. Hit enter to apply."},
    {"chkITU", Kind::CheckBox, 4920, 1560, 1752, 252, "ITU grey values", Font::Trebuchet78Bold, kDarkBlue, kDefault, None,
     "If checked, ITU is used for calculating the grey value, otherwise CIE standard (recommended) is used."},
    {"chkHSVImmediate", Kind::CheckBox, 2400, 1860, 2412, 252, "HSV immediate selection", Font::Trebuchet78Bold, kDefault, kDefault, Checked,
     "If checked, a color selected in the HSV selector is immediately transferred."},
    {"lblCol(0)", Kind::Label, 6720, 480, 2256, 1248, "", Font::Dialog, kWindowText, kWindowBackground, Border,
     "Base color"},
    {"lblCol(1)", Kind::Label, 6720, 1800, 2256, 1932, "This is a test", Font::Dialog, kWindowText, kWindowBackground, Border | Centred,
     "Base color"},
    {"txtDimmedColorValue", Kind::OutputBox, 60, 3060, 6600, 360, "", Font::Mono78Bold, kGrey, kLightOrange, None,
     "Dimmed color"},
    {"lblCol(2)", Kind::Label, 6996, 2100, 1728, 600, "", Font::Dialog, kWindowText, kWindowBackground, Border | Centred,
     "Background in dimmed color, text in base color"},
    {"picZoom", Kind::Picture, 4860, 0, 372, 372, "", Font::Dialog, kDefault, kDefault, Hidden,
     ""},
    {"lblCol(3)", Kind::Label, 6996, 3060, 1728, 600, "", Font::Dialog, kWindowText, kWindowBackground, Border | Centred,
     "Background in contrast color, text in base color"},
    {"txtContrastColorValue", Kind::OutputBox, 60, 3420, 6600, 360, "", Font::Mono78Bold, kGrey, kLightOrange, None,
     "Contrast color"},
    {"txtOut", Kind::ScratchPad, 60, 3780, 8916, 1476, "", Font::Mono78Bold, kDefault, kDefault, None,
     "Scratch pad. Double click to clear."},
    {"txtBaseColorValue", Kind::OutputBox, 60, 2700, 6600, 360, "", Font::Mono78Bold, kGrey, kLightOrange, None,
     "Base color"},
    {"lblSelect", Kind::Label, 3180, 120, 864, 180, "lblSelect", Font::Mono78Bold, kGrey, kDefault, None,
     "Shows the predefined color's  value"},
    {"lblCol(4)", Kind::Label, 6996, 1860, 1728, 252, "", Font::Dialog, kWindowText, kWindowBackground, Border | Centred,
     "Dimmed over base color: text in dimmed color, background in base color"},
    {"lblCol(5)", Kind::Label, 6996, 2820, 1728, 252, "", Font::Dialog, kWindowText, kWindowBackground, Border | Centred,
     "Contrast over base color: text in contrast color, background in base color"},
    {"lstEquivalent", Kind::ListBox, 60, 480, 2292, 1968, "", Font::Trebuchet78, kDefault, kButtonFace, None,
     "List of equivalent predefined colors"},
    {"cboContrastColorMode", Kind::DropDownList, 4920, 1200, 1752, 312, "", Font::Trebuchet78Bold, kDarkBlue, kDefault, None,
     "Select a method for calculating the contrast color"},
    {"txtMask", Kind::TextBox, 3840, 1200, 960, 288, "&HFFFFFF", Font::Mono78Bold, kDarkBlue, kDefault, None,
     "Enter a hexadecimal mask for the contrast methods. Hit enter to apply."},
    {"chkScratchPad", Kind::CheckBox, 4920, 1860, 1752, 252, "Show scratch pad", Font::Trebuchet78Bold, kDefault, kDefault, Checked,
     "If checked, the dialog is extended and the scratch pad is shown."},
};
// clang-format on

// Names for a screen reader where the tool tip alone would not tell two controls apart, or where
// there is none. Buttons and check boxes need none: Qt names them by their caption, so that a
// caption that changes (as "Pick!" to "Picking") is announced as it reads.
constexpr std::pair<const char*, const char*> kAccessibleNames[] = {
    {"lblCol(1)", "Base color behind the samples"},
    {"txtBaseColorValue", "Base color value"},
    {"txtDimmedColorValue", "Dimmed color value"},
    {"txtContrastColorValue", "Contrast color value"},
    {"picZoom", "Magnifier"},
};

// The client area as designed, scratch pad included.
constexpr int kClientWidthTwips = 9012;
constexpr int kClientHeightTwips = 5304;
constexpr int kTimerIntervalMs = 10;
constexpr int kMaskMaxLength = 8;
constexpr int kScratchPadGap = 5; // pixels between the pad and the dialog's bottom edge

// The characters each input box takes besides digits (its key filter's permissions), and how
// many characters a user may enter into it (0: no limit).
struct InputRule {
    const char* name;
    bool hex, comma, dot, minus;
    int maxLength;
};
constexpr InputRule kInputRules[] = {
    {"txtBaseColorRGB", true, true, false, false, 0},
    {"txtBaseColorHSV", false, true, true, false, 0},
    {"txtDimFactor", false, false, true, true, 0},
    {"txtMask", true, false, false, false, kMaskMaxLength},
};

// The designed text colours stay as long as they are as legible as on the light face the dialog
// was designed on: the dark blue of the inputs and lists at WCAG 2's 4.5:1 for text, the grey
// of the value lines at the 3:1 (3.4:1 there) it was designed with.
constexpr double kInputTextRatio = 4.5;
constexpr double kOutputTextRatio = 3.0;

// The widest text each box shows, which the style's text margins must leave room for.
constexpr std::pair<const char*, const char*> kWidestTexts[] = {
    {"txtBaseColorRGB", "&HFFFFFF #FFFFFF RGB(255, 255, 255)"},
    {"txtBaseColorHSV", "HSV(359, 1.0000, 1.0000)"},
    {"txtDimFactor", "-0.5"},
    {"txtMask", "&HFFFFFF"},
    {"txtBaseColorValue", "&HFFFFFF #FFFFFF RGB(255, 255, 255) HSV(359, 1.0000, 1.0000) G(255)"},
    {"txtDimmedColorValue", "&HFFFFFF #FFFFFF RGB(255, 255, 255) HSV(359, 1.0000, 1.0000) G(255)"},
    {"txtContrastColorValue", "&HFFFFFF #FFFFFF RGB(255, 255, 255) HSV(359, 1.0000, 1.0000) G(255)"},
};

// Screen picking: each screen pixel is a 6 x 6 cell of the view; the marker is shown while the
// blink clock is below 200 ms and hidden until it passes 400 ms, when it starts again.
constexpr std::int32_t kPickZoomFactor = 6;
constexpr std::int32_t kMarkerShownMs = 200;
constexpr std::int32_t kMarkerCycleMs = 400;
constexpr OLE_COLOR kMarkerXorMask = 0xAAAAAA;
constexpr int kSlowCursorStep = 1;
constexpr int kFastCursorStep = 50;   // with Shift
constexpr int kMediumCursorStep = 10; // with Ctrl, also with Ctrl and Shift
const char* const kPickCaption = "P&ick!";
const char* const kPickingCaption = "Picking";

// The contrast methods in list order; each entry's item data is its method number.
constexpr std::pair<const char*, modColorModels::ContrastMethod> kContrastMethods[] = {
    {"ShiftHue", modColorModels::ShiftHue},       {"XorWithMask", modColorModels::XorWithMask},
    {"AndWithMask", modColorModels::AndWithMask}, {"CopyMask", modColorModels::CopyMask},
    {"Negate", modColorModels::Negate},           {"BlackAndWhite", modColorModels::BlackAndWhite},
};

constexpr std::int32_t kBlackAndWhiteThreshold = 128;
constexpr float kDimFactorLimit = 0.5f;
constexpr int kDimFactorDecimals = 5;
const char* const kDefaultPrefix = "USER_";
const char* const kCaption = "Tintrix";
const char* const kNoPickingText =
    "Screen picking is not available in this session: the desktop offers no color picker, and no "
    "still image of the screen to pick from.\n\n"
    "To pick colors from the screen, install a desktop portal (xdg-desktop-portal with its GNOME, "
    "KDE or wlroots backend) and log in again.";
const char* const kWaitingText =
    "Waiting for the desktop to take a still image of the screen (it may ask you first). "
    "<P>, <Esc> or a click here stops waiting.";
// %1: why the desktop took no still image, in words.
const char* const kNoMagnifierText =
    "No magnifier this time: %1 The desktop's own color picker picks instead.";

QFont FontOf(Font font) {
    const auto make = [](const char* family, double points, bool bold) {
        QFont f(QString::fromLatin1(family));
        f.setStyleHint(QString::fromLatin1(family).contains("Mono") ? QFont::TypeWriter : QFont::SansSerif);
        f.setPointSizeF(points);
        f.setWeight(bold ? QFont::Bold : QFont::Normal);
        return f;
    };
    switch (font) {
    case Font::Trebuchet9:
        return make("Trebuchet MS", 9.0, false);
    case Font::Trebuchet78Bold:
        return make("Trebuchet MS", 7.8, true);
    case Font::Trebuchet78:
        return make("Trebuchet MS", 7.8, false);
    case Font::Mono78Bold:
        return make("DejaVu Sans Mono", 7.8, true);
    case Font::Dialog:
        break;
    }
    return make("DejaVu Sans Mono", 9.0, false);
}

QString FromCore(const std::string& text) {
    return QString::fromStdString(text);
}

std::string ToCore(const QString& text) {
    return text.toStdString();
}

// ----- Colours on widgets ------------------------------------------------------------------------

// The colour a control's text is drawn on in the state Group, as SetBackColor sets it.
QColor BackColorOf(const QWidget& widget, QPalette::ColorGroup group) {
    const QPalette& palette = widget.palette();
    if (qobject_cast<const QLabel*>(&widget) || qobject_cast<const QCheckBox*>(&widget)) {
        return palette.color(group, QPalette::Window);
    }
    return palette.color(group, qobject_cast<const QComboBox*>(&widget) ? QPalette::Button : QPalette::Base);
}

// Designed, or the colour of its hue nearest to it that reaches Ratio on the control's background.
OLE_COLOR LegibleOn(const QWidget& widget, QPalette::ColorGroup group, OLE_COLOR designed, double ratio) {
    return modContrast::LegibleColor(designed, QtColor::FromQColor(BackColorOf(widget, group)), ratio);
}

// Foreground colours are set for the active and inactive states only, so that a disabled
// control still greys its text; backgrounds for every state, so that EnableInputs decides them.
// With a MinimumRatio, each state takes the colour that is legible on its own background
// (LegibleOn).
void SetForeColor(QWidget* widget, OLE_COLOR color, double MinimumRatio = 0.0) {
    QPalette palette = widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const QColor c =
            QtColor::ToQColor(MinimumRatio > 0.0 ? LegibleOn(*widget, group, color, MinimumRatio) : color);
        if (qobject_cast<QLabel*>(widget)) {
            palette.setColor(group, QPalette::WindowText, c);
        } else if (qobject_cast<QCheckBox*>(widget)) {
            palette.setColor(group, QPalette::WindowText, c);
            palette.setColor(group, QPalette::Text, c); // as some styles (Adwaita) draw its caption
        } else if (qobject_cast<QPushButton*>(widget)) {
            palette.setColor(group, QPalette::ButtonText, c);
        } else {
            palette.setColor(group, QPalette::Text, c);
            palette.setColor(group, QPalette::ButtonText, c); // a drop-down list draws as a button
            palette.setColor(group, QPalette::WindowText, c); // and its open list as a menu
        }
    }
    widget->setPalette(palette);
}

void SetBackColor(QWidget* widget, OLE_COLOR color) {
    QPalette palette = widget->palette();
    const QColor c = QtColor::ToQColor(color);
    if (qobject_cast<QLabel*>(widget)) {
        palette.setColor(QPalette::Window, c);
        widget->setAutoFillBackground(true);
    } else {
        palette.setColor(QPalette::Base, c);
        if (qobject_cast<QComboBox*>(widget)) {
            palette.setColor(QPalette::Button, c);
        }
    }
    widget->setPalette(palette);
}

// Lets into an input box, by whatever way text enters it (a paste of the clipboard or of the
// selection, a drop, an input method), only what its key filter lets through when typed: each
// inserted character that Keep refuses and every control character (an Enter among them, which
// thus runs nothing) are left out, and a box with a MaxLength takes no more characters than that
// from the user. An insertion of which nothing is left changes nothing. What the dialog writes
// (setText) is not checked.
class InsertionFilter final : public QValidator {
public:
    InsertionFilter(QLineEdit& Box, std::function<bool(int)> Keep, int MaxLength)
        : QValidator(&Box), mBox(Box), mKeep(std::move(Keep)),
          mMaxLength(MaxLength > 0 ? MaxLength : INT_MAX), mPrevious(Box.text()) {
        connect(&Box, &QLineEdit::textChanged, this, [this](const QString& Text) { mPrevious = Text; });
    }

    State validate(QString& Input, int& Position) const override {
        // setText, the dialog's own way of writing, clears the box's modified flag before the
        // new text is checked; every edit of the user's sets it.
        if (!mBox.isModified()) {
            return Acceptable;
        }
        // The edit replaced the middle of the previous text: what the two do not share at either end.
        const qsizetype shorter = std::min(Input.size(), mPrevious.size());
        qsizetype prefix = 0;
        while (prefix < shorter && Input[prefix] == mPrevious[prefix]) {
            ++prefix;
        }
        qsizetype suffix = 0;
        while (suffix < shorter - prefix &&
               Input[Input.size() - 1 - suffix] == mPrevious[mPrevious.size() - 1 - suffix]) {
            ++suffix;
        }
        const QString inserted = Input.mid(prefix, Input.size() - prefix - suffix);
        QString kept;
        for (const QChar c : inserted) {
            if (c.unicode() >= ' ' && mKeep(c.unicode())) {
                kept += c;
            }
        }
        kept.truncate(std::max<qsizetype>(0, mMaxLength - prefix - suffix));
        if (kept == inserted) {
            return Acceptable;
        }
        const QString result = Input.left(prefix) + kept + Input.right(suffix);
        if (result == mPrevious) {
            return Invalid; // the box undoes the edit, selection included
        }
        Input = result;
        Position = static_cast<int>(prefix + kept.size());
        return Acceptable;
    }

private:
    const QLineEdit& mBox;
    std::function<bool(int)> mKeep;
    qsizetype mMaxLength;
    QString mPrevious;
};

// "" for the buttons and check boxes, see kAccessibleNames.
QString AccessibleNameOf(const ControlRow& row) {
    for (const auto& [name, accessibleName] : kAccessibleNames) {
        if (std::string_view(name) == row.name) {
            return QString::fromUtf8(accessibleName);
        }
    }
    switch (row.kind) {
    case Kind::Button:
    case Kind::ToggleButton:
    case Kind::CheckBox:
        return {};
    default:
        return QString::fromUtf8(row.toolTip).simplified();
    }
}

QWidget* CreateControl(const ControlRow& row, QWidget* parent) {
    switch (row.kind) {
    case Kind::DropDownList: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(false);
        // The list may hold many thousands of entries: never measure them all for a size hint.
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        if (auto* view = qobject_cast<QListView*>(combo->view())) {
            view->setUniformItemSizes(true);
        }
        return combo;
    }
    case Kind::Button:
    case Kind::ToggleButton: {
        auto* button = new QPushButton(QString::fromUtf8(row.caption), parent);
        button->setCheckable(row.kind == Kind::ToggleButton);
        return button;
    }
    case Kind::CheckBox: {
        auto* check = new QCheckBox(QString::fromUtf8(row.caption), parent);
        check->setChecked((row.flags & Checked) != 0);
        return check;
    }
    case Kind::TextBox:
        return new QLineEdit(QString::fromUtf8(row.caption), parent);
    case Kind::OutputBox: {
        // The dialog only writes these; the user may still select and copy from them.
        auto* box = new QLineEdit(parent);
        box->setReadOnly(true);
        return box;
    }
    case Kind::ScratchPad: {
        auto* pad = new QPlainTextEdit(parent);
        pad->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        pad->setTabChangesFocus(true);
        return pad;
    }
    case Kind::Label: {
        auto* label = new QLabel(QString::fromUtf8(row.caption), parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment((row.flags & Centred) ? Qt::AlignHCenter | Qt::AlignTop
                                                  : Qt::AlignLeft | Qt::AlignTop);
        if (row.flags & Border) {
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
            label->setLineWidth(1);
        }
        return label;
    }
    case Kind::Picture:
        return new PictureBox(parent);
    case Kind::ListBox: {
        auto* list = new QListWidget(parent);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setUniformItemSizes(true);
        return list;
    }
    }
    return nullptr;
}

// The character code a key press types, as a text box's key filter sees it: Enter 13,
// Backspace 8, Ctrl with a letter its control code (Ctrl+C 3, Ctrl+V 22, Ctrl+X 24), the other
// clipboard shortcuts the code of their Ctrl form. nullopt for keys that type nothing (arrows,
// Delete, Home, End, Tab, function keys), which the box handles as usual.
std::optional<int> TypedCharacter(const QKeyEvent& event) {
    if (event.matches(QKeySequence::Copy)) {
        return 3;
    }
    if (event.matches(QKeySequence::Paste)) {
        return 22;
    }
    if (event.matches(QKeySequence::Cut)) {
        return 24;
    }
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return std::nullopt;
    default:
        break;
    }
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (modifiers == Qt::ControlModifier && event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z) {
        return event.key() - Qt::Key_A + 1;
    }
    const QString text = event.text();
    if (text.isEmpty()) {
        return std::nullopt;
    }
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return 0; // a shortcut that no control took: it types nothing
    }
    return text.at(0).unicode();
}

QString GreyText(std::int32_t grey) {
    return FromCore(modNamedColors::AlignRight(std::to_string(grey), 3));
}

// "0.0####": at least one and at most five decimals, always with a point, no "-" on a zero.
QString FormatDimFactor(float factor) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", kDimFactorDecimals, static_cast<double>(factor));
    std::string text(buffer);
    std::replace(text.begin(), text.end(), ',', '.');
    while (text.size() > 1 && text.back() == '0' && text[text.size() - 2] != '.') {
        text.pop_back();
    }
    if (text == "-0.0") {
        text = "0.0";
    }
    return FromCore(text);
}

} // namespace

// ----- Construction ------------------------------------------------------------------------------

frmTintrix::frmTintrix(const Platform::Services& services, QWidget* parent)
    : QDialog(parent), mServices(services) {
    setWindowTitle(QString::fromLatin1(kCaption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    // Trebuchet MS is rarely installed off Windows; a condensed sans keeps its captions in their boxes.
    QFont::insertSubstitution(QStringLiteral("Trebuchet MS"), QStringLiteral("DejaVu Sans Condensed"));
    setFont(FontOf(Font::Dialog));
    CreateControls();
    CreateContrastEntries();
    setFixedSize(PixelsX(kClientWidthTwips), PixelsY(kClientHeightTwips));

    connect(cboSelect, &QComboBox::currentIndexChanged, this, &frmTintrix::cboSelect_Click);
    connect(cmdSelect, &QPushButton::clicked, this, &frmTintrix::cmdSelect_Click);
    connect(cmdSelectSpecial, &QPushButton::clicked, this, &frmTintrix::cmdSelectSpecial_Click);
    connect(lstEquivalent, &QListWidget::itemSelectionChanged, this, &frmTintrix::lstEquivalent_Click);
    connect(cboContrastColorMode, &QComboBox::currentIndexChanged, this,
            &frmTintrix::cboContrastColorMode_Click);
    connect(chkITU, &QCheckBox::toggled, this, &frmTintrix::chkITU_Click);
    connect(chkScratchPad, &QCheckBox::toggled, this, &frmTintrix::chkScratchPad_Click);
    connect(chkPick, &QPushButton::toggled, this, &frmTintrix::chkPick_Click);
    connect(Timer, &QTimer::timeout, this, &frmTintrix::Timer_Timer);
    if (mServices.colorPicker) {
        connect(mServices.colorPicker, &Platform::DesktopColorPicker::Finished, this,
                &frmTintrix::ColorPicker_Finished);
    }
    if (mServices.screenshot) {
        connect(mServices.screenshot, &Platform::DesktopScreenshot::Finished, this,
                &frmTintrix::Screenshot_Finished);
    }
    connect(cmdSetFromRGB, &QPushButton::clicked, this, [this] { SetBaseColorFromRGB(); });
    connect(cmdSetFromHSB, &QPushButton::clicked, this, &frmTintrix::SetBaseColorFromHSV);
    connect(cmdDim, &QPushButton::clicked, this, &frmTintrix::UpdateDerivedColors);
    connect(cmdCopy, &QPushButton::clicked, this, &frmTintrix::cmdCopy_Click);
}

frmTintrix::~frmTintrix() {
    // The desktop's picker and its question about a screenshot outlive the dialog: they must not
    // stay open for nobody.
    if (chkPick->isChecked()) {
        if (mServices.colorPicker) {
            mServices.colorPicker->Cancel();
        }
        if (mServices.screenshot) {
            mServices.screenshot->Cancel();
        }
    }
}

int frmTintrix::PixelsX(int twips) const {
    return Rounding::RoundToInt32(twips / mServices.metrics->TwipsPerPixelX());
}

int frmTintrix::PixelsY(int twips) const {
    return Rounding::RoundToInt32(twips / mServices.metrics->TwipsPerPixelY());
}

template <typename Control> Control* frmTintrix::ControlNamed(const char* name) const {
    return findChild<Control*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

void frmTintrix::CreateControls() {
    // Made in the table's order, which Qt also takes as the order the Tab key visits them in.
    for (const ControlRow& row : kControls) {
        QWidget* control = CreateControl(row, this);
        control->setObjectName(QString::fromLatin1(row.name));
        control->setGeometry(PixelsX(row.left), PixelsY(row.top), PixelsX(row.width), PixelsY(row.height));
        if (row.font != Font::Dialog) {
            control->setFont(FontOf(row.font));
        }
        if (row.fore != kDefault) {
            SetForeColor(control, row.fore);
        }
        if (row.back != kDefault) {
            SetBackColor(control, row.back);
        }
        control->setToolTip(QString::fromUtf8(row.toolTip));
        control->setAccessibleName(AccessibleNameOf(row));
        control->setVisible((row.flags & Hidden) == 0);
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            button->setAutoDefault(false); // no button is pressed by Enter in another control
        }
    }

    cboSelect = ControlNamed<QComboBox>("cboSelect");
    cmdSelect = ControlNamed<QPushButton>("cmdSelect");
    cmdSelectSpecial = ControlNamed<QPushButton>("cmdSelectSpecial");
    cmdCopy = ControlNamed<QPushButton>("cmdCopy");
    chkPick = ControlNamed<QPushButton>("chkPick");
    cmdSetFromRGB = ControlNamed<QPushButton>("cmdSetFromRGB");
    txtBaseColorRGB = ControlNamed<QLineEdit>("txtBaseColorRGB");
    cmdSetFromHSB = ControlNamed<QPushButton>("cmdSetFromHSB");
    txtBaseColorHSV = ControlNamed<QLineEdit>("txtBaseColorHSV");
    cmdDim = ControlNamed<QPushButton>("cmdDim");
    txtDimFactor = ControlNamed<QLineEdit>("txtDimFactor");
    chkITU = ControlNamed<QCheckBox>("chkITU");
    chkHSVImmediate = ControlNamed<QCheckBox>("chkHSVImmediate");
    for (std::size_t i = 0; i < lblCol.size(); ++i) {
        lblCol[i] = findChild<QLabel*>(QString("lblCol(%1)").arg(i), Qt::FindDirectChildrenOnly);
    }
    txtDimmedColorValue = ControlNamed<QLineEdit>("txtDimmedColorValue");
    picZoom = ControlNamed<PictureBox>("picZoom");
    txtContrastColorValue = ControlNamed<QLineEdit>("txtContrastColorValue");
    txtOut = ControlNamed<QPlainTextEdit>("txtOut");
    txtBaseColorValue = ControlNamed<QLineEdit>("txtBaseColorValue");
    lblSelect = ControlNamed<QLabel>("lblSelect");
    lstEquivalent = ControlNamed<QListWidget>("lstEquivalent");
    cboContrastColorMode = ControlNamed<QComboBox>("cboContrastColorMode");
    txtMask = ControlNamed<QLineEdit>("txtMask");
    chkScratchPad = ControlNamed<QCheckBox>("chkScratchPad");

    // Text that enters an input box without a typed key obeys the box's key filter too.
    for (const InputRule& rule : kInputRules) {
        QLineEdit* box = ControlNamed<QLineEdit>(rule.name);
        box->setValidator(new InsertionFilter(
            *box,
            [rule](int c) { return !FilterKey(c, rule.hex, rule.comma, rule.dot, rule.minus) && c != 0; },
            rule.maxLength));
    }
    Platform::PlainToolTips::Install(*this);
    ApplyTextColors();

    lblSelect->setMinimumWidth(lblSelect->width());
    mPickToolTip = chkPick->toolTip();
    // The samples lie on the backdrop lblCol(1), the magnifier over the swatch lblCol(0).
    lblCol[1]->lower();
    picZoom->raise();

    mPredefinedColorModel = new PredefinedColorModel(mPredefinedColors, this);
    cboSelect->setModel(mPredefinedColorModel);

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(kTimerIntervalMs);

    // Key preview: the dialog sees every key before the control that has the focus.
    for (QWidget* child : findChildren<QWidget*>()) {
        child->installEventFilter(this);
    }
}

// ----- Contract ----------------------------------------------------------------------------------

bool frmTintrix::ShowDialog(OLE_COLOR Color, bool Modal, const QString& UserDefinedColorsFilePath,
                            const QString& UserDefinedColorsPrefix, QWidget* Parent) {
    if (Parent != parentWidget()) {
        setParent(Parent, windowFlags());
    }
    InitDialog(Color, UserDefinedColorsFilePath, UserDefinedColorsPrefix);
    if (Modal) {
        exec();
        return mCancelled;
    }
    show();
    return false;
}

void frmTintrix::InitDialog(OLE_COLOR Color, const QString& FilePath, const QString& Prefix) {
    const OLE_COLOR dialogBackground = QtColor::FromQColor(palette().color(QPalette::Window));
    for (QWidget* box : std::initializer_list<QWidget*>{txtBaseColorValue, txtDimmedColorValue,
                                                        txtContrastColorValue, txtOut}) {
        SetBackColor(box, dialogBackground);
    }
    lblSelect->resize(lblSelect->width(), cboSelect->height());
    txtDimFactor->setText(QStringLiteral("0.2"));

    {
        // Filling a list selects its first entry on the way; that is no user's choice.
        const QSignalBlocker quiet(cboContrastColorMode);
        cboContrastColorMode->clear();
        for (const auto& [name, method] : kContrastMethods) {
            cboContrastColorMode->addItem(QString::fromLatin1(name), static_cast<int>(method));
        }
    }
    SetListIndexQuietly(cboContrastColorMode, 0);

    {
        const QSignalBlocker quiet(cboSelect);
        FillPredefinedColors(FilePath, Prefix);
    }

    if (mSampleText.isNull()) {
        mSampleText = lblCol[1]->text();
    }
    lblCol[1]->clear();
    lblCol[2]->setText("\n" + mSampleText);
    lblCol[3]->setText("\n" + mSampleText);
    lblCol[4]->setText(mSampleText);
    lblCol[5]->setText(mSampleText);
    for (std::size_t i = 2; i < lblCol.size(); ++i) {
        lblCol[i]->setFrameStyle(QFrame::NoFrame);
    }

    ApplyTextColors();
    SetBaseColor(Color);
    chkScratchPad->setChecked(false);
}

void frmTintrix::SetListIndexQuietly(QComboBox* List, int Index) {
    mListClickSuppressed = true;
    List->setCurrentIndex(Index);
    mListClickSuppressed = false;
}

// ----- Base colour and derived values ------------------------------------------------------------

void frmTintrix::SetBaseColor(OLE_COLOR Color) {
    SetBaseColorFromRGB(Color);
    UpdateDerivedColors();
}

void frmTintrix::SetBaseColorFromRGB(std::optional<OLE_COLOR> Color) {
    OLE_COLOR color = 0;
    if (Color) {
        color = *Color;
    } else {
        color = modNamedColors::ParseRGBText(ToCore(txtBaseColorRGB->text()), ToCore(mPreviousRGBText));
        // A typed hexadecimal value is taken as it is; one that is neither a plain RGB value nor
        // a known system colour would show as black without a word, so it is refused as well.
        if (color == -1 || !SystemColors::OleTranslateColor(color)) {
            mServices.messageBox->Warning(this, QString::fromLatin1(kCaption),
                                          QStringLiteral("RGB conversion error"));
            txtBaseColorRGB->setText(mPreviousRGBText);
            return;
        }
    }
    HSBValues hsv;
    modColorModels::RGBToHSB(color, hsv);
    ShowBaseColor(color, hsv);
}

void frmTintrix::SetBaseColorFromHSV() {
    const HSBValues hsv = modTintrix::ParseHSVText(ToCore(txtBaseColorHSV->text()), ToCore(mPreviousHSVText));
    if (hsv.Hue == -1) {
        mServices.messageBox->Warning(this, QString::fromLatin1(kCaption),
                                      QStringLiteral("HSV conversion error"));
        txtBaseColorHSV->setText(mPreviousHSVText);
        return;
    }
    ShowBaseColor(modColorModels::HSBToRGB(hsv), hsv);
}

void frmTintrix::ShowBaseColor(OLE_COLOR Color, const HSBValues& HSV) {
    const bool useITU = chkITU->isChecked();
    mBaseColor = Color;
    mBaseColorGreyValue = modColorModels::GrayValueOfColor(Color, useITU);
    const QString valueText = ColorValueText(Color);
    txtBaseColorValue->setText(valueText + " G(" + GreyText(mBaseColorGreyValue) + ")");

    mPreviousRGBText = FromCore(modNamedColors::FormatRGBText(Color));
    txtBaseColorRGB->setText(mPreviousRGBText);
    mPreviousHSVText = FromCore(modNamedColors::FormatHSVText(HSV));
    txtBaseColorHSV->setText(mPreviousHSVText);

    SetBackColor(lblCol[0], Color);
    SetBackColor(lblCol[1], Color);
    SetForeColor(lblCol[2], Color);
    SetForeColor(lblCol[3], Color);
    SetBackColor(lblCol[4], Color);
    SetBackColor(lblCol[5], Color);
    DescribeSamples();

    const int first = FindEquivalentColors(Color);
    if (mListSelectionPending) {
        mListSelectionPending = false;
    } else {
        SetListIndexQuietly(cboSelect, first);
    }

    if (cboSelect->currentIndex() < 0) {
        lblSelect->clear();
        mBaseColorName.clear();
    } else {
        lblSelect->setText(valueText);
        mBaseColorName = SelectedColorName(false);
    }
    // The label grows to the right with its text, as high as the list beside it.
    lblSelect->resize(std::max(lblSelect->minimumWidth(), lblSelect->sizeHint().width()),
                      cboSelect->height());
    UpdateContrastWindow();
}

void frmTintrix::UpdateDerivedColors() {
    const bool useITU = chkITU->isChecked();
    const std::int32_t mask = modNamedColors::ParseLong(ToCore(txtMask->text()));
    txtMask->setText(FromCore(modNamedColors::FormatHex(mask, 6, true)));
    const float factor = ReadDimFactor();

    mDimmedColor = modColorModels::DimColor(mBaseColor, factor);
    mDimmedColorGreyValue = modColorModels::GrayValueOfColor(mDimmedColor, useITU);
    mContrastColor = ComputeContrastColor(mBaseColor, mask);
    mContrastColorGreyValue = modColorModels::GrayValueOfColor(mContrastColor, useITU);

    SetBackColor(lblCol[2], mDimmedColor);
    SetForeColor(lblCol[4], mDimmedColor);
    txtDimmedColorValue->setText(ColorValueText(mDimmedColor) + " G(" + GreyText(mDimmedColorGreyValue) +
                                 ")");
    SetBackColor(lblCol[3], mContrastColor);
    SetForeColor(lblCol[5], mContrastColor);
    txtContrastColorValue->setText(ColorValueText(mContrastColor) + " G(" +
                                   GreyText(mContrastColorGreyValue) + ")");
    DescribeSamples();
    UpdateContrastWindow();
}

void frmTintrix::DescribeSamples() {
    const QString base = QtColor::AccessibleDescription(mBaseColor);
    const QString dimmed = QtColor::AccessibleDescription(mDimmedColor);
    const QString contrast = QtColor::AccessibleDescription(mContrastColor);
    lblCol[0]->setAccessibleDescription(base);
    lblCol[1]->setAccessibleDescription(base);
    const auto ratio = [](OLE_COLOR text, OLE_COLOR background) {
        return ", contrast " +
               FromCore(modContrast::FormatRatio(modContrast::ContrastRatio(text, background)));
    };
    lblCol[2]->setAccessibleDescription("Background " + dimmed + ", text " + base +
                                        ratio(mBaseColor, mDimmedColor));
    lblCol[3]->setAccessibleDescription("Background " + contrast + ", text " + base +
                                        ratio(mBaseColor, mContrastColor));
    lblCol[4]->setAccessibleDescription("Text " + dimmed + ", background " + base +
                                        ratio(mDimmedColor, mBaseColor));
    lblCol[5]->setAccessibleDescription("Text " + contrast + ", background " + base +
                                        ratio(mContrastColor, mBaseColor));
}

OLE_COLOR frmTintrix::ComputeContrastColor(OLE_COLOR Color, std::int32_t Mask) const {
    switch (cboContrastColorMode->currentData().toInt()) {
    case modColorModels::XorWithMask:
        return modColorModels::ContrastXorWithMask(Color, Mask);
    case modColorModels::AndWithMask:
        return modColorModels::ContrastAndWithMask(Color, Mask);
    case modColorModels::CopyMask:
        return modColorModels::ContrastCopyMask(Color, Mask);
    case modColorModels::Negate:
        return modColorModels::ContrastNegate(Color, Mask);
    case modColorModels::BlackAndWhite:
        return modColorModels::ContrastBlackAndWhite(Color, kBlackAndWhiteThreshold);
    case modColorModels::ShiftHue:
    default:
        return modColorModels::ContrastShiftHue(Color, true);
    }
}

float frmTintrix::ReadDimFactor() {
    float factor = Rounding::ToSingle(NumberReader::ReadLeadingNumber(ToCore(txtDimFactor->text())).Value);
    if (std::isnan(factor)) {
        factor = 0.0f;
    }
    if (std::fabs(factor) > kDimFactorLimit) {
        factor = std::copysign(kDimFactorLimit, factor);
    }
    txtDimFactor->setText(FormatDimFactor(factor));
    return factor;
}

int frmTintrix::FindEquivalentColors(OLE_COLOR Color) {
    const QSignalBlocker quiet(lstEquivalent);
    lstEquivalent->clear();
    const auto [begin, end] =
        std::equal_range(mPositionsByValue.begin(), mPositionsByValue.end(), std::pair{Color, 0},
                         [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto it = begin; it != end; ++it) {
        auto* item = new QListWidgetItem(mPredefinedColors[static_cast<std::size_t>(it->second)].Text);
        item->setData(Qt::UserRole, it->second);
        lstEquivalent->addItem(item);
    }
    return begin == end ? -1 : begin->second;
}

QString frmTintrix::ColorValueText(OLE_COLOR Color) {
    return FromCore(modNamedColors::FormatColorText(Color, HSBValues{}, 2));
}

QString frmTintrix::SelectedColorName(bool WithValue) const {
    const int index = cboSelect->currentIndex();
    if (index < 0) {
        return {};
    }
    const PredefinedColor& entry = mPredefinedColors[static_cast<std::size_t>(index)];
    // Only system entries carry their index in parentheses; a user's name may contain "(" too
    // and is its name as it stands.
    if (!OleColor::IsSystemColor(entry.TableValue)) {
        return entry.Text;
    }
    QString name = entry.Text.left(entry.Text.indexOf('(')).trimmed();
    if (WithValue) {
        const OLE_COLOR value =
            OleColor::SystemColor(static_cast<int>(OleColor::Bits(entry.TableValue) & 0xFFu));
        name += " (" + FromCore(modNamedColors::FormatHex(value, 8, true)) + ")";
    }
    return name;
}

// ----- Input -------------------------------------------------------------------------------------

bool frmTintrix::FilterKey(int& KeyAscii, bool AllowHex, bool AllowComma, bool AllowDot, bool AllowMinus) {
    const int c = KeyAscii;
    if (c >= '0' && c <= '9') {
        return false;
    }
    if ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F') || c == '&' || c == 'H' || c == 'h' || c == '#') {
        if (!AllowHex) {
            KeyAscii = 0;
        }
        return false;
    }
    if (c == '.' || c == ',' || c == '-') {
        if (!((c == '.' && AllowDot) || (c == ',' && AllowComma) || (c == '-' && AllowMinus))) {
            KeyAscii = 0;
        }
        return false;
    }
    if (c == 8 || c == ' ') {
        return false;
    }
    KeyAscii = 0;
    return c == 13;
}

bool frmTintrix::FilterInputBoxKey(QObject* box, QKeyEvent& event) {
    const auto rule = std::find_if(std::begin(kInputRules), std::end(kInputRules), [box](const InputRule& r) {
        return box->objectName() == QLatin1String(r.name);
    });
    if (rule == std::end(kInputRules) || box->parent() != this) {
        return false;
    }
    const std::optional<int> typed = TypedCharacter(event);
    if (!typed) {
        return false;
    }
    int keyAscii = *typed;
    // The mask takes at most eight typed characters; the rewritten mask may be longer.
    const auto& line = static_cast<const QLineEdit&>(*box);
    if (rule->maxLength > 0 && keyAscii >= ' ' &&
        line.text().size() - line.selectedText().size() >= rule->maxLength) {
        return true;
    }
    if (FilterKey(keyAscii, rule->hex, rule->comma, rule->dot, rule->minus)) {
        if (box == txtBaseColorRGB) {
            SetBaseColorFromRGB();
        } else if (box == txtBaseColorHSV) {
            SetBaseColorFromHSV();
        } else {
            UpdateDerivedColors();
        }
    }
    return keyAscii == 0;
}

bool frmTintrix::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Polish:
    case QEvent::Show: // some styles (Adwaita) set their text margins only then
    case QEvent::StyleChange:
    case QEvent::FontChange:
        FitText(watched);
        break;
    case QEvent::KeyPress: {
        auto& key = static_cast<QKeyEvent&>(*event);
        return Form_KeyDown(key) || FilterInputBoxKey(watched, key);
    }
    case QEvent::KeyRelease:
        return Form_KeyUp(static_cast<QKeyEvent&>(*event));
    case QEvent::MouseButtonDblClick:
        if (watched == txtOut->viewport()) {
            txtOut_DblClick();
            return true;
        }
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void frmTintrix::FitText(QObject* box) {
    for (const auto& [name, widest] : kWidestTexts) {
        if (box->objectName() == QLatin1String(name) && box->parent() == this) {
            Platform::FitTextMargins(*static_cast<QLineEdit*>(box), QString::fromLatin1(widest));
        }
    }
}

void frmTintrix::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        ApplyTextColors();
    }
}

void frmTintrix::keyPressEvent(QKeyEvent* event) {
    if (Form_KeyDown(*event) || event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmTintrix::keyReleaseEvent(QKeyEvent* event) {
    if (Form_KeyUp(*event)) {
        event->accept();
        return;
    }
    QDialog::keyReleaseEvent(event);
}

bool frmTintrix::Form_KeyDown(QKeyEvent& event) {
    // Arrow keys move the cursor only while the magnifier picks; otherwise they edit and move as
    // usual. The desktop's own picker moves its pointer itself.
    return chkPick->isChecked() && mPickZoom && MoveCursorByKey(event.key(), event.modifiers());
}

bool frmTintrix::Form_KeyUp(QKeyEvent& event) {
    // Both keys act whether or not picking runs: unchecking an unchecked chkPick does nothing,
    // and an Esc while resting is cleared by the next start.
    switch (event.key()) {
    case Qt::Key_P:
        chkPick->setChecked(false);
        return true;
    case Qt::Key_Escape:
        mPickCancelled = true;
        chkPick->setChecked(false);
        return true;
    default:
        return false;
    }
}

void frmTintrix::cboSelect_Click(int index) {
    if (mListClickSuppressed || index < 0) {
        return;
    }
    mListSelectionPending = true;
    SetBaseColor(mPredefinedColors[static_cast<std::size_t>(index)].ItemData);
}

void frmTintrix::lstEquivalent_Click() {
    const QList<QListWidgetItem*> selected = lstEquivalent->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    cboSelect->setCurrentIndex(selected.first()->data(Qt::UserRole).toInt());
    cboSelect->setFocus(Qt::OtherFocusReason);
}

void frmTintrix::cboContrastColorMode_Click() {
    if (mListClickSuppressed) {
        return;
    }
    UpdateDerivedColors();
}

void frmTintrix::chkITU_Click() {
    SetBaseColor(mBaseColor);
    UpdateDerivedColors();
}

void frmTintrix::EnableInputs(bool Enable) {
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        // The contrast window is no input of the dialog: it stays usable while picking.
        if (!child->isWindow() && !qobject_cast<QLabel*>(child) && !qobject_cast<PictureBox*>(child)) {
            child->setEnabled(Enable);
        }
    }
    const OLE_COLOR background =
        Enable ? kWindowBackground : QtColor::FromQColor(palette().color(QPalette::Window));
    for (QWidget* input : std::initializer_list<QWidget*>{cboSelect, cboContrastColorMode, txtBaseColorRGB,
                                                          txtBaseColorHSV, txtDimFactor, txtMask}) {
        SetBackColor(input, background);
    }
    ApplyTextColors();
}

void frmTintrix::ApplyTextColors() {
    for (const ControlRow& row : kControls) {
        if (row.fore != kDarkBlue && row.fore != kGrey) {
            continue;
        }
        const double ratio = row.fore == kDarkBlue ? kInputTextRatio : kOutputTextRatio;
        QWidget* control = ControlNamed<QWidget>(row.name);
        SetForeColor(control, row.fore, ratio);
        // The open list is a window of its own, with the desktop's colours.
        if (auto* list = qobject_cast<QComboBox*>(control)) {
            SetForeColor(list->view(), row.fore, ratio);
        }
    }
}

// ----- Scratch pad and copy ----------------------------------------------------------------------

void frmTintrix::cmdCopy_Click() {
    const QString text = BuildValuesText();
    // A clipboard held by another program loses this copy; the pad still gets it.
    mServices.clipboard->SetText(text);
    if (chkScratchPad->isChecked()) {
        AppendToScratchPad(text);
    }
}

QString frmTintrix::BuildValuesText() const {
    const QString name = cboSelect->currentIndex() < 0 ? QStringLiteral("-") : SelectedColorName(true);
    return "Base color name: " + name + "\r\n" + "Base color     : " + ColorValueText(mBaseColor) +
           " Grey: " + GreyText(mBaseColorGreyValue) + "\r\n" +
           "Dimmed color   : " + ColorValueText(mDimmedColor) + " Grey: " + GreyText(mDimmedColorGreyValue) +
           "\r\n" + "Contrast color : " + ColorValueText(mContrastColor) +
           " Grey: " + GreyText(mContrastColorGreyValue);
}

void frmTintrix::AppendToScratchPad(const QString& Text) {
    QTextCursor cursor = txtOut->textCursor();
    cursor.movePosition(QTextCursor::End);
    // The pad's lines end in its own line breaks; CR LF would give an empty line after each.
    QString lines = Text + "\r\n";
    cursor.insertText(lines.replace("\r\n", "\n"));
    txtOut->setTextCursor(cursor);
    txtOut->ensureCursorVisible();
}

void frmTintrix::chkScratchPad_Click(bool checked) {
    const int change = txtOut->height() + kScratchPadGap;
    txtOut->setVisible(checked);
    setFixedHeight(height() + (checked ? change : -change));
}

void frmTintrix::txtOut_DblClick() {
    txtOut->clear();
}

// ----- Screen picking ----------------------------------------------------------------------------

void frmTintrix::chkPick_Click(bool Checked) {
    SetPickMode(Checked);
}

void frmTintrix::SetPickMode(bool On) {
    if (On) {
        mSavedColor = mBaseColor;
        mPickCancelled = false;
        chkPick->setText(QString::fromLatin1(kPickingCaption));
        const bool live = ReadsScreenLive();
        if (live) {
            ShowMagnifier();
        }
        EnableInputs(false);
        chkPick->setEnabled(true); // it stops picking
        if (live) {
            StartMagnifier(*mServices.screen);
        } else {
            // The dialog's keys (Esc, P) still reach it while the desktop works.
            chkPick->setFocus(Qt::OtherFocusReason);
            TakeStillImage();
        }
        return;
    }
    const bool magnified = mPickZoom != nullptr;
    if (mStillImage && !mPickCancelled) {
        PickTick(); // what is kept is the pixel under the picking cursor now, moved by a key or not
    }
    Timer->stop();
    mPickZoom.reset();
    CloseStillImage();
    // Nothing when they have answered already.
    if (mServices.screenshot) {
        mServices.screenshot->Cancel();
    }
    if (mServices.colorPicker) {
        mServices.colorPicker->Cancel();
    }
    ShowWaiting(false);
    chkPick->setText(QString::fromLatin1(kPickCaption));
    picZoom->hide();
    lblCol[0]->show();
    EnableInputs(true);
    if (mPickCancelled && magnified) {
        SetBaseColor(mSavedColor);
    }
}

bool frmTintrix::ReadsScreenLive() const {
    if (!mServices.screenshot) {
        return !mServices.colorPicker;
    }
    // A screen that could not be read at start may be readable now.
    return mServices.screenReadable && mServices.screenReadable();
}

void frmTintrix::ShowMagnifier() {
    lblCol[0]->hide();
    picZoom->setGeometry(lblCol[0]->geometry());
    picZoom->show();
    picZoom->setFocus(Qt::OtherFocusReason);
}

void frmTintrix::StartMagnifier(Platform::Screen& Screen) {
    mPickZoom = std::make_unique<CZoom>(Screen);
    mPickZoom->SetZoomFactor(kPickZoomFactor);
    Timer->start();
}

void frmTintrix::TakeStillImage() {
    if (!mServices.screenshot) {
        PickWithDesktopPicker();
        return;
    }
    ShowWaiting(true);
    mServices.screenshot->Take(this);
}

void frmTintrix::Screenshot_Finished(const QImage& Image, const QString& Failure) {
    if (!chkPick->isChecked() || mPickZoom) {
        return; // not asked for by this dialog's picking
    }
    ShowWaiting(false);
    if (Image.isNull()) {
        TellPickingNote(QString::fromLatin1(kNoMagnifierText).arg(Failure));
        PickWithDesktopPicker();
        return;
    }
    ShowStillImage(Image);
}

void frmTintrix::ShowStillImage(const QImage& Image) {
    const QList<QScreen*> monitors = QGuiApplication::screens();
    std::vector<QRect> geometries;
    for (const QScreen* monitor : monitors) {
        geometries.push_back(monitor->geometry());
    }
    mStillImage = std::make_unique<Platform::StillImageScreen>(Image, geometries);
    mStillImage->SetCursorPos(mStillImage->PixelAt(QCursor::pos()));
    const QScreen* underCursor = QGuiApplication::screenAt(QCursor::pos());
    StillImageWindow* focused = nullptr;
    for (qsizetype i = 0; i < monitors.size(); ++i) {
        auto* window = new StillImageWindow(*monitors[i], mStillImage->Part(monitors[i]->geometry()), this);
        window->setObjectName(QStringLiteral("StillImage(%1)").arg(i));
        window->installEventFilter(this); // its keys are the dialog's picking keys
        connect(window, &StillImageWindow::PointerMoved, this, &frmTintrix::StillImage_PointerMoved);
        connect(window, &StillImageWindow::Clicked, this, [this] { chkPick->setChecked(false); });
        window->showFullScreen();
        mStillImageWindows.push_back(window);
        if (focused == nullptr || monitors[i] == underCursor) {
            focused = window;
        }
    }
    if (focused != nullptr) {
        focused->activateWindow();
        focused->setFocus(Qt::OtherFocusReason);
    }
    mPickingNote.clear();
    ShowPickToolTip({});
    ShowMagnifier();
    StartMagnifier(*mStillImage);
}

void frmTintrix::CloseStillImage() {
    if (!mStillImage) {
        return;
    }
    // Later: the window whose key or click ends picking is still handling it.
    for (StillImageWindow* window : mStillImageWindows) {
        window->hide();
        window->deleteLater();
    }
    mStillImageWindows.clear();
    mStillImage.reset();
    activateWindow();
}

void frmTintrix::StillImage_PointerMoved(QPointF Position) {
    if (mStillImage) {
        mStillImage->SetCursorPos(mStillImage->PixelAt(Position));
    }
}

void frmTintrix::ShowCursorOnStillImage() {
    if (!mStillImage || !mPickZoom) {
        return;
    }
    const QRectF cell = mStillImage->AreaOf(mStillImage->CursorPos());
    // The value line in two, so that it is hardly wider than the view.
    const QString valueLine =
        mPickZoom->LastCursorPosColor() == -1
            ? QString()
            : txtBaseColorValue->text().replace(QLatin1String(" HSV("), QLatin1String("\nHSV("));
    for (StillImageWindow* window : mStillImageWindows) {
        window->ShowCursor(cell, picZoom->Image(), valueLine);
    }
}

void frmTintrix::PickWithDesktopPicker() {
    if (!mServices.colorPicker) {
        chkPick->setChecked(false);
        TellPickingUnavailable();
        return;
    }
    mServices.colorPicker->Pick(this);
}

void frmTintrix::ColorPicker_Finished(Platform::DesktopColorPicker::Outcome Outcome, OLE_COLOR Color,
                                      const QString& Failure) {
    if (!chkPick->isChecked() || mPickZoom) {
        return;
    }
    chkPick->setChecked(false);
    switch (Outcome) {
    case Platform::DesktopColorPicker::Outcome::Picked:
        if (Color != mBaseColor) {
            SetBaseColor(Color);
        }
        break;
    case Platform::DesktopColorPicker::Outcome::Unavailable:
        TellPickingUnavailable();
        break;
    case Platform::DesktopColorPicker::Outcome::Failed:
        TellPickingNote(Failure);
        break;
    case Platform::DesktopColorPicker::Outcome::Cancelled:
        break;
    }
}

void frmTintrix::TellPickingUnavailable() {
    mServices.messageBox->Information(this, QString::fromLatin1(kCaption),
                                      QString::fromLatin1(kNoPickingText));
}

void frmTintrix::TellPickingNote(const QString& Note) {
    const bool told = Note == mPickingNote;
    mPickingNote = Note;
    ShowPickToolTip(Note);
    if (!told) {
        Platform::PlainToolTips::Show(*chkPick, chkPick->mapToGlobal(QPoint(0, chkPick->height())));
    }
}

void frmTintrix::ShowPickToolTip(const QString& Extra) {
    chkPick->setToolTip(Extra.isEmpty() ? mPickToolTip : mPickToolTip + "\n\n" + Extra);
}

void frmTintrix::ShowWaiting(bool Waiting) {
    if (Waiting) {
        chkPick->setCursor(Qt::BusyCursor);
        ShowPickToolTip(QString::fromLatin1(kWaitingText));
    } else {
        chkPick->unsetCursor();
        ShowPickToolTip(mPickingNote);
    }
}

void frmTintrix::Timer_Timer() {
    PickTick();
    ShowCursorOnStillImage();
}

void frmTintrix::PickTick() {
    if (!mPickZoom || mPickZoom->IsMouseOverWindow(*this)) {
        return; // the view, the marker and the base colour stay while the cursor is over the dialog
    }
    mPickZoom->ZoomCanvas(*picZoom);
    const OLE_COLOR color = mPickZoom->LastCursorPosColor();
    if (color == -1) {
        return;
    }
    // The view is redrawn on every tick, so a tick that does not mark shows no marker.
    if (mMarkerBlinkTime < kMarkerShownMs) {
        mPickZoom->MarkLastCursorPos(*picZoom, MarkerColorFor(color));
    } else if (mMarkerBlinkTime > kMarkerCycleMs) {
        mMarkerBlinkTime = 0;
    }
    mMarkerBlinkTime += kTimerIntervalMs;
    if (color != mBaseColor) {
        SetBaseColor(color);
    }
}

OLE_COLOR frmTintrix::MarkerColorFor(OLE_COLOR Color) {
    return Color ^ kMarkerXorMask;
}

bool frmTintrix::MoveCursorByKey(int KeyCode, Qt::KeyboardModifiers Shift) {
    QPoint direction;
    switch (KeyCode) {
    case Qt::Key_Left:
        direction = QPoint(-1, 0);
        break;
    case Qt::Key_Right:
        direction = QPoint(1, 0);
        break;
    case Qt::Key_Up:
        direction = QPoint(0, -1);
        break;
    case Qt::Key_Down:
        direction = QPoint(0, 1);
        break;
    default:
        return false;
    }
    const int step = Shift.testFlag(Qt::ControlModifier) ? kMediumCursorStep
                     : Shift.testFlag(Qt::ShiftModifier) ? kFastCursorStep
                                                         : kSlowCursorStep;
    // Not clamped: the system (or the still image) keeps the cursor on the desktop.
    Platform::Screen& screen = mStillImage ? static_cast<Platform::Screen&>(*mStillImage) : *mServices.screen;
    screen.SetCursorPos(screen.CursorPos() + direction * step);
    return true;
}

void frmTintrix::hideEvent(QHideEvent* event) {
    chkPick->setChecked(false);
    // A window manager may hide the dialog with its owned windows (minimised); a close or hide
    // of the dialog itself closes the contrast window too.
    if (mContrastWindow && !event->spontaneous()) {
        mContrastWindow->close();
    }
    QDialog::hideEvent(event);
}

// ----- Predefined colour list --------------------------------------------------------------------

void frmTintrix::FillPredefinedColors(const QString& FilePath, const QString& Prefix) {
    mPredefinedColorModel->Refill([&] {
        mPredefinedColors.clear();
        modNamedColors::NameList names;
        modNamedColors::ValueList values;
        modNamedColors::GetSystemColors(names, values);
        AddColorsToList(names, values);
        modNamedColors::GetBaseColors(names, values);
        AddColorsToList(names, values);
        modNamedColors::GetHTMLColors(names, values);
        AddColorsToList(names, values);
        const std::string prefix = Prefix.isEmpty() ? std::string(kDefaultPrefix) : ToCore(Prefix);
        names.clear();
        values.clear();
        if (modNamedColors::GetUserDefinedColors(QFile::encodeName(FilePath).toStdString(), prefix, names,
                                                 values) > 0) {
            AddColorsToList(names, values);
        }
    });

    mPositionsByValue.clear();
    mPositionsByValue.reserve(mPredefinedColors.size());
    for (std::size_t i = 0; i < mPredefinedColors.size(); ++i) {
        mPositionsByValue.emplace_back(mPredefinedColors[i].ItemData, static_cast<int>(i));
    }
    std::sort(mPositionsByValue.begin(), mPositionsByValue.end());
}

void frmTintrix::AddColorsToList(const std::vector<std::string>& Names,
                                 const std::vector<OLE_COLOR>& Values) {
    const std::size_t count = std::min(Names.size(), Values.size());
    mPredefinedColors.reserve(mPredefinedColors.size() + count);
    for (std::size_t i = 0; i < count; ++i) {
        const OLE_COLOR value = Values[i];
        if (value < 0) {
            const std::string index =
                modNamedColors::FormatHex(static_cast<std::int32_t>(OleColor::Bits(value) & 0xFFu), 2, false);
            mPredefinedColors.push_back(
                {FromCore(Names[i] + " (" + index + ")"), modColorModels::TranslateColor(value), value});
        } else {
            mPredefinedColors.push_back({FromCore(Names[i]), value, value});
        }
    }
}

// ----- The colour chooser and the HSV dialog -----------------------------------------------------

namespace {

const char* const kSelectorCaption = "Select HSV color";
constexpr std::int32_t kSelectorModal = 0;
constexpr std::int32_t kSelectorRightOfParent = 3;

} // namespace

template <typename Run> void frmTintrix::WhileInputsDisabled(Run&& run) {
    // Disabling takes the focus from the control that had it; it goes back there afterwards.
    const QPointer<QWidget> focused = focusWidget();
    EnableInputs(false);
    run();
    EnableInputs(true);
    if (focused) {
        focused->setFocus(Qt::OtherFocusReason);
    }
}

void frmTintrix::cmdSelect_Click() {
    OLE_COLOR color = mBaseColor;
    WhileInputsDisabled([&] {
        if (modColorDialog::ShowColorDialog(this, color, true) && color != mBaseColor) {
            SetBaseColor(color);
        }
    });
}

void frmTintrix::cmdSelectSpecial_Click() {
    mSavedColor = mBaseColor;
    WhileInputsDisabled([this] {
        if (chkHSVImmediate->isChecked()) {
            Selector = std::make_unique<frmHSVTintrix>(mServices);
            connect(Selector.get(), &frmHSVTintrix::ColorChanged, this, &frmTintrix::Selector_ColorChanged);
            ShowSelector(*Selector);
            if (Selector->Cancelled()) {
                SetBaseColor(mSavedColor);
            }
            Selector.reset();
        } else {
            const auto dialog = std::make_unique<frmHSVTintrix>(mServices);
            if (!ShowSelector(*dialog)) {
                SetBaseColor(dialog->SelectedColor());
            }
        }
    });
}

// Modal, owned by this dialog and to its right, without buttons; returns whether it was cancelled.
bool frmTintrix::ShowSelector(frmHSVTintrix& Dialog) {
    // A caller may have given a base colour that stands for no colour (and shows as black); the
    // HSV dialog would refuse it, so it starts at that black.
    const OLE_COLOR start = SystemColors::OleTranslateColor(mSavedColor)
                                ? mSavedColor
                                : modColorModels::TranslateColor(mSavedColor);
    return Dialog.ShowDialog(start, QString::fromLatin1(kSelectorCaption), true, this, kSelectorModal,
                             kSelectorRightOfParent, false, true, frmHSVTintrix::NoPosition,
                             frmHSVTintrix::NoPosition);
}

void frmTintrix::Selector_ColorChanged(OLE_COLOR NewColor) {
    SetBaseColor(NewColor);
}

// ----- The contrast window -----------------------------------------------------------------------

namespace {

const char* const kContrastEntry = "Contrast ratios...";

} // namespace

void frmTintrix::CreateContrastEntries() {
    auto* entry = new QAction(QString::fromLatin1(kContrastEntry), this);
    connect(entry, &QAction::triggered, this, &frmTintrix::ShowContrastWindow);
    for (QLabel* sample : lblCol) {
        sample->setContextMenuPolicy(Qt::ActionsContextMenu);
        sample->addAction(entry);
    }
    for (QLineEdit* box : {txtBaseColorValue, txtDimmedColorValue, txtContrastColorValue}) {
        box->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(box, &QWidget::customContextMenuRequested, this, [box, entry](QPoint at) {
            QMenu* menu = box->createStandardContextMenu();
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->addSeparator();
            menu->addAction(entry);
            menu->popup(box->mapToGlobal(at));
        });
    }
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_K), this);
    connect(shortcut, &QShortcut::activated, this, &frmTintrix::ShowContrastWindow);
}

void frmTintrix::ShowContrastWindow() {
    if (!mContrastWindow) {
        mContrastWindow = std::make_unique<frmContrast>(mServices, lblCol[2]->font(), mSampleText, this);
        // Below the dialog, where the HSV dialog (to its right) leaves it in view; where there
        // is no room the window manager places it. Its frame is not known before it is shown:
        // it is taken to be like the dialog's.
        const QMargins frame = Platform::OwnWindowFrame(*this);
        const QRect outer = Platform::OuterGeometry(*this);
        const QRect below(QPoint(outer.left(), outer.bottom() + 1),
                          mContrastWindow->sizeHint().grownBy(frame));
        if (screen()->availableGeometry().contains(below)) {
            mContrastWindow->move(below.topLeft() + QPoint(frame.left(), frame.top()));
        }
    }
    mContrastWindow->SetColors(mBaseColor, mDimmedColor, mContrastColor);
    mContrastWindow->show();
    mContrastWindow->raise();
    mContrastWindow->activateWindow();
}

void frmTintrix::UpdateContrastWindow() {
    if (mContrastWindow && mContrastWindow->isVisible()) {
        mContrastWindow->SetColors(mBaseColor, mDimmedColor, mContrastColor);
    }
}
