#include "modColorDialog.h"

#include "colormodels/modColorModels.h"
#include "platform/QtColor.h"

#include <QColorDialog>
#include <array>

namespace modColorDialog {
namespace {

constexpr int kCustomColorCount = 16;
constexpr OLE_COLOR kButtonFace = OleColor::SystemColor(15);

// The module's state for the run: the custom colours and whether they have been filled yet.
std::array<OLE_COLOR, kCustomColorCount> CustomColors{};
bool CustomColorsInitialised = false;

// Qt keeps one set of custom colours for every chooser of the process and writes it into the
// user's Qt settings at exit, where other Qt programs read it. Ours go into it only while our
// chooser is open, so that the user's colours of those programs come back unchanged.
class CustomColorsLent {
public:
    CustomColorsLent() {
        for (int i = 0; i < kCustomColorCount; ++i) {
            mShared[i] = QColorDialog::customColor(i);
            QColorDialog::setCustomColor(i, QtColor::ToQColor(CustomColors[i]));
        }
    }
    ~CustomColorsLent() {
        for (int i = 0; i < kCustomColorCount; ++i) {
            CustomColors[i] = QtColor::FromQColor(QColorDialog::customColor(i));
            QColorDialog::setCustomColor(i, mShared[i]);
        }
    }
    CustomColorsLent(const CustomColorsLent&) = delete;
    CustomColorsLent& operator=(const CustomColorsLent&) = delete;

private:
    std::array<QColor, kCustomColorCount> mShared;
};

} // namespace

// FullOpen: Qt's chooser has no closed form of its custom colours panel.
bool ShowColorDialog(QWidget* OwnerWindow, OLE_COLOR& Color, [[maybe_unused]] bool FullOpen) {
    if (!CustomColorsInitialised) {
        CustomColors.fill(modColorModels::TranslateColor(kButtonFace));
        CustomColorsInitialised = true;
    }
    // Qt's own chooser, not the desktop's: only its custom colours can be filled and read back.
    QColorDialog chooser(QtColor::ToQColor(Color), OwnerWindow);
    chooser.setOption(QColorDialog::DontUseNativeDialog);
    bool confirmed = false;
    {
        const CustomColorsLent lent;
        confirmed = chooser.exec() == QDialog::Accepted;
    }
    if (confirmed) {
        Color = QtColor::FromQColor(chooser.selectedColor());
    }
    return confirmed;
}

} // namespace modColorDialog
