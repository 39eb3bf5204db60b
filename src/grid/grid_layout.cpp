#include "grid/grid_layout.h"

#include <algorithm>

namespace zindo::grid {

GridLayout gridLayout(std::int64_t count) {
    const std::int64_t rows = (count + kColumns - 1) / kColumns;
    const double contentHeight = static_cast<double>(rows) * kCellPitchPt + kContentInsetPt;
    const double contentWidth = static_cast<double>(kColumns) * kCellPitchPt + kContentInsetPt;
    return GridLayout{rows, contentHeight,
                      platform::Rect{0.0, 0.0, std::max(contentWidth, kMinimumDocumentWidthPt),
                                     std::max(contentHeight, kMinimumDocumentHeightPt)}};
}

platform::Rect GridLayout::buttonFrame(std::int64_t index) const {
    const std::int64_t row = index / kColumns;
    const std::int64_t column = index % kColumns;
    return platform::Rect{kFirstCellInsetPt + static_cast<double>(column) * kCellPitchPt,
                          (contentHeight - kFirstCellInsetPt) - static_cast<double>(row + 1) * kCellPitchPt,
                          kButtonSizePt, kButtonSizePt};
}

}  // namespace zindo::grid
