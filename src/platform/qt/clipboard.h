// The general pasteboard as the X11/Wayland CLIPBOARD selection, plain UTF-8 text.
#pragma once

#include "platform/pasteboard.h"

namespace zindo::platform::qt {

class Clipboard : public Pasteboard {
public:
    void clearContents() override;
    bool setString(std::string_view text, std::string_view type) override;
    std::optional<std::string> stringForType(std::string_view type) const override;
};

}  // namespace zindo::platform::qt
