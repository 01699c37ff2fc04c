#include "frmHSVTintrix.h"

#include "common/Rounding.h"
#include "contrast/modContrast.h"
#include "hsvdialog/FocusMarker.h"
#include "platform/PictureBox.h"
#include "platform/PlainToolTips.h"
#include "platform/QtColor.h"
#include "platform/ScreenMetrics.h"
#include "platform/WindowFrame.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QWindow>
#include <algorithm>

using Rounding::RoundToInt32;
using Rounding::ToSingle;

namespace {

constexpr OLE_COLOR kWindowBackground = OleColor::SystemColor(5);
constexpr OLE_COLOR kWindowText = OleColor::SystemColor(8);
constexpr OLE_COLOR kButtonFace = OleColor::SystemColor(15);
constexpr OLE_COLOR kDescriptionBlue = 0x00C00000;
// The labels keep their dark blue while it is legible as text (WCAG 2's 4.5:1) on the panel.
constexpr double kDescriptionRatio = 4.5;
constexpr OLE_COLOR kBlack = 0x00000000;
constexpr OLE_COLOR kWhite = 0x00FFFFFF;

// Design measures in twips.
constexpr float kPanelWidth = 2232;
constexpr float kPanelHeight = 3972;
constexpr float kButtonHeight = 312;
constexpr float kSquareSize = 360;

// One pixel row per hue.
constexpr int kHueRows = 360;
constexpr int kMargin = 5;

constexpr int kGraySquare = 11;

struct Preset {
    const char* caption; // also the key that selects the square
    const char* toolTip;
    OLE_COLOR back;
    OLE_COLOR captionColor;
};

// Square 11 follows the grey bar; its entries here are placeholders until the bar sets it.
constexpr std::array<Preset, 12> kPresets = {{
    {"W", "White", 0x00FFFFFF, kWindowText},
    {"R", "Red", 0x000000FF, kWindowText},
    {"G", "Green", 0x0000FF00, kWindowText},
    {"B", "Blue", 0x00FF0000, kWhite},
    {"D", "Black", 0x00000000, kWhite},
    {"Y", "Yellow", 0x0000FFFF, kWindowText},
    {"C", "Cyan", 0x00FFFF00, kWindowText},
    {"M", "Magenta", 0x00FF00FF, kWindowText},
    {"0", "75% gray", 0x00C0C0C0, kWindowText},
    {"1", "50% gray", 0x00808080, kWindowText},
    {"2", "25% gray", 0x00404040, kWindowText},
    {"S", "", 0x00808080, kWhite},
}};
constexpr std::array<float, 4> kSquareColumns = {600, 1020, 1440, 1860};
constexpr std::array<float, 3> kSquareRows = {1920, 2340, 2760};

struct ValueRow {
    const char* description;
    float top;
};
constexpr std::array<ValueRow, 6> kValueRows = {{
    {"Hue", 0},
    {"Saturation %", 300},
    {"Value %", 600},
    {"Red", 960},
    {"Green", 1260},
    {"Blue", 1560},
}};

QFont DialogFont(QFont::Weight weight) {
    // Not on every desktop; Qt falls back to the nearest sans-serif face.
    QFont font(QStringLiteral("Microsoft Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(7.8);
    font.setWeight(weight);
    return font;
}

void SetColors(QWidget& control, OLE_COLOR back, OLE_COLOR fore) {
    QPalette palette = control.palette();
    palette.setColor(control.backgroundRole(), QtColor::ToQColor(back));
    palette.setColor(control.foregroundRole(), QtColor::ToQColor(fore));
    control.setPalette(palette);
    control.setAutoFillBackground(true);
}

void SetBackColor(QWidget& control, OLE_COLOR back) {
    QPalette palette = control.palette();
    palette.setColor(control.backgroundRole(), QtColor::ToQColor(back));
    control.setPalette(palette);
    control.setAutoFillBackground(true);
}

// The grey bar's start: a grey colour (its low three bytes equal) starts it at its own level,
// any other colour, a system colour included, at the middle.
std::int32_t InitialGrayLevel(OLE_COLOR color) {
    const std::uint32_t bits = OleColor::Bits(color);
    const std::uint32_t red = bits & 0xFF;
    const std::uint32_t green = (bits >> 8) & 0xFF;
    const std::uint32_t blue = (bits >> 16) & 0xFF;
    return red == green && green == blue ? static_cast<std::int32_t>(blue) : 128;
}

// A fraction as a percentage with at most one decimal (half to even) and no trailing zero:
// "100", "50", "33.3", with the user's decimal separator.
QString PercentText(float fraction) {
    const float percent = ToSingle(static_cast<double>(fraction) * 100.0);
    const std::int32_t tenths = RoundToInt32(static_cast<double>(percent) * 10.0);
    QString text = QString::number(tenths / 10);
    if (tenths % 10 != 0) {
        text += QLocale().decimalPoint() + QString::number(tenths % 10);
    }
    return text;
}

// 0 below 0 and for NaN, 1 above 1.
float ClampFraction(float value) {
    return value >= 0.0f ? std::min(value, 1.0f) : 0.0f;
}

QString GrayToolTip(std::int32_t level) {
    const float fraction = ToSingle(static_cast<double>(level) / 255.0);
    const std::int32_t percent = RoundToInt32(ToSingle(static_cast<double>(fraction) * 100.0));
    return QStringLiteral("Gray %1% (abs %2)").arg(percent).arg(level);
}

// One solid fill of the rectangle (x, y, width, height) of a 32-bit image, clipped to the image;
// the right and bottom edges are excluded.
void FillRectangle(QImage& image, OLE_COLOR color, int x, int y, int width, int height) {
    const QRect area = QRect(x, y, width, height).intersected(image.rect());
    if (area.isEmpty()) {
        return;
    }
    const QRgb pixel = QtColor::ToQColor(color).rgb();
    for (int row = area.top(); row <= area.bottom(); ++row) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(row)) + area.left();
        std::fill(line, line + area.width(), pixel);
    }
}

} // namespace

frmHSVTintrix::frmHSVTintrix(const Platform::Services& services, QWidget* parent)
    : QDialog(parent), mMetrics(services.metrics) {
    Q_ASSERT(mMetrics);
    CreateControls();
    ConnectControls();
}

// QDialog hides and tears down the window after this destructor has run; the focus and hide
// events that causes must not reach the handlers of an object that is already gone.
frmHSVTintrix::~frmHSVTintrix() {
    SetParentEvent(nullptr);
    if (mPreviewedWindow) {
        mPreviewedWindow->removeEventFilter(this);
    }
    for (QObject* child : findChildren<QObject*>()) {
        child->removeEventFilter(this);
        disconnect(child, nullptr, this, nullptr);
    }
}

OLE_COLOR frmHSVTintrix::SelectedColor() const {
    return mColorModel.RGB_OLE_COLOR();
}

// ---------------------------------------------------------------------------------------------
// The controls as they stand before the dialog runs (design positions in twips).

void frmHSVTintrix::CreateControls() {
    setObjectName(QStringLiteral("frmHSVTintrix"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(DialogFont(QFont::Normal));
    const QFont bold = DialogFont(QFont::Bold);

    // Created first so that it lies below the field and only its outline shows.
    shpFocus = new FocusMarker(this);
    shpFocus->setObjectName(QStringLiteral("shpFocus"));
    PlaceTwips(*shpFocus, 60, 1560, 792, 612);
    shpFocus->hide();
    shpFocus->setAccessibleName(QStringLiteral("Hue field focus"));

    picColors = new PictureBox(this);
    picColors->setObjectName(QStringLiteral("picColors"));
    PlaceTwips(*picColors, 60, 540, 840, 816);
    picColors->SetBackColor(kWindowBackground);
    picColors->setFocusPolicy(Qt::StrongFocus);
    picColors->setToolTip(QStringLiteral("Click or use the cursor keys to select the hue."));
    picColors->setAccessibleName(picColors->toolTip());

    picGUI = new QWidget(this);
    picGUI->setObjectName(QStringLiteral("picGUI"));
    PlaceTwips(*picGUI, 1260, 60, kPanelWidth, kPanelHeight);
    picGUI->setFocusPolicy(Qt::NoFocus);
    picGUI->setAccessibleName(QStringLiteral("Color values and presets"));

    scrollSat = new QScrollBar(Qt::Vertical, picGUI);
    scrollSat->setObjectName(QStringLiteral("scrollSat"));
    PlaceTwips(*scrollSat, 0, 0, 240, kPanelHeight);
    scrollBright = new QScrollBar(Qt::Vertical, picGUI);
    scrollBright->setObjectName(QStringLiteral("scrollBright"));
    PlaceTwips(*scrollBright, 300, 0, 240, kPanelHeight);
    // The bars have neither caption nor tool tip: a screen reader names them by what they set.
    scrollSat->setAccessibleName(QStringLiteral("Saturation"));
    scrollBright->setAccessibleName(QStringLiteral("Value"));

    std::array<QLineEdit**, 6> texts = {&txtHue, &txtSat, &txtBright, &txtRed, &txtGreen, &txtBlue};
    constexpr std::array<const char*, 6> textNames = {"txtHue", "txtSat",   "txtBright",
                                                      "txtRed", "txtGreen", "txtBlue"};
    for (std::size_t i = 0; i < kValueRows.size(); ++i) {
        QLabel* label = new QLabel(QString::fromLatin1(kValueRows[i].description), picGUI);
        label->setObjectName(QStringLiteral("lblDesc(%1)").arg(i));
        label->setFont(bold);
        label->move(TwipsToPixelsX(600), TwipsToPixelsY(kValueRows[i].top));
        label->adjustSize();
        lblDesc[i] = label;

        QLineEdit* text = new QLineEdit(picGUI);
        text->setObjectName(QString::fromLatin1(textNames[i]));
        PlaceTwips(*text, 1740, kValueRows[i].top, 480, 300);
        text->setFont(bold);
        text->setReadOnly(true);
        text->setFrame(false);
        text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        // Selectable for copying, but not a stop of the Tab key.
        text->setFocusPolicy(Qt::ClickFocus);
        SetBackColor(*text, kButtonFace);
        text->setAccessibleName(label->text());
        *texts[i] = text;
    }

    for (std::size_t i = 0; i < kPresets.size(); ++i) {
        QLabel* square = new QLabel(QString::fromLatin1(kPresets[i].caption), picGUI);
        square->setObjectName(QStringLiteral("lblColor(%1)").arg(i));
        PlaceTwips(*square, kSquareColumns[i % 4], kSquareRows[i / 4], kSquareSize, kSquareSize);
        square->setFont(bold);
        square->setAlignment(Qt::AlignCenter);
        square->installEventFilter(this);
        lblColor[i] = square;
        SetSquareToolTip(static_cast<int>(i), QString::fromLatin1(kPresets[i].toolTip));
        SetSquareColor(static_cast<int>(i), kPresets[i].back, kPresets[i].captionColor);
    }

    scrollGray = new QScrollBar(Qt::Horizontal, picGUI);
    scrollGray->setObjectName(QStringLiteral("scrollGray"));
    PlaceTwips(*scrollGray, 600, 3180, 1632, 240);
    scrollGray->setAccessibleName(QStringLiteral("Gray level"));

    lblSelectColor = new QLabel(picGUI);
    lblSelectColor->setObjectName(QStringLiteral("lblSelectColor"));
    lblSelectColor->installEventFilter(this);

    cmdOk = new QPushButton(QStringLiteral("&OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    PlaceTwips(*cmdOk, 240, 2580, 552, kButtonHeight);
    cmdOk->setFont(bold);
    cmdOk->setDefault(true);
    cmdOk->setToolTip(QStringLiteral("Click to close. Or hit <Enter>."));

    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    PlaceTwips(*cmdCancel, 0, 3060, 1032, kButtonHeight);
    cmdCancel->setFont(bold);
    cmdCancel->setToolTip(QStringLiteral("Click to cancel. Or hit <Escape> or the X button."));

    for (QScrollBar* bar : {scrollSat, scrollBright, scrollGray}) {
        bar->setFocusPolicy(Qt::StrongFocus);
    }
    setTabOrder(picColors, scrollSat);
    setTabOrder(scrollSat, scrollBright);
    setTabOrder(scrollBright, scrollGray);
    setTabOrder(scrollGray, cmdOk);
    setTabOrder(cmdOk, cmdCancel);

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(1);

    ApplyTextColors();
    Platform::PlainToolTips::Install(*this);
}

void frmHSVTintrix::ApplyTextColors() {
    for (QLabel* label : lblDesc) {
        QPalette palette = label->palette();
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            const OLE_COLOR panel =
                QtColor::FromQColor(picGUI->palette().color(group, picGUI->backgroundRole()));
            palette.setColor(
                group, QPalette::WindowText,
                QtColor::ToQColor(modContrast::LegibleColor(kDescriptionBlue, panel, kDescriptionRatio)));
        }
        label->setPalette(palette);
    }
}

void frmHSVTintrix::changeEvent(QEvent* Event) {
    QDialog::changeEvent(Event);
    if (Event->type() == QEvent::PaletteChange) {
        ApplyTextColors();
    }
}

void frmHSVTintrix::ConnectControls() {
    connect(picColors, &PictureBox::MouseDown, this,
            [this](Qt::MouseButton, QPointF position) { picColors_MouseDown(position.y()); });
    connect(picColors, &PictureBox::MouseMove, this,
            [this](Qt::MouseButtons, QPointF position) { picColors_MouseMove(position.y()); });
    connect(picColors, &PictureBox::MouseUp, this, [this] { picColors_MouseUp(); });
    connect(picColors, &PictureBox::KeyDown, this, [this](int key) { picColors_KeyDown(key); });
    connect(picColors, &PictureBox::GotFocus, this, &frmHSVTintrix::picColors_GotFocus);
    connect(picColors, &PictureBox::LostFocus, this, &frmHSVTintrix::picColors_LostFocus);
    // valueChanged comes for every kind of move, the thumb's drag included.
    connect(scrollSat, &QScrollBar::valueChanged, this, &frmHSVTintrix::scrollSat_Change);
    connect(scrollBright, &QScrollBar::valueChanged, this, &frmHSVTintrix::scrollBright_Change);
    connect(scrollGray, &QScrollBar::valueChanged, this, &frmHSVTintrix::scrollGray_Change);
    connect(cmdOk, &QPushButton::clicked, this, &frmHSVTintrix::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmHSVTintrix::cmdCancel_Click);
    connect(Timer, &QTimer::timeout, this, &frmHSVTintrix::Timer_Timer);
}

// ---------------------------------------------------------------------------------------------
// Contract

bool frmHSVTintrix::ShowDialog(OLE_COLOR Color, const QString& Caption, bool UseParent, QWidget* Parent,
                               std::int32_t Mode, std::int32_t Position, bool OneShot, bool NoButtons,
                               std::int32_t LeftPos, std::int32_t TopPos) {
    if (mShowDialogCalled) {
        return false;
    }
    mShowDialogCalled = true;
    QWidget* parentWindow = Parent ? Parent->window() : nullptr;
    if (UseParent && parentWindow && (Mode == 0 || Mode == 1)) {
        setParent(parentWindow, windowFlags());
    }
    mMode = Mode;
    InitGUI(Color, Caption, OneShot, NoButtons);
    PlaceDialog(Position, parentWindow, LeftPos, TopPos);

    switch (mMode) {
    case 0:
        exec();
        return mCancelled;
    case 1:
        show();
        break;
    case 2:
        if (UseParent) {
            SetParentEvent(parentWindow);
        }
        show();
        break;
    default:
        break;
    }
    return false;
}

void frmHSVTintrix::done(int Result) {
    CloseDialog(Result == QDialog::Rejected, true);
}

void frmHSVTintrix::CloseDialog(bool Cancel, bool DoUnload) {
    if (mUnloaded) {
        return; // the window is gone; nothing may change how it ended
    }
    SetParentEvent(nullptr);
    mCancelled = Cancel;
    if (DoUnload) {
        Unload();
    }
}

// The dialog's own unload: it passes Form_QueryUnload unchanged.
void frmHSVTintrix::Unload() {
    if (mUnloaded) {
        return;
    }
    mUnloadStarted = true;
    mUnloaded = true;
    Form_Unload();
    QDialog::done(mCancelled ? QDialog::Rejected : QDialog::Accepted);
}

void frmHSVTintrix::closeEvent(QCloseEvent* Event) {
    if (!mUnloaded) {
        Form_QueryUnload();
        Unload();
    }
    Event->accept();
}

void frmHSVTintrix::Form_QueryUnload() {
    if (!mUnloadStarted) {
        CloseDialog(true, false);
    }
}

void frmHSVTintrix::Form_Unload() {
    // The window's timer goes with it, so a pending one-shot close cannot overturn a cancel.
    Timer->stop();
    mDragging = false;
    if (mMode != 0) {
        emit Unloading();
    }
}

void frmHSVTintrix::cmdOk_Click() {
    CloseDialog(false, true);
}

void frmHSVTintrix::cmdCancel_Click() {
    CloseDialog(true, true);
}

void frmHSVTintrix::lblSelectColor_DblClick() {
    CloseDialog(false, true);
}

void frmHSVTintrix::Timer_Timer() {
    Timer->stop();
    CloseDialog(false, true);
}

// ---------------------------------------------------------------------------------------------
// Construction and layout

void frmHSVTintrix::InitGUI(OLE_COLOR Color, const QString& Caption, bool OneShot, bool NoButtons) {
    mInitializing = true;
    mScrollScale = 1000;
    mOneShot = OneShot;
    mOriginalColor = Color;
    const std::int32_t gray = InitialGrayLevel(Color);

    setWindowTitle(Caption.isEmpty() ? QStringLiteral("Select color") : Caption);

    for (QScrollBar* bar : {scrollBright, scrollSat}) {
        bar->setRange(0, mScrollScale);
        bar->setSingleStep(mScrollScale / 100);
        bar->setPageStep(mScrollScale / 10);
        SetScrollFraction(*bar, 1.0f);
    }
    scrollGray->setRange(0, 255);
    scrollGray->setSingleStep(1);
    scrollGray->setPageStep(10);
    {
        const QSignalBlocker blocker(scrollGray);
        scrollGray->setValue(gray);
    }
    scrollGray_Change(); // square 11 shows the start grey, black included

    SetBackColor(*picGUI, kButtonFace);
    ApplyTextColors();
    for (int k = 1; k <= 3; ++k) {
        SetSquareColor(kGraySquare - k, OleColor::Rgb(64 * k, 64 * k, 64 * k),
                       kPresets[kGraySquare - k].captionColor);
    }

    const int W = TwipsToPixelsX(kPanelWidth);
    const int clientWidth = 2 * W + 3 * kMargin;
    int B = 0;
    mButtonsShown = !(OneShot || NoButtons);
    if (!mButtonsShown) {
        lblSelectColor->setToolTip(
            QStringLiteral("Currently selected color. ") +
            QStringLiteral("Double click or hit <Enter> to close, hit <Escape> or the X "
                           "button to cancel."));
        lblSelectColor->setAccessibleName(lblSelectColor->toolTip());
        cmdOk->hide();
        cmdCancel->hide();
    } else {
        lblSelectColor->setToolTip(QStringLiteral("Currently selected color. Double click to close"));
        lblSelectColor->setAccessibleName(lblSelectColor->toolTip());
        B = TwipsToPixelsY(kButtonHeight);
        cmdCancel->resize(cmdCancel->width(), B);
    }

    const int panelPixels = TwipsToPixelsY(kPanelHeight);
    const int clientHeight = (panelPixels > kHueRows ? panelPixels : kHueRows) + 2 * kMargin + B;
    SetClientSize(clientWidth, clientHeight);

    picColors->setGeometry(kMargin, kMargin, W, kHueRows);
    shpFocus->setGeometry(kMargin - 1, kMargin - 1, W + 2, kHueRows + 2);

    const int H = clientHeight - 2 * kMargin - B;
    picGUI->setGeometry(clientWidth - kMargin - W, kMargin, W, H);

    const QRect grayBar = scrollGray->geometry();
    const int swatchTop = grayBar.top() + grayBar.height() + kMargin;
    lblSelectColor->setGeometry(grayBar.left(), swatchTop, W - grayBar.left(), H - swatchTop);

    scrollSat->resize(scrollSat->width(), H);
    scrollBright->resize(scrollBright->width(), H);

    if (mButtonsShown) {
        const int top = picGUI->y() + H + kMargin;
        cmdOk->setGeometry(kMargin, top, W, B);
        cmdCancel->setGeometry(cmdOk->x() + cmdOk->width() + kMargin, top, W, B);
    }

    shpFocus->hide();

    mColorModel = CColorModels();
    mColorModel.SetHueMax(359);
    SelectColor(Color);
    mInitializing = false;
}

void frmHSVTintrix::PaintHueField() {
    if (!mPainterModel) {
        mPainterModel = std::make_unique<CColorModels>();
        mPainterModel->SetHueMax(359);
    }
    picColors->Cls();
    QImage& image = picColors->Image();
    const int width = picColors->ScaleWidth();
    mPainterModel->SetHSB_Bright(GetScrollFraction(*scrollBright));
    mPainterModel->SetHSB_Sat(GetScrollFraction(*scrollSat));
    for (std::int32_t hue = 0; hue <= mPainterModel->HueMax(); ++hue) {
        mPainterModel->SetHSB_Hue(hue);
        FillRectangle(image, mPainterModel->RGB_OLE_COLOR(), 0, hue, width, 1);
    }
    picColors->Refresh();
}

void frmHSVTintrix::SetSquareColor(int Index, OLE_COLOR Color, OLE_COLOR CaptionColor) {
    mSquareColors[static_cast<std::size_t>(Index)] = Color;
    SetColors(*lblColor[static_cast<std::size_t>(Index)], Color, CaptionColor);
    lblColor[static_cast<std::size_t>(Index)]->setAccessibleDescription(
        QtColor::AccessibleDescription(Color));
}

void frmHSVTintrix::SetSquareToolTip(int Index, const QString& ToolTip) {
    QLabel& square = *lblColor[static_cast<std::size_t>(Index)];
    square.setToolTip(ToolTip);
    // The caption is the square's key: "White (W)".
    square.setAccessibleName(ToolTip + " (" + square.text() + ")");
}

// ---------------------------------------------------------------------------------------------
// Selection

void frmHSVTintrix::SelectColor(OLE_COLOR Color) {
    mColorModel.SetRGB_OLE_COLOR(Color);
    UpdateDisplay(true);
}

void frmHSVTintrix::SelectColorByKey(QChar KeyChar) {
    const QString key(KeyChar.toUpper());
    for (std::size_t i = 0; i < kPresets.size(); ++i) {
        if (key == QLatin1String(kPresets[i].caption)) {
            SelectColor(mSquareColors[i]);
            return;
        }
    }
}

void frmHSVTintrix::SetHue(std::int32_t Hue) {
    mColorModel.SetHSB_Hue(std::clamp(Hue, 0, mColorModel.HueMax()));
    if (mOneShot) {
        // The bars only previewed; the selection is exactly the row's colour.
        mColorModel.SetHSB_Bright(GetScrollFraction(*scrollBright));
        mColorModel.SetHSB_Sat(GetScrollFraction(*scrollSat));
    }
    UpdateDisplay(false);
}

void frmHSVTintrix::SetSat(float Sat) {
    mColorModel.SetHSB_Sat(ClampFraction(Sat));
    UpdateDisplay(true);
}

void frmHSVTintrix::SetBright(float Bright) {
    mColorModel.SetHSB_Bright(ClampFraction(Bright));
    UpdateDisplay(true);
}

// The vertical bars show 1 at the top, where a Qt scroll bar has its minimum, so a bar's
// position (0..mScrollScale, bottom to top) is its value mirrored.
float frmHSVTintrix::GetScrollFraction(const QScrollBar& Bar) const {
    const std::int32_t position = Bar.maximum() - Bar.value();
    return ToSingle(static_cast<double>(position) / mScrollScale);
}

void frmHSVTintrix::SetScrollFraction(QScrollBar& Bar, float Fraction) {
    const std::int32_t position = RoundToInt32(static_cast<double>(Fraction) * mScrollScale);
    Bar.setValue(Bar.maximum() - position);
}

void frmHSVTintrix::UpdateDisplay(bool SyncBars) {
    const QScopedValueRollback<bool> updating(mUpdating, true);
    txtRed->setText(QString::number(mColorModel.RGB_Red()));
    txtGreen->setText(QString::number(mColorModel.RGB_Green()));
    txtBlue->setText(QString::number(mColorModel.RGB_Blue()));
    txtHue->setText(QString::number(mColorModel.HSB_Hue()));
    txtSat->setText(PercentText(mColorModel.HSB_Sat()));
    txtBright->setText(PercentText(mColorModel.HSB_Bright()));
    if (SyncBars) {
        SetScrollFraction(*scrollSat, mColorModel.HSB_Sat());
        SetScrollFraction(*scrollBright, mColorModel.HSB_Bright());
        PaintHueField();
    }
    const OLE_COLOR color = mColorModel.RGB_OLE_COLOR();
    SetBackColor(*lblSelectColor, color);
    lblSelectColor->setAccessibleDescription(QtColor::AccessibleDescription(color));
    if (!mInitializing) {
        emit ColorChanged(color);
        // Selections until the first tick (a drag going on) only report; the tick closes once.
        if (mOneShot && !Timer->isActive()) {
            Timer->start();
        }
    }
}

// ---------------------------------------------------------------------------------------------
// User actions

void frmHSVTintrix::picColors_MouseDown(double Y) {
    mDragging = true;
    SetHue(RoundToInt32(Y));
}

// Qt keeps sending moves to the field while a button is held, also from above and below it,
// where SetHue clamps to the first and the last row.
void frmHSVTintrix::picColors_MouseMove(double Y) {
    if (mDragging) {
        SetHue(RoundToInt32(Y));
    }
}

void frmHSVTintrix::picColors_MouseUp() {
    mDragging = false;
}

void frmHSVTintrix::picColors_KeyDown(int KeyCode) {
    const std::int32_t hue = mColorModel.HSB_Hue();
    switch (KeyCode) {
    case Qt::Key_Up:
        SetHue(hue - 1);
        break;
    case Qt::Key_Down:
        SetHue(hue + 1);
        break;
    case Qt::Key_PageUp:
        SetHue(hue - 10);
        break;
    case Qt::Key_PageDown:
        SetHue(hue + 10);
        break;
    case Qt::Key_Home:
        SetHue(0);
        break;
    case Qt::Key_End:
        SetHue(mColorModel.HueMax());
        break;
    default:
        break;
    }
}

void frmHSVTintrix::picColors_GotFocus() {
    shpFocus->show();
}

void frmHSVTintrix::picColors_LostFocus() {
    shpFocus->hide();
}

void frmHSVTintrix::scrollSat_Change() {
    VerticalBarChange(*scrollSat, &frmHSVTintrix::SetSat);
}

void frmHSVTintrix::scrollBright_Change() {
    VerticalBarChange(*scrollBright, &frmHSVTintrix::SetBright);
}

// With OneShot the saturation and value bars only preview the field.
void frmHSVTintrix::VerticalBarChange(const QScrollBar& Bar, void (frmHSVTintrix::*Apply)(float)) {
    if (mInitializing || mUpdating) {
        return;
    }
    if (mOneShot) {
        PaintHueField();
        return;
    }
    (this->*Apply)(GetScrollFraction(Bar));
}

void frmHSVTintrix::scrollGray_Change() {
    const std::int32_t level = scrollGray->value();
    const OLE_COLOR gray = OleColor::Rgb(level, level, level);
    SetSquareColor(kGraySquare, gray, level > 128 ? kBlack : kWhite);
    SetSquareToolTip(kGraySquare, GrayToolTip(level));
    if (!mInitializing && !mUpdating && !mOneShot) {
        SelectColor(gray);
    }
}

void frmHSVTintrix::lblColor_Click(int Index) {
    SelectColor(mSquareColors[static_cast<std::size_t>(Index)]);
}

void frmHSVTintrix::Form_KeyPress(QChar KeyChar) {
    SelectColorByKey(KeyChar);
}

void frmHSVTintrix::Form_KeyUp(int KeyCode) {
    if ((KeyCode == Qt::Key_Return || KeyCode == Qt::Key_Enter) && mEnterDown) {
        CloseDialog(false, true);
    } else if (KeyCode == Qt::Key_Escape && mEscapeDown) {
        CloseDialog(true, true);
    }
}

// Key preview: every key event of the window passes here before the focused control sees it;
// nothing is consumed.
void frmHSVTintrix::PreviewKey(const QKeyEvent& Event) {
    const int key = Event.key();
    if (Event.type() == QEvent::KeyPress) {
        mEnterDown = mEnterDown || key == Qt::Key_Return || key == Qt::Key_Enter;
        mEscapeDown = mEscapeDown || key == Qt::Key_Escape;
        // Alt and Meta combinations are commands, not characters.
        if (!Event.text().isEmpty() && !(Event.modifiers() & (Qt::AltModifier | Qt::MetaModifier))) {
            Form_KeyPress(Event.text().at(0));
        }
    } else if (!Event.isAutoRepeat()) {
        Form_KeyUp(key);
    }
}

// The squares and the swatch are labels: a click is a left press and release on the same one,
// and the second press of a double click is no click of its own.
void frmHSVTintrix::HandleLabelMouse(QObject* Watched, const QEvent& Event) {
    switch (Event.type()) {
    case QEvent::MouseButtonPress:
        if (static_cast<const QMouseEvent&>(Event).button() == Qt::LeftButton) {
            mPressedLabel = Watched;
        }
        break;
    case QEvent::MouseButtonRelease: {
        const auto& mouse = static_cast<const QMouseEvent&>(Event);
        const bool click = mouse.button() == Qt::LeftButton && mPressedLabel == Watched &&
                           static_cast<QWidget*>(Watched)->rect().contains(mouse.position().toPoint());
        mPressedLabel = nullptr;
        const auto square = std::find(lblColor.begin(), lblColor.end(), Watched);
        if (click && square != lblColor.end()) {
            lblColor_Click(static_cast<int>(square - lblColor.begin()));
        }
        break;
    }
    case QEvent::MouseButtonDblClick:
        mPressedLabel = nullptr;
        if (Watched == lblSelectColor) {
            lblSelectColor_DblClick();
        }
        break;
    default:
        break;
    }
}

bool frmHSVTintrix::eventFilter(QObject* Watched, QEvent* Event) {
    const QEvent::Type type = Event->type();
    if (Watched == mPreviewedWindow.data()) {
        if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
            PreviewKey(*static_cast<QKeyEvent*>(Event));
        }
    } else if (Watched == ParentEvent.data()) {
        if (type == QEvent::WindowStateChange || type == QEvent::Resize) {
            ParentEvent_Resize();
        } else if (type == QEvent::Close) {
            ParentEvent_QueryUnload();
        }
    } else {
        HandleLabelMouse(Watched, *Event);
    }
    return QDialog::eventFilter(Watched, Event);
}

void frmHSVTintrix::keyPressEvent(QKeyEvent* Event) {
    // Without a Cancel button, Escape ends the dialog on its release (Form_KeyUp), not here.
    if (Event->key() == Qt::Key_Escape && !mButtonsShown) {
        Event->accept();
        return;
    }
    QDialog::keyPressEvent(Event);
}

bool frmHSVTintrix::event(QEvent* Event) {
    const QEvent::Type type = Event->type();
    if (type == QEvent::WindowActivate) {
        Form_Activate();
    }
    const bool handled = QDialog::event(Event);
    if (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show) {
        PlaceAgainWhenFramed();
    }
    return handled;
}

void frmHSVTintrix::showEvent(QShowEvent* Event) {
    QDialog::showEvent(Event);
    if (windowHandle() != mPreviewedWindow) {
        if (mPreviewedWindow) {
            mPreviewedWindow->removeEventFilter(this);
        }
        mPreviewedWindow = windowHandle();
        mPreviewedWindow->installEventFilter(this);
    }
}

// ---------------------------------------------------------------------------------------------
// Placement and parent tracking

void frmHSVTintrix::Form_Activate() {
    if (isVisible()) {
        picColors->setFocus(Qt::ActiveWindowFocusReason);
    }
}

void frmHSVTintrix::SetParentEvent(QWidget* Parent) {
    if (ParentEvent) {
        ParentEvent->removeEventFilter(this);
        disconnect(ParentEvent, nullptr, this, nullptr);
    }
    ParentEvent = Parent;
    if (Parent) {
        Parent->installEventFilter(this);
        // A parent deleted without being closed ends the dialog the same way.
        connect(Parent, &QObject::destroyed, this, [this] { ParentEvent_QueryUnload(); });
    }
}

void frmHSVTintrix::ParentEvent_Resize() {
    if (ParentEvent->isMinimized()) {
        setWindowState(windowState() | Qt::WindowMinimized);
        hide();
    } else if (isMinimized()) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
        show();
    }
}

void frmHSVTintrix::ParentEvent_QueryUnload() {
    CloseDialog(true, true);
}

void frmHSVTintrix::PlaceDialog(std::int32_t Position, QWidget* Parent, std::int32_t LeftPos,
                                std::int32_t TopPos) {
    mPlacement = {Position, Parent, LeftPos, TopPos};
    std::int32_t p = Position;
    if (!Parent && p != 0 && p != 5) {
        p = 0;
    }
    if ((p == 4 || p == 5) && (LeftPos == NoPosition || TopPos == NoPosition)) {
        p = 0;
    }

    // Outer sizes: the client area and the window manager's frame around it.
    mPlacedFrame = Platform::WindowFrame(*this, Parent);
    mFramePending = Platform::OwnWindowFrame(*this).isNull();
    const QSize outer = size().grownBy(mPlacedFrame);
    const float width = PixelsToTwipsX(outer.width());
    const float height = PixelsToTwipsY(outer.height());
    const QRect parent = Parent ? Platform::OuterGeometry(*Parent) : QRect();
    const float parentLeft = PixelsToTwipsX(parent.x());
    const float parentTop = PixelsToTwipsY(parent.y());
    const float parentWidth = PixelsToTwipsX(parent.width());
    const float parentHeight = PixelsToTwipsY(parent.height());
    // The monitor of the parent's centre; the primary one without a parent.
    const QRect screen =
        mMetrics->ScreenGeometryAt(Parent ? std::optional<QPoint>(parent.center()) : std::nullopt);
    const float screenLeft = PixelsToTwipsX(screen.x());
    const float screenTop = PixelsToTwipsY(screen.y());
    const float screenRight = screenLeft + PixelsToTwipsX(screen.width());
    const float screenBottom = screenTop + PixelsToTwipsY(screen.height());

    float left = screenLeft;
    float top = screenTop;
    switch (p) {
    case 0:
        left = screenLeft + (screenRight - screenLeft - width) / 2.0f;
        top = screenTop + (screenBottom - screenTop - height) / 2.0f;
        break;
    case 1:
        left = parentLeft + parentWidth / 2.0f - width / 2.0f;
        top = parentTop + parentHeight / 2.0f - height / 2.0f;
        break;
    case 2:
        left = parentLeft - width;
        top = parentTop;
        break;
    case 3:
        left = parentLeft + parentWidth;
        top = parentTop;
        break;
    case 4:
        left = parentLeft + PixelsToTwipsX(LeftPos);
        top = parentTop + PixelsToTwipsY(TopPos);
        break;
    case 5:
        left = PixelsToTwipsX(LeftPos);
        top = PixelsToTwipsY(TopPos);
        break;
    default:
        break;
    }

    // Keep it on the screen; one larger than the screen starts at its edge.
    if (left + width > screenRight) {
        left = screenRight - width;
    }
    left = std::max(left, screenLeft);
    if (top + height > screenBottom) {
        top = screenBottom - height;
    }
    top = std::max(top, screenTop);

    // A top-level window's position is its frame's top-left corner.
    move(TwipsToPixelsX(left), TwipsToPixelsY(top));
}

// Under X11 the frame is known only once the window manager has framed the mapped window: when it
// differs from the one the dialog was placed with, the dialog is placed again by the same rules.
void frmHSVTintrix::PlaceAgainWhenFramed() {
    if (!mFramePending || !isVisible()) {
        return;
    }
    const QMargins frame = Platform::OwnWindowFrame(*this);
    if (frame.isNull()) {
        return;
    }
    mFramePending = false;
    if (frame != mPlacedFrame) {
        PlaceDialog(mPlacement.position, mPlacement.parent, mPlacement.leftPos, mPlacement.topPos);
    }
}

// Qt sizes a window by its client area, so the frame needs no arithmetic here.
void frmHSVTintrix::SetClientSize(std::int32_t Width, std::int32_t Height) {
    setFixedSize(Width, Height);
}

std::int32_t frmHSVTintrix::TwipsToPixelsX(float Twips) const {
    return RoundToInt32(static_cast<double>(Twips) / mMetrics->TwipsPerPixelX());
}

std::int32_t frmHSVTintrix::TwipsToPixelsY(float Twips) const {
    return RoundToInt32(static_cast<double>(Twips) / mMetrics->TwipsPerPixelY());
}

float frmHSVTintrix::PixelsToTwipsX(std::int32_t Pixels) const {
    return ToSingle(Pixels * mMetrics->TwipsPerPixelX());
}

float frmHSVTintrix::PixelsToTwipsY(std::int32_t Pixels) const {
    return ToSingle(Pixels * mMetrics->TwipsPerPixelY());
}

void frmHSVTintrix::PlaceTwips(QWidget& Control, float Left, float Top, float Width, float Height) const {
    Control.setGeometry(TwipsToPixelsX(Left), TwipsToPixelsY(Top), TwipsToPixelsX(Width),
                        TwipsToPixelsY(Height));
}
