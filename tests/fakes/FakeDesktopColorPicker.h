#pragma once

#include "platform/DesktopColorPicker.h"

#include <utility>

// A desktop colour picker that a test drives: it counts picks and cancels and answers when the
// test says so, as the desktop would after the user has chosen.
class FakeDesktopColorPicker final : public Platform::DesktopColorPicker {
public:
    Availability State() const override { return Availability::Available; }
    void Pick(QWidget* Parent) override {
        if (!std::exchange(picking, true)) {
            ++picks;
            parent = Parent;
        }
    }
    void Cancel() override { cancels += std::exchange(picking, false); }

    // Ends the outstanding pick with Result; nothing when none is outstanding.
    void Answer(Outcome Result, OLE_COLOR Color = -1) {
        if (std::exchange(picking, false)) {
            emit Finished(Result, Color, {});
        }
    }

    bool picking = false;
    int picks = 0, cancels = 0;
    QWidget* parent = nullptr;
};
