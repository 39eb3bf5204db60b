// The desktop's light or dark preference, which the application's palette
// follows. GNOME states it in the freedesktop appearance setting, through the
// desktop portal; Plasma in its colour scheme, which its platform theme makes
// the palette already. Qt 6.5 and later read the portal themselves, but keep
// Fusion's light palette under GNOME's dark style; Qt 6.4 reads nothing.
#pragma once

#include <QObject>
#include <QPalette>

#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
#include <QDBusMessage>
#endif

namespace zindo::platform::qt {

enum class ColourPreference { none, light, dark };

// The platform's palette where it is of the kind preferred, or none is
// preferred; else a palette of that kind, with the platform's highlight.
QPalette paletteFor(const QPalette& platform, ColourPreference preference);

class ColourScheme : public QObject {
    Q_OBJECT

public:
    // Once the QApplication is there.
    ColourScheme();

    // Sets the application's palette as the preference now asks; before a
    // picker is made, so that a change reaches the next picker at the latest.
    void follow();

    // Qt 6.4 reads no portal: it is read here. Qt 6.5 and later tell through QStyleHints.
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
private slots:
    void settingChanged(const QDBusMessage& change);

private:
    void portalSays(const QVariant& value);
    ColourPreference portalPreference_ = ColourPreference::none;
#endif

private:
    ColourPreference preference() const;

    bool overridden_ = false;
};

}  // namespace zindo::platform::qt
