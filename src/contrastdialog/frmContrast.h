#pragma once

#include "common/OleColor.h"
#include "contrast/modContrast.h"
#include "platform/Services.h"

#include <QDialog>
#include <QFont>
#include <QString>
#include <array>
#include <cstddef>

class QComboBox;
class QLabel;
class QPushButton;

// The contrast window: how legible the main dialog's text samples are. For six pairs of text
// and background colour it shows a sample, the WCAG 2 contrast ratio and the five verdicts
// "pass" or "fail", all as seen with the vision chosen in cboVision; "&Copy" puts the same as
// text on the clipboard. Modeless; its owner gives it new colours with SetColors while it is
// shown, Esc or the close button hide it. Controls carry their names as objectName: cboVision,
// cmdCopy, and per row r (0..5, in the order of the rows below) lblCaption(r), lblSample(r),
// lblRatio(r) and lblVerdict(5 r + v) for the verdict v of modContrast::kVerdicts.
class frmContrast : public QDialog {
    Q_OBJECT

public:
    // SampleFont and SampleText: those of the owner's own samples. services.clipboard must
    // outlive the window.
    frmContrast(const Platform::Services& services, const QFont& SampleFont, const QString& SampleText,
                QWidget* parent = nullptr);

    // The three colours the rows pair, as the owner stores them (a system colour is shown with
    // its current RGB); shows them at once.
    void SetColors(OLE_COLOR Base, OLE_COLOR Dimmed, OLE_COLOR Contrast);

    // The rows: "Base on dimmed", "Base on contrast", "Dimmed on base", "Contrast on base",
    // "Base on white", "Base on black".
    static constexpr std::size_t kRowCount = 6;

protected:
    // Paints the samples in the seen colours of their rows.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A row's text and background colour as seen with the chosen vision, and their ratio.
    struct SeenPair {
        OLE_COLOR Text = -1, Background = -1;
        double Ratio = 0.0;
    };
    SeenPair Seen(std::size_t Row) const;

    void CreateControls(const QFont& SampleFont, const QString& SampleText);
    // Pushes the colours and the vision to the controls of every row whose seen colours changed.
    void UpdateDisplay();
    void cboVision_Click(int Index);
    void cmdCopy_Click();
    // "Contrast (WCAG 2), " and the vision's name, then one line per row: the caption padded to
    // 16 characters, ": #RRGGBB on #RRGGBB" (the seen colours), two blanks, the ratio
    // right-aligned in 7 characters, then "  AA pass" and so on for each verdict. Lines joined
    // by CR LF, none after the last.
    QString BuildRatiosText() const;

    Platform::Services mServices;

    // State: the owner's colours and the vision they are seen with.
    OLE_COLOR mBaseColor = 0;
    OLE_COLOR mDimmedColor = 0;
    OLE_COLOR mContrastColor = 0;
    modContrast::Vision mVision = modContrast::Vision::Typical;
    // What each row shows: the main dialog tells the window of the base colour and of the
    // derived colours one after the other, and rows without a change are left alone.
    std::array<SeenPair, kRowCount> mShown{};

    // Controls (owned by the window as its children)
    QComboBox* cboVision = nullptr;
    std::array<QLabel*, kRowCount> lblSample{};
    std::array<QLabel*, kRowCount> lblRatio{};
    std::array<QLabel*, kRowCount * modContrast::kVerdicts.size()> lblVerdict{};
    QPushButton* cmdCopy = nullptr;
};
