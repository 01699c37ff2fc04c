#pragma once

#include "colormodels/CColorModels.h"
#include "common/OleColor.h"
#include "platform/Services.h"

#include <QDialog>
#include <QMargins>
#include <QPointer>
#include <array>
#include <cstdint>
#include <memory>

class FocusMarker;
class PictureBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTimer;
class QWindow;

// The HSV dialog: a hue field of 360 pixel rows (row y is hue y), saturation and value bars, six
// value displays, twelve preset squares and a grey bar. One object serves one ShowDialog call;
// afterwards OriginalColor, SelectedColor and Cancelled stay readable as long as the object lives.
//
// While the dialog is open, every change of the selected colour raises ColorChanged
// synchronously (also inside a modal ShowDialog, and also when the new colour equals the old);
// opening it raises none. Unloading is raised as the window goes, only when Mode is not 0;
// handlers of Unloading may read the properties but must not delete the object (use deleteLater).
//
// How it ends, and Cancelled:
//   OK button, Enter (on release), double click on the swatch, OneShot's first selection: false;
//   Cancel button, Escape (on release), the window's close button or any other close, the
//   followed parent closing (Mode 2): true.
// The QDialog API ends it the same way: accept() confirms, reject() cancels.
class frmHSVTintrix : public QDialog {
    Q_OBJECT

public:
    // LeftPos / TopPos value meaning "no position given".
    static constexpr std::int32_t NoPosition = INT32_MIN;

    // services.metrics (twips per pixel, screen geometry) must outlive the dialog.
    explicit frmHSVTintrix(const Platform::Services& services = Platform::Services::Qt(),
                           QWidget* parent = nullptr);
    ~frmHSVTintrix() override;

    // Color exactly as passed to ShowDialog, untranslated (0 before).
    OLE_COLOR OriginalColor() const { return mOriginalColor; }
    // The selected colour as a plain RGB value 0x00BBGGRR (black before ShowDialog).
    OLE_COLOR SelectedColor() const;
    // How the dialog ended; false until it has.
    bool Cancelled() const { return mCancelled; }

    // Builds, places and shows the dialog; call it once per object (later calls do nothing and
    // return false).
    //   Color: the start colour; a system colour is translated to its current RGB. A value that
    //     cannot be translated throws ComponentError 5 and leaves the dialog hidden.
    //   Caption: the window title; empty gives "Select color".
    //   UseParent: Modes 0 and 1: Parent owns the dialog (Qt parent, hence deleted with it);
    //     Mode 2: the dialog follows Parent (minimised with it, closed before it).
    //   Parent: the window Position 1 to 4 refer to; used for placement alone without UseParent.
    //   Mode: 0 modal (returns when closed), 1 modeless, 2 modeless without owner, any other
    //     value: built and placed but not shown.
    //   Position: 0 centred on the screen, 1 centred on Parent, 2 left of it, 3 right of it (tops
    //     aligned), 4 LeftPos/TopPos pixels from Parent's top-left, 5 LeftPos/TopPos screen
    //     pixels, any other: the screen's top-left. Without Parent anything but 5 centres; 4 and 5
    //     without both positions centre. "The screen" is the monitor that holds Parent's centre
    //     (the primary one without Parent), and the window is kept on it. Sizes and positions are
    //     outer ones, the window manager's frame included; when the frame the dialog was placed
    //     with proves wrong once it is shown, it is placed again.
    //   OneShot: the first selection closes the dialog; the bars and the grey bar only preview;
    //     hides the buttons.
    //   NoButtons: hide OK and Cancel, the window is their height shorter.
    // Returns Cancelled in Mode 0, false otherwise.
    bool ShowDialog(OLE_COLOR Color, const QString& Caption = {}, bool UseParent = false,
                    QWidget* Parent = nullptr, std::int32_t Mode = 0, std::int32_t Position = 0,
                    bool OneShot = false, bool NoButtons = true, std::int32_t LeftPos = NoPosition,
                    std::int32_t TopPos = NoPosition);

    // QDialog's own way to end (accept, reject, done) ends it as CloseDialog does:
    // done(Rejected) cancels, any other result confirms.
    void done(int Result) override;

signals:
    // NewColor is always a plain RGB value.
    void ColorChanged(OLE_COLOR NewColor);
    void Unloading();

protected:
    bool event(QEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    void closeEvent(QCloseEvent* Event) override;
    void showEvent(QShowEvent* Event) override;
    // A new palette (the desktop's, light or dark) recolours the labels.
    void changeEvent(QEvent* Event) override;

private:
    void CreateControls();
    void ConnectControls();
    // The labels' dark blue where the panel leaves it legible, else the nearest blue that is.
    void ApplyTextColors();

    void ParentEvent_Resize();
    void ParentEvent_QueryUnload();
    void Form_Activate();
    void Form_KeyPress(QChar KeyChar);
    void Form_KeyUp(int KeyCode);
    void Form_QueryUnload();
    void Form_Unload();
    void Timer_Timer();
    void cmdOk_Click();
    void cmdCancel_Click();
    void lblSelectColor_DblClick();
    void lblColor_Click(int Index);
    void picColors_GotFocus();
    void picColors_LostFocus();
    void picColors_KeyDown(int KeyCode);
    void picColors_MouseDown(double Y);
    void picColors_MouseMove(double Y);
    void picColors_MouseUp();
    void scrollBright_Change();
    void scrollSat_Change();
    void scrollGray_Change();
    void VerticalBarChange(const QScrollBar& Bar, void (frmHSVTintrix::*Apply)(float));

    void InitGUI(OLE_COLOR Color, const QString& Caption, bool OneShot, bool NoButtons);
    void SelectColor(OLE_COLOR Color);
    void SelectColorByKey(QChar KeyChar);
    void SetHue(std::int32_t Hue);
    void SetSat(float Sat);
    void SetBright(float Bright);
    void UpdateDisplay(bool SyncBars);
    void PaintHueField();
    float GetScrollFraction(const QScrollBar& Bar) const;
    void SetScrollFraction(QScrollBar& Bar, float Fraction);
    void CloseDialog(bool Cancel, bool DoUnload);
    void Unload();
    void PlaceDialog(std::int32_t Position, QWidget* Parent, std::int32_t LeftPos, std::int32_t TopPos);
    void PlaceAgainWhenFramed();
    void SetParentEvent(QWidget* Parent);
    void SetSquareColor(int Index, OLE_COLOR Color, OLE_COLOR CaptionColor);
    // The tool tip and, with the square's key, the name a screen reader gives it.
    void SetSquareToolTip(int Index, const QString& ToolTip);
    void SetClientSize(std::int32_t Width, std::int32_t Height);
    std::int32_t TwipsToPixelsX(float Twips) const;
    std::int32_t TwipsToPixelsY(float Twips) const;
    float PixelsToTwipsX(std::int32_t Pixels) const;
    float PixelsToTwipsY(std::int32_t Pixels) const;
    void PlaceTwips(QWidget& Control, float Left, float Top, float Width, float Height) const;
    void PreviewKey(const QKeyEvent& Event);
    void HandleLabelMouse(QObject* Watched, const QEvent& Event);

    Platform::ScreenMetrics* mMetrics;

    // Controls, owned by the dialog through Qt's parent chain.
    PictureBox* picColors = nullptr;
    FocusMarker* shpFocus = nullptr;
    QWidget* picGUI = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCancel = nullptr;
    QScrollBar* scrollSat = nullptr;
    QScrollBar* scrollBright = nullptr;
    QScrollBar* scrollGray = nullptr;
    std::array<QLabel*, 6> lblDesc{};
    QLineEdit* txtHue = nullptr;
    QLineEdit* txtSat = nullptr;
    QLineEdit* txtBright = nullptr;
    QLineEdit* txtRed = nullptr;
    QLineEdit* txtGreen = nullptr;
    QLineEdit* txtBlue = nullptr;
    std::array<QLabel*, 12> lblColor{};
    QLabel* lblSelectColor = nullptr;
    QTimer* Timer = nullptr;

    CColorModels mColorModel;
    std::unique_ptr<CColorModels> mPainterModel;
    OLE_COLOR mOriginalColor = 0;
    std::int32_t mMode = 0;
    bool mOneShot = false;
    bool mCancelled = false;
    std::int32_t mScrollScale = 1000;
    bool mInitializing = false;
    bool mUpdating = false;
    bool mDragging = false;
    QPointer<QWidget> ParentEvent;

    // The preset squares' backgrounds, so that a selection never reads a colour back from a widget.
    std::array<OLE_COLOR, 12> mSquareColors{};
    bool mButtonsShown = false;
    bool mShowDialogCalled = false;
    bool mUnloadStarted = false;
    bool mUnloaded = false;
    // Enter and Escape end the dialog on release only when they went down here, so the release of
    // the key that opened the dialog in another window does not close it at once.
    bool mEnterDown = false;
    bool mEscapeDown = false;
    QObject* mPressedLabel = nullptr;
    // What the dialog was placed by, with the window manager's frame it assumed; while
    // mFramePending the dialog's own frame is not yet known.
    struct Placement {
        std::int32_t position = 0;
        QPointer<QWidget> parent;
        std::int32_t leftPos = NoPosition;
        std::int32_t topPos = NoPosition;
    } mPlacement;
    QMargins mPlacedFrame;
    bool mFramePending = false;
    QPointer<QWindow> mPreviewedWindow;
};
