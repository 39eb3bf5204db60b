#include "platform/qt/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace zindo::platform::qt {

void Clipboard::clearContents() { QGuiApplication::clipboard()->clear(QClipboard::Clipboard); }

bool Clipboard::setString(std::string_view text, std::string_view type) {
    if (type != kPasteboardTypeString) return false;
    // Plain text only: Qt offers it as UTF8_STRING and text/plain;charset=utf-8,
    // and the process keeps serving it after the picker has closed.
    auto* data = new QMimeData;
    data->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    QGuiApplication::clipboard()->setMimeData(data, QClipboard::Clipboard);
    return true;
}

std::optional<std::string> Clipboard::stringForType(std::string_view type) const {
    if (type != kPasteboardTypeString) return std::nullopt;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
    if (data == nullptr || !data->hasText()) return std::nullopt;
    return data->text().toStdString();
}

}  // namespace zindo::platform::qt
