// Names of drawing files: the new document's name, ".vec", names typed in a prompt.
#pragma once

#include <QString>

namespace quadrilo::app {

// Names of drawing files: the new document's name, the ".vec" extension in any mix of capitals, and
// the resolution of a name typed in a prompt.

// The name of a document that has not been saved yet.
inline const QString NewDocumentName = QStringLiteral("New.vec");

// True when the name ends in ".vec", whatever the capitals.
[[nodiscard]] bool IsDrawingName(const QString& name);
// The name with ".vec" appended when it does not end in it.
[[nodiscard]] QString WithDrawingExtension(const QString& name);
// The name with ".vec" in place of another extension, or appended when it has none.
[[nodiscard]] QString AsDrawingName(const QString& name);
// A name typed or picked in a prompt as a drawing path: a bare or relative name is taken in
// `directory`, and ".vec" is appended when missing.
[[nodiscard]] QString ResolveDrawingName(const QString& directory, const QString& name);
// The file name without its directory.
[[nodiscard]] QString BareName(const QString& path);
// The extension with its dot (".vec"), empty when there is none.
[[nodiscard]] QString ExtensionOf(const QString& path);

} // namespace quadrilo::app
