#include "CZoom.h"

#include "common/ComponentError.h"
#include "common/Rounding.h"
#include "platform/PictureBox.h"
#include "platform/QtColor.h"
#include "platform/Screen.h"

#include <QImage>
#include <QWidget>
#include <algorithm>
#include <limits>
#include <string>

namespace {

// Zoom's geometry in 64 bits: a huge destination with a large factor must not overflow.
using Int = std::int64_t;

struct Box {
    Int left = 0;
    Int top = 0;
    Int width = 0;
    Int height = 0;
};

// The part of Box that lies in Clip (which fits in an int), empty when none.
QRect Within(const Box& box, const QRect& clip) {
    const Int left = std::max<Int>(box.left, clip.left());
    const Int top = std::max<Int>(box.top, clip.top());
    const Int right = std::min<Int>(box.left + box.width, Int{clip.left()} + clip.width());
    const Int bottom = std::min<Int>(box.top + box.height, Int{clip.top()} + clip.height());
    if (right <= left || bottom <= top) {
        return QRect();
    }
    return QRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
                 static_cast<int>(bottom - top));
}

std::int32_t Saturated(Int value) {
    return static_cast<std::int32_t>(std::clamp<Int>(value, std::numeric_limits<std::int32_t>::min(),
                                                     std::numeric_limits<std::int32_t>::max()));
}

// The translated colour as an opaque pixel; an untranslatable colour is black.
QRgb TranslateColor(OLE_COLOR color) {
    return QtColor::ToQColor(color).rgb();
}

bool HasRgb32Pixels(const QImage& image) {
    const QImage::Format format = image.format();
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

// Sets pixels Left..Right - 1 of one row; opaque pixels are stored alike in the three
// 32-bit formats, and any other format takes the slow road.
void FillRow(QImage& image, int y, int left, int right, QRgb pixel) {
    if (HasRgb32Pixels(image)) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(row + left, row + right, pixel);
    } else {
        for (int x = left; x < right; ++x) {
            image.setPixelColor(x, y, QColor::fromRgb(pixel));
        }
    }
}

// Fills what of Box lies in Clip.
void FillRectangle(QImage& image, const Box& box, const QRect& clip, QRgb pixel) {
    const QRect area = Within(box, clip);
    for (int y = area.top(); y < area.top() + area.height(); ++y) {
        FillRow(image, y, area.left(), area.left() + area.width(), pixel);
    }
}

// Where the magnified area goes, worked out from the destination size, the cursor and the
// desktop. Source coordinates are relative to the desktop's top-left corner; destination
// coordinates relative to the destination area's.
struct ZoomLayout {
    Int sx = 0, sy = 0, sw = 0, sh = 0; // the source rectangle on the screen
    Int offX = 0, offY = 0;             // where the image starts, past the left and top margins
    Int fullW = 0, fullH = 0;           // the magnified size before any clipping
    Int column = 0, row = 0;            // the cursor's cell in the source
    Box margins[4];                     // left, top, right, bottom (empty when the area stays on the desktop)
};

// One axis of a view centred on the cursor: the source's start and size and the cursor's cell
// in it. A source that would start before the desktop's left (or top) edge starts there, and
// the view begins Offset pixels in, so that the cursor's cell stays where it would be.
struct CentredAxis {
    Int start, size, offset, cell;
};

CentredAxis Centre(Int Z, Int cursor, Int size) {
    const Int start = cursor - size / 2;
    if (start < 0) {
        return {0, size + start, -Z * start, cursor};
    }
    return {start, size, 0, size / 2};
}

// How many pixels a source ending at End reaches past the desktop's right (or bottom) edge,
// whose position may carry a fraction; halves round to even.
Int Beyond(Int end, double edge) {
    return Rounding::RoundToInt32(static_cast<double>(end) - edge);
}

// False when the destination is smaller than one cell.
bool LayOut(ZoomLayout& L, Int Z, Int destW, Int destH, bool fullPixelsOnly, bool centered, Int cursorX,
            Int cursorY, const QRectF& desktop) {
    L.sw = destW / Z;
    L.sh = destH / Z;
    if (L.sw <= 0 || L.sh <= 0) {
        return false;
    }
    if (!fullPixelsOnly) {
        L.sw += destW % Z != 0 ? 1 : 0;
        L.sh += destH % Z != 0 ? 1 : 0;
    }
    L.fullW = Z * L.sw;
    L.fullH = Z * L.sh;

    if (centered) {
        const CentredAxis x = Centre(Z, cursorX, L.sw);
        const CentredAxis y = Centre(Z, cursorY, L.sh);
        L.sx = x.start;
        L.sw = x.size;
        L.offX = x.offset;
        L.column = x.cell;
        L.sy = y.start;
        L.sh = y.size;
        L.offY = y.offset;
        L.row = y.cell;
        if (L.offX > 0) {
            L.margins[0] = {0, 0, L.offX, L.fullH};
        }
        if (L.offY > 0) {
            L.margins[1] = {0, 0, L.fullW, L.offY};
        }
    } else {
        L.sx = cursorX;
        L.sy = cursorY;
    }

    // The right and bottom margins follow the image, so that with margins at both sides
    // (a source wider than the desktop) the view stays in one piece.
    const Int overX = Beyond(L.sx + L.sw, desktop.width());
    if (overX > 0) {
        L.sw -= overX;
        L.margins[2] = {L.offX + Z * L.sw, 0, Z * overX, L.fullH};
    }
    const Int overY = Beyond(L.sy + L.sh, desktop.height());
    if (overY > 0) {
        L.sh -= overY;
        L.margins[3] = {0, L.offY + Z * L.sh, L.fullW, Z * overY};
    }
    return true;
}

// Nearest neighbour: each pixel of Copy becomes a Z x Z cell of Dest, the cell of its top-left
// pixel at FirstCell, as far as Shown reaches; a pixel the screen could not give shows Mask.
void Enlarge(QImage& dest, const QImage& copy, QPoint firstCell, int Z, const QRect& shown, QRgb mask) {
    const int right = shown.left() + shown.width();
    for (int y = shown.top(); y < shown.top() + shown.height(); ++y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(copy.constScanLine((y - firstCell.y()) / Z));
        for (int x = shown.left(); x < right;) {
            const int column = (x - firstCell.x()) / Z;
            const int cellEnd = std::min(firstCell.x() + Z * (column + 1), right);
            const QRgb pixel = pixels[column];
            FillRow(dest, y, x, cellEnd, qAlpha(pixel) == 0 ? mask : pixel);
            x = cellEnd;
        }
    }
}

OLE_COLOR ColorAt(const QImage& copy, QPoint at) {
    if (!copy.rect().contains(at)) {
        return -1;
    }
    const QRgb pixel = copy.pixel(at);
    return qAlpha(pixel) == 0 ? -1 : OleColor::Rgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

} // namespace

CZoom::CZoom(Platform::Screen& Screen) : mScreen(Screen) {}

void CZoom::SetZoomFactor(std::int32_t Value) {
    if (Value < 1 || Value > MaxZoomFactor()) {
        throw ComponentError(ComponentError::InvalidParameter, "CZoom.ZoomFactor", "Invalid parameter");
    }
    mZoomFactor = Value;
}

void CZoom::Zoom(QImage& Dest, std::int32_t DestX, std::int32_t DestY, std::int32_t DestW, std::int32_t DestH,
                 OLE_COLOR MaskColor) noexcept {
    if (mBusy) {
        return;
    }
    mBusy = true;
    try {
        DrawZoom(Dest, DestX, DestY, DestW, DestH, MaskColor);
    } catch (...) {
        // The caller never sees a failure; what was drawn so far stays.
    }
    mBusy = false;
}

void CZoom::DrawZoom(QImage& Dest, std::int32_t DestX, std::int32_t DestY, std::int32_t DestW,
                     std::int32_t DestH, OLE_COLOR MaskColor) {
    const Int Z = mZoomFactor;
    const QPoint cursor = mScreen.CursorPos();
    mLastCursorPosX = cursor.x();
    mLastCursorPosY = cursor.y();

    const QRectF desktop = mScreen.Desktop();
    const QPoint origin(Rounding::RoundToInt32(desktop.left()), Rounding::RoundToInt32(desktop.top()));
    ZoomLayout L;
    if (!LayOut(L, Z, DestW, DestH, mShowFullPixelsOnly, mMouseCentered, Int{cursor.x()} - origin.x(),
                Int{cursor.y()} - origin.y(), desktop)) {
        mLastCursorPosColor = ColorAt(mScreen.Grab(QRect(cursor, QSize(1, 1))), QPoint(0, 0));
        return;
    }
    mScaledLastCursorPosX = Saturated(DestX + L.offX + Z * L.column);
    mScaledLastCursorPosY = Saturated(DestY + L.offY + Z * L.row);

    // Nothing is drawn beyond the destination area, and only the source pixels whose cells
    // can be seen are read from the screen.
    const QRect clip = Within({DestX, DestY, DestW, DestH}, Dest.rect());
    const Box image{DestX + L.offX, DestY + L.offY, Z * std::max<Int>(L.sw, 0), Z * std::max<Int>(L.sh, 0)};
    const QRect shown = Within(image, clip);
    QRect source;
    QPoint firstCell;
    if (!shown.isEmpty()) {
        const QRect cells(QPoint(static_cast<int>((shown.left() - image.left) / Z),
                                 static_cast<int>((shown.top() - image.top) / Z)),
                          QPoint(static_cast<int>((shown.right() - image.left) / Z),
                                 static_cast<int>((shown.bottom() - image.top) / Z)));
        source = cells.translated(static_cast<int>(origin.x() + L.sx), static_cast<int>(origin.y() + L.sy));
        firstCell = QPoint(static_cast<int>(image.left + Z * cells.left()),
                           static_cast<int>(image.top + Z * cells.top()));
    }

    // One copy of the screen serves the view and the cursor's pixel; a second is needed only
    // when the cursor's cell cannot be seen.
    const QImage copy = mScreen.Grab(source).convertToFormat(QImage::Format_ARGB32);
    mLastCursorPosColor = source.contains(cursor)
                              ? ColorAt(copy, cursor - source.topLeft())
                              : ColorAt(mScreen.Grab(QRect(cursor, QSize(1, 1))), QPoint(0, 0));

    const QRgb mask = TranslateColor(MaskColor);
    for (const Box& margin : L.margins) {
        FillRectangle(Dest, {DestX + margin.left, DestY + margin.top, margin.width, margin.height}, clip,
                      mask);
    }
    if (!copy.isNull() && copy.size() == source.size()) {
        Enlarge(Dest, copy, firstCell, mZoomFactor, shown, mask);
    }
}

void CZoom::ZoomCanvas(PictureBox& Canvas) noexcept {
    QImage& image = Canvas.Image();
    const int width = Canvas.ScaleWidth();
    const int height = Canvas.ScaleHeight();
    const OLE_COLOR backColor = Canvas.BackColor();
    Zoom(image, 0, 0, width, height, backColor);
    Canvas.Refresh();
}

void CZoom::MarkLastCursorPos(QImage& Dest, OLE_COLOR MarkerColor) const {
    FillRectangle(Dest, {mScaledLastCursorPosX, mScaledLastCursorPosY, mZoomFactor, mZoomFactor}, Dest.rect(),
                  TranslateColor(MarkerColor));
}

void CZoom::MarkLastCursorPos(PictureBox& Canvas, OLE_COLOR MarkerColor) const {
    MarkLastCursorPos(Canvas.Image(), MarkerColor);
    Canvas.Refresh();
}

bool CZoom::IsMouseOverWindow(const QWidget& Window) const {
    return mScreen.WindowRect(Window).contains(mScreen.CursorPos());
}
