// Helpers of the recovery tests: the construction lines a drawing file holds, and the files a
// program that died leaves behind.
#pragma once

#include "app/recovery/RecoverySession.h"

#include "cad/Document.h"
#include "cad/DrawingFile.h"

#include <QFile>

#include <gtest/gtest.h>

#include <vector>

namespace quadrilo::app::test {

// The bases of the construction lines in the drawing, the two axes through the origin left out.
inline std::vector<cad::Point3> ConstructionLines(const cad::Drawing& d) {
    std::vector<cad::Point3> bases;
    for (const cad::LayerId layer : d.layerOrder())
        for (cad::EntityId id = d.firstInLayer(layer); id; id = d.nextEntity(id))
            if (const auto* line = std::get_if<cad::XLineShape>(&d.entity(id)->shape))
                if (line->base.x != 0 || line->base.y != 0)
                    bases.push_back(line->base);
    return bases;
}

// The same of a drawing file; a file that does not open fails the test.
inline std::vector<cad::Point3> ConstructionLinesInFile(const QString& path) {
    const cad::OpenResult opened = cad::openDrawing(path.toStdString());
    EXPECT_TRUE(opened.drawing) << path.toStdString() << ": " << opened.status.detail;
    return opened.drawing ? ConstructionLines(*opened.drawing) : std::vector<cad::Point3>{};
}

inline QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What a program that died leaves: its drawing and note, written under its lock, and a lock
// that no living program holds.
inline RecoverySlot LeaveCrashedSession(const QString& folder, const cad::Document& document,
                                        const RecoveryNote& note) {
    const std::unique_ptr<RecoverySession> session = RecoverySession::claim(folder);
    EXPECT_TRUE(session);
    if (!session)
        return {};
    EXPECT_TRUE(session->write(document, note));
    return session->slot();
}

} // namespace quadrilo::app::test
