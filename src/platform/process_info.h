// The process's name, as the system and other programs see it.
#pragma once

#include <string>
#include <string_view>

namespace zindo::platform {

class ProcessInfo {
public:
    static ProcessInfo& processInfo();

    const std::string& processName() const { return processName_; }
    // Also renames the process for ps, top and the window manager.
    void setProcessName(std::string_view name);

private:
    std::string processName_;
};

}  // namespace zindo::platform
