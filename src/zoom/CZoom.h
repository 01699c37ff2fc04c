#pragma once

#include "common/OleColor.h"

#include <cstdint>

class PictureBox;
class QImage;
class QWidget;

namespace Platform {
class Screen;
}

// The screen magnifier: draws an enlarged copy of the screen around the mouse cursor into an
// image, remembers the cursor position and the screen colour under it, marks the cell that
// shows the cursor's pixel and tells whether the cursor is over a window.
//
// One cell of ZoomFactor x ZoomFactor image pixels shows one screen pixel (a physical pixel,
// whatever the device pixel ratio). Where the magnified area lies beyond the desktop, the
// view shows the mask colour instead, so the cursor's cell keeps its place at the edges.
//
// Invalid arguments throw ComponentError with number 5, source "CZoom.<member>" and
// description "Invalid parameter"; a rejected call changes nothing. Zoom never throws. No
// image, painter or screen copy is kept from one call to the next.
class CZoom {
public:
    // Screen must outlive the object.
    explicit CZoom(Platform::Screen& Screen);

    static constexpr std::int32_t MaxZoomFactor() { return 32; }

    // Screen pixels are drawn as ZoomFactor x ZoomFactor cells; 1..MaxZoomFactor, default 4.
    std::int32_t ZoomFactor() const { return mZoomFactor; }
    void SetZoomFactor(std::int32_t Value);

    // True (default): only whole cells are drawn, leaving a strip of DestW mod ZoomFactor
    // pixels at the right and DestH mod ZoomFactor at the bottom as it was. False: the last,
    // partial cells are drawn too.
    bool ShowFullPixelsOnly() const { return mShowFullPixelsOnly; }
    void SetShowFullPixelsOnly(bool Value) { mShowFullPixelsOnly = Value; }

    // True (default): the cursor's pixel is the centre of the magnified area. False: it is the
    // area's top-left cell.
    bool MouseCentered() const { return mMouseCentered; }
    void SetMouseCentered(bool Value) { mMouseCentered = Value; }

    // The screen colour under the cursor at the last Zoom as a plain RGB value, -1 when that
    // pixel could not be read (beyond every monitor, or a screen that cannot be read at all).
    // 0 before the first Zoom.
    OLE_COLOR LastCursorPosColor() const { return mLastCursorPosColor; }
    // The cursor position in screen pixels at the last Zoom; 0, 0 before the first.
    std::int32_t LastCursorPosX() const { return mLastCursorPosX; }
    std::int32_t LastCursorPosY() const { return mLastCursorPosY; }
    // The top-left corner, in the destination image, of the cell that shows the cursor's
    // pixel at the last Zoom; 0, 0 before the first.
    std::int32_t ScaledLastCursorPosX() const { return mScaledLastCursorPosX; }
    std::int32_t ScaledLastCursorPosY() const { return mScaledLastCursorPosY; }

    // Reads the cursor position and the colour under it, then draws the magnified view into
    // the destination area (DestX, DestY, DestW, DestH) of Dest, the margins beyond the desktop
    // in MaskColor (a system colour is translated; an untranslatable one is black). The view
    // is centred on the cursor's cell or starts with it (MouseCentered); the margins lie
    // where the view leaves the desktop, so that cell keeps its place at the desktop's edges.
    // Nothing is drawn outside the destination area or outside Dest (a null Dest gets
    // nothing); Format_RGB32, the picture box's format, is the fast one. A destination
    // smaller than one cell (or of negative size) draws nothing but still reads the cursor
    // and its colour. A Zoom started while another Zoom of this object runs (from within the
    // screen layer) returns at once and changes nothing. One copy of the screen serves the view
    // and the colour (a second is made only when the cursor's cell lies outside Dest).
    void Zoom(QImage& Dest, std::int32_t DestX, std::int32_t DestY, std::int32_t DestW, std::int32_t DestH,
              OLE_COLOR MaskColor) noexcept;

    // Zoom into the whole of Canvas's image, with the canvas's back colour as the mask, and
    // shows the result.
    void ZoomCanvas(PictureBox& Canvas) noexcept;

    // Fills the cell of the last Zoom (ScaledLastCursorPosX, ScaledLastCursorPosY, ZoomFactor
    // wide and high), as far as it lies in Dest, with MarkerColor (translated like MaskColor).
    void MarkLastCursorPos(QImage& Dest, OLE_COLOR MarkerColor) const;
    // The same in Canvas's image, and shows the result.
    void MarkLastCursorPos(PictureBox& Canvas, OLE_COLOR MarkerColor) const;

    // Whether the cursor lies in Window's screen rectangle: its left and top edges inside, its
    // right and bottom edges outside.
    bool IsMouseOverWindow(const QWidget& Window) const;

private:
    // Zoom's work between setting and clearing the busy flag.
    void DrawZoom(QImage& Dest, std::int32_t DestX, std::int32_t DestY, std::int32_t DestW,
                  std::int32_t DestH, OLE_COLOR MaskColor);

    Platform::Screen& mScreen;
    std::int32_t mZoomFactor = 4;
    bool mShowFullPixelsOnly = true;
    bool mMouseCentered = true;
    std::int32_t mLastCursorPosX = 0;
    std::int32_t mLastCursorPosY = 0;
    OLE_COLOR mLastCursorPosColor = 0;
    std::int32_t mScaledLastCursorPosX = 0;
    std::int32_t mScaledLastCursorPosY = 0;
    bool mBusy = false;
};
