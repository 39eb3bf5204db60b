// The quiet texts, the search field's placeholder and the credits line, in
// whichever palette is in use: quieter than the text beside them, and still
// readable. A platform theme's placeholder colour is not always made for its
// own background: Qt 6.4 reading Plasma 5's Breeze Dark keeps the light
// palette's half-transparent black, 1.2 : 1 on the dark field.
#pragma once

#include <QColor>
#include <QPalette>

namespace zindo::platform::qt {

// The WCAG 2 contrast ratio, 1 to 21, of `foreground` laid over `background`.
double contrastRatio(const QColor& foreground, const QColor& background);

// The palette's placeholder colour where it reads on `background`, else the
// `text` colour faded toward the background as far as it reads well.
QColor quietTextColour(const QPalette& palette, QPalette::ColorRole text, QPalette::ColorRole background);

}  // namespace zindo::platform::qt
