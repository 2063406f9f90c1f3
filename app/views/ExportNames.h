// The export dialog's types, its filter and the rules that give the exported file its name.
#pragma once

#include "cad/Geometry.h"

#include <QString>

namespace quadrilo::app {

// The export dialog's types, numbered as its filter lists them.
enum class ExportType { Bitmap = 1, Dxf = 2, Dwg = 3, Drawing = 4 };

// The export dialog `dlgSaveBMP`'s filter as the program states it, and in Qt's form.
inline const QString ExportFilter =
    QStringLiteral("Arquivo Bitmap|*.bmp|Arquivo DXF (Drawing Exchange Format)|*.dxf|Arquivo DWG "
                   "(Autodesk Drawing 2007)|*.dwg|Arquivo VEC (CadBox Vector Graphic)|*.vec");
[[nodiscard]] QString ExportDialogFilter();

// A bitmap export is this many pixels wide whatever the zoom.
inline constexpr double BitmapWidthPixels = 5000.0;

// ".bmp", ".dxf", ".dwg" or ".vec".
[[nodiscard]] QString ExportExtension(ExportType type);
// The type of the filter at a 0-based index of the dialog's list; the first for any other.
[[nodiscard]] ExportType ExportTypeAt(int filterIndex);
// The type a name's extension asks for; a name without one of the four is a bitmap, the type
// the dialog starts with.
[[nodiscard]] ExportType ExportTypeOfName(const QString& name);
// The chosen name with the type's extension: appended when the name has none, put in place of
// another one (compared without regard to capitals).
[[nodiscard]] QString ExportFileName(const QString& chosen, ExportType type);
// Pixels per drawing unit that make the visible area a bitmap 5000 pixels wide.
[[nodiscard]] double BitmapScale(const cad::Extent& visible);

} // namespace quadrilo::app
