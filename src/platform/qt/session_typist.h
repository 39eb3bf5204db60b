// The typist of the session this program runs in, or why there is none.
#pragma once

#include "platform/qt/insert_after_close.h"

namespace zindo::platform::qt {

InsertAfterClose::Choice sessionTypist();

}  // namespace zindo::platform::qt
