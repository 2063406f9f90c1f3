// System clipboard adapter: one MIME payload in, asked for by name.
#include "cad/canvas/SystemClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace quadrilo::cad::canvas {

void SystemClipboard::setData(const std::string& mimeType, std::vector<std::uint8_t> data) {
    auto* mime = new QMimeData;
    mime->setData(QString::fromStdString(mimeType),
                  QByteArray(reinterpret_cast<const char*>(data.data()),
                             static_cast<qsizetype>(data.size())));
    QGuiApplication::clipboard()->setMimeData(mime); // the clipboard owns it now
}

bool SystemClipboard::hasFormat(const std::string& mimeType) const {
    // X11 lists the formats in no fixed order: ask for ours by name.
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    return mime && mime->hasFormat(QString::fromStdString(mimeType));
}

std::vector<std::uint8_t> SystemClipboard::data(const std::string& mimeType) const {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (!mime)
        return {};
    const QByteArray bytes = mime->data(QString::fromStdString(mimeType));
    return {bytes.begin(), bytes.end()};
}

} // namespace quadrilo::cad::canvas
