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
    void (*perform)(Responder& target, Button& sender) = nullptr;

    friend bool operator==(const Selector& a, const Selector& b) { return a.name == b.name; }
};

namespace detail {
template <class Method>
struct ActionMethod;
template <class Class>
struct ActionMethod<void (Class::*)()> {
    using Receiver = Class;
    static constexpr bool takesSender = false;
};
template <class Class>
struct ActionMethod<void (Class::*)(Button&)> {
    using Receiver = Class;
    static constexpr bool takesSender = true;
};
}  // namespace detail

// makeSelector<&ZindoApp::duckClicked>("duckClicked"): a method with no
// argument, or with the sending button as its one argument. A target of
// another class ignores the action.
template <auto method>
constexpr Selector makeSelector(std::string_view name) {
    using Traits = detail::ActionMethod<decltype(method)>;
    return Selector{name, [](Responder& target, Button& sender) {
                        auto* receiver = dynamic_cast<typename Traits::Receiver*>(&target);
                        if (receiver == nullptr) return;
                        if constexpr (Traits::takesSender) {
                            (receiver->*method)(sender);
                        } else {
                            (void)sender;
                            (receiver->*method)();
                        }
                    }};
}

}  // namespace zindo::platform
