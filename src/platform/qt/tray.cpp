#include "platform/qt/tray.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>

#include "platform/qt/glyph_icon_engine.h"

namespace zindo::platform::qt {
namespace {

bool onX11() { return QGuiApplication::platformName() == QStringLiteral("xcb"); }

}  // namespace

Tray::Tray(std::function<void()> afterClick, std::function<void()> arrived)
    : afterClick_(std::move(afterClick)), arrived_(std::move(arrived)) {
    menu_.addAction(QStringLiteral("Select Emoji"), [this] { clickFirstItem(); });
    menu_.addSeparator();
    menu_.addAction(QStringLiteral("Quit ZindoZindo"), qApp, &QCoreApplication::quit);
    if (!onX11()) {
        hosts_.emplace([this] {
            if (shown_) showIcons();
            arrived_();
        });
    }
}

std::shared_ptr<StatusItem> Tray::statusItemWithLength(double length) {
    auto item = std::make_shared<StatusItem>(length, std::make_shared<Button>());
    entries_.push_back(Entry{item, nullptr});
    return item;
}

bool Tray::isAvailable() const {
    // Where hosts are watched Qt is not asked: Qt 6.4 keeps its first answer for good.
    return hosts_ ? hosts_->available() : QSystemTrayIcon::isSystemTrayAvailable();
}

void Tray::show() {
    shown_ = true;
    if (!hosts_ || hosts_->available()) showIcons();
}

void Tray::showIcons() {
    for (Entry& entry : entries_) {
        if (entry.icon != nullptr || entry.item->button() == nullptr) continue;
        entry.icon = std::make_unique<QSystemTrayIcon>(
            QIcon(new GlyphIconEngine(QString::fromStdString(entry.item->button()->title()))));
        entry.icon->setToolTip(QStringLiteral("ZindoZindo"));
        entry.icon->setContextMenu(&menu_);
        Button* button = entry.item->button();
        QObject::connect(entry.icon.get(), &QSystemTrayIcon::activated,
                         [this, button](QSystemTrayIcon::ActivationReason reason) {
                             if (reason != QSystemTrayIcon::Trigger) return;
                             button->performClick();
                             afterClick_();
                         });
        entry.icon->show();
    }
}

void Tray::clickFirstItem() {
    if (entries_.empty() || entries_.front().item->button() == nullptr) return;
    entries_.front().item->button()->performClick();
    afterClick_();
}

}  // namespace zindo::platform::qt
