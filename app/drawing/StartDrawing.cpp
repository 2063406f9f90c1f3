// The start drawing "Default.vec".
#include "app/drawing/StartDrawing.h"

#include "app/drawing/CadSession.h"
#include "app/drawing/DrawingLayers.h"

#include "cad/DrawingFile.h"
#include "cad/Transaction.h"
#include "common/AtomicFile.h"
#include "project/TProjectData.h"

#include <QFileInfo>

namespace quadrilo::app {
namespace {

constexpr double SymbolRadius = 5.0;
constexpr double SignHalf = 3.0;
constexpr double LabelHeight = 8.0;
constexpr int BottomCentre = 7;

void addToBlock(cad::Transaction& tx, cad::BlockId block, cad::Shape shape) {
    (void)tx.addToBlock(block, cad::Entity{.shape = std::move(shape)});
}

} // namespace

// A circled plus (an upward load) or a circled minus (a downward one), with the load's value
// written above it through the "CARGA" attribute.
void AddLoadBlock(cad::Transaction& tx, const char* name, bool upward) {
    const cad::BlockId block = tx.addBlock(name, {0, 0, 0});
    addToBlock(tx, block, cad::CircleShape{{0, 0, 0}, SymbolRadius});
    addToBlock(tx, block, cad::LineShape{{-SignHalf, 0, 0}, {SignHalf, 0, 0}});
    if (upward)
        addToBlock(tx, block, cad::LineShape{{0, -SignHalf, 0}, {0, SignHalf, 0}});
    addToBlock(tx, block,
               cad::AttDefShape{{0, SymbolRadius + 2.0, 0},
                                "CARGA",
                                "0_(kN)",
                                cad::TextLook{LabelHeight, 0.0, BottomCentre}});
}

std::unique_ptr<cad::Drawing> BuildStartDrawing() {
    auto d = std::make_unique<cad::Drawing>();
    d->settings().currentLayer = d->layerByName("0");
    {
        cad::Transaction tx(*d);
        AddLoadBlock(tx, "+Load", true);
        AddLoadBlock(tx, "-Load", false);
        (void)tx.addDimStyle(cad::DimStyle{"Grelha", 10.0, 5.0, 2.0, 2.0, 2});
        TProjectData record;
        ResetProjectData(record, SwapRedBlue(d->data().palette[DefaultDeformedColorIndex]));
        tx.setDrawingData(record.Encode());
    }
    d->clearUndo();
    d->setDirty(false);
    return d;
}

void WriteStartDrawing(const std::string& path) {
    const std::vector<std::uint8_t> bytes = cad::encodeDrawing(*BuildStartDrawing());
    ReplaceFileContents(
        path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

QString StartDrawingPath(const AppFolders& folders, QString& error) {
    for (const QString& path : {folders.shippedStartDrawing(), folders.builtStartDrawing()})
        if (QFileInfo(path).isFile())
            return path;
    try {
        WriteStartDrawing(folders.builtStartDrawing().toStdString());
        return folders.builtStartDrawing();
    } catch (const FileWriteError& e) {
        error = QString::fromStdString(e.what());
        return {};
    }
}

} // namespace quadrilo::app
