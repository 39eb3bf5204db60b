// The status bar (on this desktop, the tray) and its items.
#pragma once

#include <memory>

#include "platform/controls.h"

namespace zindo::platform {

inline constexpr double kSquareStatusItemLength = -2.0;
inline constexpr double kVariableStatusItemLength = -1.0;

// Shows its button's title while the program holds it.
class StatusItem {
public:
    StatusItem(double length, std::shared_ptr<Button> button) : length_(length), button_(std::move(button)) {}

    double length() const { return length_; }
    // Null where the status bar gives no button.
    Button* button() const { return button_.get(); }

private:
    double length_;
    std::shared_ptr<Button> button_;
};

class StatusBar {
public:
    virtual ~StatusBar() = default;
    virtual std::shared_ptr<StatusItem> statusItemWithLength(double length) = 0;
};

}  // namespace zindo::platform
