#pragma once

#include "colormodels/modColorModels.h"
#include "common/OleColor.h"
#include "maindialog/PredefinedColorModel.h"
#include "platform/DesktopColorPicker.h"
#include "platform/Services.h"

#include <QDialog>
#include <QImage>
#include <QPointF>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class CZoom;
class PictureBox;
class StillImageWindow;
class QCheckBox;
class QComboBox;
class QHideEvent;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class frmContrast;
class frmHSVTintrix;

namespace Platform {
class Screen;
class StillImageScreen;
} // namespace Platform

// The main dialog: a reusable colour dialog around one base colour. ShowDialog opens it, modally
// or not; the eight read-only properties report the base colour, its dimmed and contrast colours
// and their grey values. Every way of choosing a whole colour ends in SetBaseColor; the typed RGB
// and HSV texts set only the base colour, the dim factor, the mask and the contrast method only
// the derived colours. Controls carry their names as objectName ("cboSelect", "lblCol(2)").
class frmTintrix : public QDialog {
    Q_OBJECT

public:
    // Builds the window and its controls (hidden) laid out with the services' screen metrics.
    explicit frmTintrix(const Platform::Services& services = Platform::Services::Qt(),
                        QWidget* parent = nullptr);
    ~frmTintrix() override;

    // Always false: nothing in this dialog cancels it.
    bool Cancelled() const { return mCancelled; }
    // Name of the selected predefined entry, "" when none is selected.
    QString BaseColorName() const { return mBaseColorName; }
    // The base colour exactly as it was set (a system colour given by a caller stays one).
    OLE_COLOR BaseColor() const { return mBaseColor; }
    std::int32_t BaseColorGreyValue() const { return mBaseColorGreyValue; } // 0..255
    OLE_COLOR DimmedColor() const { return mDimmedColor; }                  // plain RGB
    std::int32_t DimmedColorGreyValue() const { return mDimmedColorGreyValue; }
    OLE_COLOR ContrastColor() const { return mContrastColor; } // plain RGB
    std::int32_t ContrastColorGreyValue() const { return mContrastColorGreyValue; }

    // Initialises the dialog with Color, the user-defined colours file at
    // UserDefinedColorsFilePath (a missing or void file adds no entries) and the prefix of its
    // names ("" means "USER_"), then shows it owned by Parent (none: no owner). Modal: returns
    // when the dialog has been closed, with Cancelled. Otherwise returns false at once.
    bool ShowDialog(OLE_COLOR Color, bool Modal, const QString& UserDefinedColorsFilePath,
                    const QString& UserDefinedColorsPrefix, QWidget* Parent);

protected:
    // Key preview: every key reaches Form_KeyDown / Form_KeyUp before the focused control, and
    // the four input boxes get FilterKey.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The dialog has no Cancel button: Esc does not close it.
    void keyPressEvent(QKeyEvent* event) override;
    // Keys released while the dialog itself has the focus reach Form_KeyUp too.
    void keyReleaseEvent(QKeyEvent* event) override;
    // Picking ends with the dialog: closed or hidden, it keeps the last picked colour.
    void hideEvent(QHideEvent* event) override;
    // A new palette (the desktop's, light or dark) recolours the designed texts.
    void changeEvent(QEvent* event) override;

private:
    // Layout
    void CreateControls();
    template <typename Control> Control* ControlNamed(const char* name) const;
    int PixelsX(int twips) const;
    int PixelsY(int twips) const;
    // The dark blue of the inputs and lists and the grey of the value lines and lblSelect, as
    // designed where the controls' backgrounds leave them legible, else the nearest colours of
    // their hues that are (modContrast::LegibleColor); again after every change of background.
    void ApplyTextColors();
    // Narrows the style's text margins of a box where they would cut its widest text.
    void FitText(QObject* box);

    // Start
    void InitDialog(OLE_COLOR Color, const QString& FilePath, const QString& Prefix);
    void SetListIndexQuietly(QComboBox* List, int Index);

    // Base colour and derived values
    void SetBaseColor(OLE_COLOR Color);
    void SetBaseColorFromRGB(std::optional<OLE_COLOR> Color = std::nullopt);
    void SetBaseColorFromHSV();
    void ShowBaseColor(OLE_COLOR Color, const HSBValues& HSV);
    void UpdateDerivedColors();
    // The colours of the swatch and the samples for a screen reader, from the stored colours.
    void DescribeSamples();
    OLE_COLOR ComputeContrastColor(OLE_COLOR Color, std::int32_t Mask) const;
    float ReadDimFactor();
    int FindEquivalentColors(OLE_COLOR Color);
    static QString ColorValueText(OLE_COLOR Color);
    QString SelectedColorName(bool WithValue) const;

    // Input
    static bool FilterKey(int& KeyAscii, bool AllowHex, bool AllowComma, bool AllowDot, bool AllowMinus);
    bool FilterInputBoxKey(QObject* box, QKeyEvent& event);
    // Screen picking takes its keys here; true consumes the key.
    bool Form_KeyDown(QKeyEvent& event);
    bool Form_KeyUp(QKeyEvent& event);
    void cboSelect_Click(int index);
    void lstEquivalent_Click();
    void cboContrastColorMode_Click();
    void chkITU_Click();
    // Disables (false) or enables every input control while another dialog or picking runs.
    void EnableInputs(bool Enable);

    // Scratch pad and copy
    void cmdCopy_Click();
    void chkScratchPad_Click(bool checked);
    void txtOut_DblClick();
    QString BuildValuesText() const;
    void AppendToScratchPad(const QString& Text);

    // Screen picking: while chkPick is checked, a 10 ms timer shows the screen around the cursor
    // enlarged in picZoom and makes the pixel under the cursor the base colour. Where the screen
    // cannot be read (Wayland), the screen is one still image of the desktop (mStillImage),
    // shown full screen over every monitor, and where the desktop takes none, the desktop's own
    // colour picker (mServices.colorPicker) picks instead of the magnifier.
    void chkPick_Click(bool Checked);
    // Starts (true) or stops (false) picking; a stop after Esc goes back to mSavedColor.
    void SetPickMode(bool On);
    // Whether picking reads the screen itself now, rather than a still image or the desktop's
    // picker.
    bool ReadsScreenLive() const;
    // Puts picZoom in place of the swatch, and the magnifier on Screen with the timer.
    void ShowMagnifier();
    void StartMagnifier(Platform::Screen& Screen);
    // Asks the desktop for the still image; the desktop's picker where there is no way to it.
    void TakeStillImage();
    void Screenshot_Finished(const QImage& Image, const QString& Failure);
    // Shows Image full screen on every monitor and picks over it.
    void ShowStillImage(const QImage& Image);
    void CloseStillImage();
    void StillImage_PointerMoved(QPointF Position);
    // The picking cursor, the magnified view and the value line on the still image, after a tick.
    void ShowCursorOnStillImage();
    void PickWithDesktopPicker();
    void ColorPicker_Finished(Platform::DesktopColorPicker::Outcome Outcome, OLE_COLOR Color,
                              const QString& Failure);
    void TellPickingUnavailable();
    // chkPick's tool tip says Note after its own text ("" says nothing more); a note that was not
    // the last one said pops up at once too, so the user is told once.
    void TellPickingNote(const QString& Note);
    void ShowPickToolTip(const QString& Extra);
    // While the desktop has not answered for the still image: chkPick shows that Tintrix waits.
    void ShowWaiting(bool Waiting);
    void Timer_Timer();
    // One step of picking; does nothing while the cursor is over the dialog or its pixel cannot
    // be read.
    void PickTick();
    // Colour XOR 0xAAAAAA: every second bit of each component flipped, so the marker always
    // stands out from the pixel it marks.
    static OLE_COLOR MarkerColorFor(OLE_COLOR Color);
    // Moves the mouse cursor (the picking cursor over a still image) for an arrow key, 1 screen
    // pixel, 50 with Shift, 10 with Ctrl (with or without Shift). True when KeyCode was an arrow
    // key, which is then consumed.
    bool MoveCursorByKey(int KeyCode, Qt::KeyboardModifiers Shift);

    // Predefined colour list
    void FillPredefinedColors(const QString& FilePath, const QString& Prefix);
    void AddColorsToList(const std::vector<std::string>& Names, const std::vector<OLE_COLOR>& Values);

    // Choosing the base colour in the colour chooser or the HSV dialog. Both run modally with the
    // inputs disabled and give the focus back to where it was when they close.
    void cmdSelect_Click();
    void cmdSelectSpecial_Click();
    bool ShowSelector(frmHSVTintrix& Dialog);
    template <typename Run> void WhileInputsDisabled(Run&& run);
    void Selector_ColorChanged(OLE_COLOR NewColor);

    // The contrast window of the samples, opened with Ctrl+K or "Contrast ratios..." in the
    // context menus of the samples and the value boxes. Created on first opening as a child
    // window, so that it stays above the dialog; it closes when the dialog does. While it is
    // shown, the update pipeline gives it the stored colours; closed, it costs nothing.
    void CreateContrastEntries();
    void ShowContrastWindow();
    void UpdateContrastWindow();
    std::unique_ptr<frmContrast> mContrastWindow;

    // The HSV dialog while it is open in immediate mode (its changes apply at once), none
    // otherwise. Owned here, so that it goes before the controls when the dialog does.
    std::unique_ptr<frmHSVTintrix> Selector;

    Platform::Services mServices;

    // State behind the contract's properties
    bool mCancelled = false;
    QString mBaseColorName;
    OLE_COLOR mBaseColor = 0;
    std::int32_t mBaseColorGreyValue = 0;
    OLE_COLOR mDimmedColor = 0;
    std::int32_t mDimmedColorGreyValue = 0;
    OLE_COLOR mContrastColor = 0;
    std::int32_t mContrastColorGreyValue = 0;

    // The base colour from before picking or the HSV dialog, to go back to on a cancel.
    OLE_COLOR mSavedColor = 0;
    bool mListClickSuppressed = false;
    bool mListSelectionPending = false;
    // The texts last written into the RGB and HSV boxes, against which an edit is read.
    QString mPreviousRGBText;
    QString mPreviousHSVText;
    // The sample text that lblCol(1) was designed with.
    QString mSampleText;

    // The predefined colour list as cboSelect shows it, and its positions sorted by item data
    // (equal values in list order) for the lookups of equal colours.
    std::vector<PredefinedColor> mPredefinedColors;
    std::vector<std::pair<OLE_COLOR, int>> mPositionsByValue;
    PredefinedColorModel* mPredefinedColorModel = nullptr;

    // Screen picking: the still image of the desktop and its windows, one per monitor (children
    // of the dialog, so that they go with it), while picking runs over one; the magnifier,
    // present only while it runs; whether Esc asked for mSavedColor back; the marker's blink
    // clock in milliseconds, which runs on from one picking to the next; chkPick's own tool tip
    // and the note last said on it.
    std::unique_ptr<Platform::StillImageScreen> mStillImage;
    std::vector<StillImageWindow*> mStillImageWindows;
    std::unique_ptr<CZoom> mPickZoom;
    bool mPickCancelled = false;
    std::int32_t mMarkerBlinkTime = 0;
    QString mPickToolTip;
    QString mPickingNote;

    // Controls (owned by the dialog as its children)
    QComboBox* cboSelect = nullptr;
    QPushButton* cmdSelect = nullptr;
    QPushButton* cmdSelectSpecial = nullptr;
    QPushButton* cmdCopy = nullptr;
    QPushButton* chkPick = nullptr;
    QPushButton* cmdSetFromRGB = nullptr;
    QLineEdit* txtBaseColorRGB = nullptr;
    QPushButton* cmdSetFromHSB = nullptr;
    QLineEdit* txtBaseColorHSV = nullptr;
    QPushButton* cmdDim = nullptr;
    QLineEdit* txtDimFactor = nullptr;
    QCheckBox* chkITU = nullptr;
    QCheckBox* chkHSVImmediate = nullptr;
    std::array<QLabel*, 6> lblCol{};
    QLineEdit* txtDimmedColorValue = nullptr;
    PictureBox* picZoom = nullptr;
    QLineEdit* txtContrastColorValue = nullptr;
    QPlainTextEdit* txtOut = nullptr;
    QLineEdit* txtBaseColorValue = nullptr;
    QLabel* lblSelect = nullptr;
    QListWidget* lstEquivalent = nullptr;
    QComboBox* cboContrastColorMode = nullptr;
    QLineEdit* txtMask = nullptr;
    QCheckBox* chkScratchPad = nullptr;
    QTimer* Timer = nullptr;
};
