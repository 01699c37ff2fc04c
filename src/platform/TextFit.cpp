#include "TextFit.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

namespace Platform {
namespace {

// QLineEdit keeps this many pixels between its text area and the text on either side.
constexpr int kLineEditTextGap = 2;

// Shares Room out to two margins, each at most as wide as the style made it.
std::pair<int, int> Narrowed(int first, int second, int room) {
    room = std::max(room, 0);
    if (first + second <= room) {
        return {first, second};
    }
    const int narrowedFirst = std::min(first, room / 2);
    return {narrowedFirst, std::min(second, room - narrowedFirst)};
}

} // namespace

void FitTextMargins(QLineEdit& Box, const QString& Widest) {
    QStyleOptionFrame option;
    option.initFrom(&Box);
    option.rect = Box.rect();
    option.lineWidth =
        Box.hasFrame() ? Box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &Box) : 0;
    option.state |= QStyle::State_Sunken;
    const QRect area = Box.style()->subElementRect(QStyle::SE_LineEditContents, &option, &Box);
    const QFontMetrics metrics(Box.font());
    const QMargins margins = Box.textMargins();
    const auto [left, right] =
        Narrowed(margins.left(), margins.right(),
                 area.width() - 2 * kLineEditTextGap - metrics.horizontalAdvance(Widest));
    const auto [top, bottom] = Narrowed(margins.top(), margins.bottom(), area.height() - metrics.height());
    Box.setTextMargins(left, top, right, bottom);
}

} // namespace Platform
