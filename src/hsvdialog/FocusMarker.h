#pragma once

#include <QWidget>

// A dotted one-pixel rectangle along the widget's edges, the outline shape that marks a focused
// control from outside. It draws nothing inside and lets mouse input through.
class FocusMarker : public QWidget {
public:
    explicit FocusMarker(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
