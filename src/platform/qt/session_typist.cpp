#include "platform/qt/session_typist.h"

#include <QGuiApplication>

#include "platform/qt/insertion_method.h"
#include "platform/qt/wlroots_typist.h"
#include "platform/qt/x11_typist.h"

namespace zindo::platform::qt {

InsertAfterClose::Choice sessionTypist() {
    const std::string platform = QGuiApplication::platformName().toStdString();
    const std::string desktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP").toStdString();
    SessionFacts facts{.platform = platform, .desktop = desktop};
    xcb_connection_t* x11 = nullptr;
    if (auto* application = qApp->nativeInterface<QNativeInterface::QX11Application>()) {
        x11 = application->connection();
        facts.xtest = X11Typist::hasXTest(x11);
    } else if (platform == "wayland") {
        const WlrootsTypist::Globals offered = WlrootsTypist::offered();
        facts.virtualKeyboard = offered.virtualKeyboard;
        facts.foreignToplevels = offered.foreignToplevels;
    }
    InsertionChoice choice = chooseInsertionMethod(facts);
    switch (choice.method) {
        case InsertionMethod::xtest:
            return {std::make_unique<X11Typist>(x11), {}};
        case InsertionMethod::virtualKeyboard:
            return {std::make_unique<WlrootsTypist>(), {}};
        case InsertionMethod::none:
            break;
    }
    return {nullptr, std::move(choice.whyNone)};
}

}  // namespace zindo::platform::qt
