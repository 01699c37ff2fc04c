#include "PictureBox.h"

#include "platform/QtColor.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    FitImage();
}

QImage& PictureBox::Image() {
    FitImage();
    return mImage;
}

void PictureBox::SetBackColor(OLE_COLOR color) {
    mBackColor = color;
}

void PictureBox::Cls() {
    if (mImage.size() != size()) {
        mImage = QImage(size(), QImage::Format_RGB32);
    }
    mImage.fill(QtColor::ToQColor(mBackColor));
    update();
}

void PictureBox::FitImage() {
    if (mImage.size() != size()) {
        Cls();
    }
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
    FitImage();
    QPainter painter(this);
    painter.drawImage(0, 0, mImage);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    emit MouseDown(event->button(), event->position());
    event->accept();
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMove(event->buttons(), event->position());
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    emit MouseUp(event->button(), event->position());
    event->accept();
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
    emit DblClick();
    event->accept();
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    emit KeyDown(event->key(), event->modifiers());
    QWidget::keyPressEvent(event);
}

void PictureBox::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    emit GotFocus();
}

void PictureBox::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    emit LostFocus();
}
