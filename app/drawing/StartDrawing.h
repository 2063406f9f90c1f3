// The start drawing "Default.vec", opened at start-up and by "Novo".
#pragma once

#include "app/documents/AppFolders.h"

#include "cad/Drawing.h"
#include "cad/Transaction.h"

#include <memory>
#include <string>

namespace quadrilo::app {

// The start drawing "Default.vec", opened at start-up and by "Novo": an empty drawing with the
// blocks "+Load" and "-Load" that nodal loads insert (each with its "CARGA" attribute definition),
// the dimension style "Grelha" and the project record of a new project.

[[nodiscard]] std::unique_ptr<cad::Drawing> BuildStartDrawing();

// Adds the block of nodal loads "+Load" (upward) or "-Load" with its "CARGA" attribute; a drawing
// that lacks one gets it back this way.
void AddLoadBlock(cad::Transaction& tx, const char* name, bool upward);

// Writes the start drawing whole or not at all; throws FileWriteError.
void WriteStartDrawing(const std::string& path);

// The start drawing to open: the one shipped beside the program, else the one in the data
// folder, which is built there when missing. Empty, with the reason in `error`, when neither
// exists nor can be built.
[[nodiscard]] QString StartDrawingPath(const AppFolders& folders, QString& error);

} // namespace quadrilo::app
