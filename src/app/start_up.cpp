#include "app/start_up.h"

#include <memory>

#include "app/zindo_app.h"
#include "platform/application.h"
#include "platform/process_info.h"

namespace zindo {

int runPicker(platform::Host& host) {
    platform::Application app(host);
    // The application does not own its delegate: this does, for the whole run.
    const auto delegate = std::make_unique<ZindoApp>();
    app.setDelegate(delegate.get());
    platform::ProcessInfo::processInfo().setProcessName("ZindoZindo");
    app.setActivationPolicy(platform::ActivationPolicy::regular);
    app.run();
    return 0;
}

}  // namespace zindo
