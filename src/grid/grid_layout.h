// The grid's arithmetic: where each of n buttons goes, and how big the
// document that holds them is. Pure: depends on n and the index only.
#pragma once

#include <cstdint>

#include "platform/geometry.h"

namespace zindo::grid {

inline constexpr std::int64_t kColumns = 8;
inline constexpr double kCellPitchPt = 52.0;
inline constexpr double kButtonSizePt = 44.0;
inline constexpr double kContentInsetPt = 24.0;
inline constexpr double kFirstCellInsetPt = 12.0;
inline constexpr double kMinimumDocumentWidthPt = 300.0;
inline constexpr double kMinimumDocumentHeightPt = 100.0;

struct GridLayout {
    std::int64_t rows;
    double contentHeight;  // never clamped; the button rows hang from it
    platform::Rect documentFrame;

    platform::Rect buttonFrame(std::int64_t index) const;
};

GridLayout gridLayout(std::int64_t count);

}  // namespace zindo::grid
