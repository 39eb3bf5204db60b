// What a host (the desktop, or the testing host) provides under the
// application: the clock, the status bar, the pasteboard, typing into other
// windows, the screen and the event loop, and what it hears of windows.
#pragma once

#include "platform/geometry.h"

namespace zindo::platform {

class Application;
class Clock;
class Pasteboard;
class StatusBar;
class TextInsertion;
class Window;

class Host {
public:
    virtual ~Host() = default;

    virtual const Clock& clock() const = 0;
    virtual StatusBar& systemStatusBar() = 0;
    virtual Pasteboard& generalPasteboard() = 0;
    virtual TextInsertion& textInsertion() = 0;
    // The screen area windows are centred in, y up.
    virtual Rect screenFrame() const = 0;

    // Finishes launching the application, then serves its events; on the
    // desktop this does not return until the process is asked to end.
    virtual void run(Application& application) = 0;

    virtual void windowDidOrderFront(Window& window) = 0;
    virtual void windowDidClose(Window& window) = 0;
    virtual void activateIgnoringOtherApps() = 0;
};

}  // namespace zindo::platform
