// Target and action: a control sends its action, by name, to a target that
// it does not own.
#pragma once

#include <string_view>
#include <type_traits>

namespace zindo::platform {

class Button;

// Anything that can be a control's target.
class Responder {
public:
    virtual ~Responder() = default;
};

struct Selector {
    std::string_view name;
    // The title is what the sender sends: its own, or the alternate chosen.
    void (*perform)(Responder& target, Button& sender, std::string_view title) = nullptr;

    friend bool operator==(const Selector& a, const Selector& b) { return a.name == b.name; }
};

namespace detail {
template <class Method>
struct ActionMethod;
template <class Class>
struct ActionMethod<void (Class::*)()> {
    using Receiver = Class;
    static constexpr int arguments = 0;
};
template <class Class>
struct ActionMethod<void (Class::*)(Button&)> {
    using Receiver = Class;
    static constexpr int arguments = 1;
};
template <class Class>
struct ActionMethod<void (Class::*)(Button&, std::string_view)> {
    using Receiver = Class;
    static constexpr int arguments = 2;
};
}  // namespace detail

// makeSelector<&ZindoApp::duckClicked>("duckClicked"): a method with no
// argument, with the sending button, or with the button and the title it
// sends. A target of another class ignores the action.
template <auto method>
constexpr Selector makeSelector(std::string_view name) {
    using Traits = detail::ActionMethod<decltype(method)>;
    return Selector{name, [](Responder& target, Button& sender, std::string_view title) {
                        auto* receiver = dynamic_cast<typename Traits::Receiver*>(&target);
                        if (receiver == nullptr) return;
                        if constexpr (Traits::arguments == 2) {
                            (receiver->*method)(sender, title);
                        } else if constexpr (Traits::arguments == 1) {
                            (void)title;
                            (receiver->*method)(sender);
                        } else {
                            (void)sender;
                            (void)title;
                            (receiver->*method)();
                        }
                    }};
}

}  // namespace zindo::platform
