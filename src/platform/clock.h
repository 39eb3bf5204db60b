// The run loop's time, in seconds on a monotonic scale.
#pragma once

namespace zindo::platform {

class Clock {
public:
    virtual ~Clock() = default;
    virtual double now() const = 0;
};

}  // namespace zindo::platform
