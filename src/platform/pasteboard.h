// The general pasteboard (on this desktop, the CLIPBOARD selection).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zindo::platform {

inline constexpr std::string_view kPasteboardTypeString = "public.utf8-plain-text";

class Pasteboard {
public:
    virtual ~Pasteboard() = default;
    // Discards every earlier item, in every type.
    virtual void clearContents() = 0;
    virtual bool setString(std::string_view text, std::string_view type) = 0;
    virtual std::optional<std::string> stringForType(std::string_view type) const = 0;

    static Pasteboard& generalPasteboard();
};

}  // namespace zindo::platform
