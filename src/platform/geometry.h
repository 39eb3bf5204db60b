// Lengths in points as doubles; origin at the bottom-left, y growing upwards.
#pragma once

namespace zindo::platform {

struct Point {
    double x = 0.0;
    double y = 0.0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    double width = 0.0;
    double height = 0.0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    Point origin;
    Size size;

    constexpr Rect() = default;
    constexpr Rect(double x, double y, double width, double height) : origin{x, y}, size{width, height} {}

    friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace zindo::platform
