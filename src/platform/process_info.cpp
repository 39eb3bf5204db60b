#include "platform/process_info.h"

#include <sys/prctl.h>

namespace zindo::platform {

ProcessInfo& ProcessInfo::processInfo() {
    static ProcessInfo info;
    return info;
}

void ProcessInfo::setProcessName(std::string_view name) {
    processName_ = name;
    // The kernel keeps 15 bytes of it.
    prctl(PR_SET_NAME, processName_.c_str(), 0, 0, 0);
}

}  // namespace zindo::platform
