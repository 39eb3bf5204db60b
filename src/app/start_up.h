// The picker's process entry on a given host.
#pragma once

#include "platform/host.h"

namespace zindo {

// Creates the application and its ZindoApp, names the process, and runs the
// host's event loop; returns only when that loop ends.
int runPicker(platform::Host& host);

}  // namespace zindo
