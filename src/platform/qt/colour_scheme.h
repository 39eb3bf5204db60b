// The desktop's light or dark preference, which the application's palette
// follows. GNOME states it in the freedesktop appearance setting, through the
// desktop portal; Plasma in its colour scheme, which its platform theme makes
// the palette already. Qt 6.4 reads no portal, and Qt 6.8's GNOME theme asks
// it nothing at start (QStyleHints stays Unknown), so the program asks itself.
#pragma once

#include <QDBusMessage>
#include <QObject>
#include <QPalette>

namespace zindo::platform::qt {

enum class ColourPreference { none, light, dark };

// The platform's palette where it is of the kind preferred, or none is
// preferred; else a palette of that kind, with the platform's highlight.
QPalette paletteFor(const QPalette& platform, ColourPreference preference);

class ColourScheme : public QObject {
    Q_OBJECT

public:
    // Once the QApplication is there. Asks the portal, and follows its answer.
    ColourScheme();

    // Sets the application's palette as the preference now asks: at start, and
    // before each picker.
    void follow();

private slots:
    void settingChanged(const QDBusMessage& change);

private:
    void portalSays(const QVariant& value);

    ColourPreference preference_ = ColourPreference::none;
    bool overridden_ = false;
};

}  // namespace zindo::platform::qt
