// The program's "description|masks" filter texts in the forms Qt's file widgets take.
#pragma once

#include <QStringList>

namespace quadrilo::results {

// The descriptions, for a file dialog's name filters ("Arq. Texto (*.txt)").
[[nodiscard]] QStringList DialogNameFilters(const char* filterText);

// Each pair's masks for a file list; "*.*" keeps its meaning of every file, with or without a dot.
[[nodiscard]] QList<QStringList> FileListMasks(const char* filterText);

} // namespace quadrilo::results
