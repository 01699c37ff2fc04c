#include "StillImageWindow.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>

namespace {

constexpr int kViewScale = 2;   // the view is drawn at twice the size it has in the dialog
constexpr int kGap = 16;        // between the cursor's pixel and the view
constexpr int kFrameMargin = 2; // between the cursor's pixel and its frame
constexpr int kPadding = 3;     // around the value line

} // namespace

StillImageWindow::StillImageWindow(QScreen& Monitor, const QImage& Image, QWidget* Owner)
    : QWidget(Owner, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      mOrigin(Monitor.geometry().topLeft()), mImage(Image) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(QStringLiteral("Tintrix picking"));
    setAccessibleName(QStringLiteral("Still image of the desktop to pick from"));
    setScreen(&Monitor);
    setGeometry(Monitor.geometry());
    setCursor(Qt::CrossCursor);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void StillImageWindow::ShowCursor(const QRectF& Cell, const QImage& View, const QString& ValueLine) {
    // A line of width 1 at a device pixel ratio above 1 reaches half a pixel past its rectangle.
    const QMargins lineReach(1, 1, 1, 1);
    update(FrameRect().marginsAdded(lineReach));
    update(ViewRect().marginsAdded(lineReach));
    const QRectF local = Cell.translated(-mOrigin);
    mCell = QRectF(rect()).contains(local.center()) ? local : QRectF();
    mView = View;
    mValueLine = ValueLine;
    update(FrameRect().marginsAdded(lineReach));
    update(ViewRect().marginsAdded(lineReach));
}

QSize StillImageWindow::ViewSize() const {
    const QSize view = mView.size() * kViewScale;
    const QSize text = fontMetrics().boundingRect(QRect(), Qt::AlignLeft, mValueLine).size();
    return QSize(std::max(view.width(), text.width() + 2 * kPadding),
                 view.height() + text.height() + 2 * kPadding);
}

QRect StillImageWindow::FrameRect() const {
    if (mCell.isEmpty()) {
        return {};
    }
    return mCell.toAlignedRect().adjusted(-kFrameMargin - 1, -kFrameMargin - 1, kFrameMargin + 1,
                                          kFrameMargin + 1);
}

QRect StillImageWindow::ViewRect() const {
    if (mCell.isEmpty()) {
        return {};
    }
    const QRect cell = FrameRect();
    const QSize size = ViewSize();
    // Right of and below the cursor's pixel, or on its other side where the monitor ends.
    int x = cell.right() + kGap;
    if (x + size.width() > width()) {
        x = cell.left() - kGap - size.width();
    }
    int y = cell.bottom() + kGap;
    if (y + size.height() > height()) {
        y = cell.top() - kGap - size.height();
    }
    return QRect(QPoint(x, y), size);
}

void StillImageWindow::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawImage(0, 0, mImage);
    if (mCell.isEmpty()) {
        return;
    }
    const QRect frame = FrameRect();
    painter.setPen(Qt::black);
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.setPen(Qt::white);
    painter.drawRect(frame.adjusted(1, 1, -2, -2));

    const QRect box = ViewRect();
    const QSize view = mView.size() * kViewScale;
    painter.fillRect(box, palette().color(QPalette::ToolTipBase));
    painter.drawImage(QRect(box.topLeft(), view), mView);
    painter.setPen(palette().color(QPalette::ToolTipText));
    painter.drawText(box.adjusted(kPadding, view.height() + kPadding, -kPadding, -kPadding), Qt::AlignLeft,
                     mValueLine);
    painter.setPen(Qt::black);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
}

void StillImageWindow::enterEvent(QEnterEvent* event) {
    emit PointerMoved(mOrigin + event->position());
    QWidget::enterEvent(event);
}

void StillImageWindow::mouseMoveEvent(QMouseEvent* event) {
    emit PointerMoved(mOrigin + event->position());
    event->accept();
}

void StillImageWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit PointerMoved(mOrigin + event->position());
    }
    event->accept();
}

void StillImageWindow::mouseReleaseEvent(QMouseEvent* event) {
    // Keeping on the release lets the whole click land here, not half of it on what lies below.
    if (event->button() == Qt::LeftButton) {
        emit PointerMoved(mOrigin + event->position());
        emit Clicked();
    }
    event->accept();
}
