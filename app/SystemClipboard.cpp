// The desktop's clipboard for the CAD engine.
#include "app/SystemClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace quadrilo::app {

void SystemClipboard::setData(const std::string& mimeType, std::vector<std::uint8_t> data) {
    auto* mime = new QMimeData;
    mime->setData(QString::fromStdString(mimeType),
                  QByteArray(reinterpret_cast<const char*>(data.data()),
                             static_cast<qsizetype>(data.size())));
    QGuiApplication::clipboard()->setMimeData(mime);
}

std::vector<std::string> SystemClipboard::formats() const {
    std::vector<std::string> out;
    if (const QMimeData* mime = QGuiApplication::clipboard()->mimeData())
        for (const QString& format : mime->formats())
            out.push_back(format.toStdString());
    return out;
}

std::vector<std::uint8_t> SystemClipboard::data(const std::string& mimeType) const {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (!mime)
        return {};
    const QByteArray bytes = mime->data(QString::fromStdString(mimeType));
    return {bytes.begin(), bytes.end()};
}

} // namespace quadrilo::app
