#include "platform/qt/colour_scheme.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace zindo::platform::qt {
namespace {

const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kSettings = QStringLiteral("org.freedesktop.portal.Settings");
const QString kAppearance = QStringLiteral("org.freedesktop.appearance");
const QString kColourScheme = QStringLiteral("color-scheme");

bool isDark(const QPalette& palette) { return palette.color(QPalette::Window).lightness() < 128; }

}  // namespace

QPalette paletteFor(const QPalette& platform, ColourPreference preference) {
    if (preference == ColourPreference::none || isDark(platform) == (preference == ColourPreference::dark))
        return platform;
    // Qt derives the rest from the window's grey: white text on dark, black on light.
    QPalette palette(preference == ColourPreference::dark ? QColor(50, 50, 50) : QColor(239, 239, 239));
    // A field a step darker than the window, as in Fusion's dark palette, not black.
    if (preference == ColourPreference::dark) palette.setColor(QPalette::Base, QColor(36, 36, 36));
    // The hover shade and the focus ring keep their colour.
    palette.setColor(QPalette::Highlight, platform.color(QPalette::Highlight));
    return palette;
}

// Read, not ReadOne, which Debian 12's portal lacks. The answer comes while
// the program starts, so that the start waits for no portal.
ColourScheme::ColourScheme() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    // The whole message: a slot taking a QDBusVariant does not connect before that type is first used.
    bus.connect(kPortal, kPortalPath, kSettings, QStringLiteral("SettingChanged"), this,
                SLOT(settingChanged(QDBusMessage)));
    QDBusMessage read = QDBusMessage::createMethodCall(kPortal, kPortalPath, kSettings, QStringLiteral("Read"));
    read << kAppearance << kColourScheme;
    auto* answer = new QDBusPendingCallWatcher(bus.asyncCall(read), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
        const QDBusPendingReply<QDBusVariant> reply = *call;
        if (!reply.isError()) portalSays(reply.value().variant());
        call->deleteLater();
    });
}

// Its arguments are the setting's group, its key and its value.
void ColourScheme::settingChanged(const QDBusMessage& change) {
    const QVariantList arguments = change.arguments();
    if (arguments.size() == 3 && arguments[0] == kAppearance && arguments[1] == kColourScheme) portalSays(arguments[2]);
}

// 1 prefers dark, 2 light, anything else states nothing. Read wraps the
// value in one variant more than the signal does.
void ColourScheme::portalSays(const QVariant& value) {
    QVariant scheme = value;
    while (scheme.metaType() == QMetaType::fromType<QDBusVariant>()) scheme = scheme.value<QDBusVariant>().variant();
    const uint stated = scheme.toUInt();
    preference_ = stated == 1 ? ColourPreference::dark : stated == 2 ? ColourPreference::light : ColourPreference::none;
    follow();
}

void ColourScheme::follow() {
    // Back to the platform's own palette, which may have changed meanwhile, to choose again.
    if (overridden_) QApplication::setPalette(QPalette());
    const QPalette platform = QApplication::palette();
    const QPalette chosen = paletteFor(platform, preference_);
    overridden_ = chosen != platform;
    if (overridden_) QApplication::setPalette(chosen);
}

}  // namespace zindo::platform::qt
