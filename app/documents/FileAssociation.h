// "Associar Arquivos *.vec ao programa" on a freedesktop desktop, for the user.
#pragma once

#include <QString>
#include <QStringList>

namespace quadrilo::app {

// "Associar Arquivos *.vec ao programa" on a freedesktop desktop, for the user: a desktop entry
// that opens a file with the program, a shared-mime-info type for ".vec", an icon, and the program
// as the type's default application. The desktop's databases are refreshed when its tools are
// installed.

inline constexpr char DrawingMimeType[] = "application/x-quadrilo-vec";
inline constexpr char DesktopEntryName[] = "quadrilo.desktop";

struct AssociationFolders {
    QString dataHome;   // $XDG_DATA_HOME, usually ~/.local/share
    QString configHome; // $XDG_CONFIG_HOME, usually ~/.config

    // The user's folders, from the environment.
    [[nodiscard]] static AssociationFolders forUser();
};

// The program line of the desktop entry: the executable quoted as desktop entries quote a path
// with spaces or quotes in it, followed by the file argument.
[[nodiscard]] QString DesktopExecLine(const QString& executable);

// Writes the four files; throws FileWriteError naming the file that could not be written (the
// files written before it stay). Returns the refresh tools that ran.
QStringList AssociateDrawingFiles(const QString& executable, const AssociationFolders& folders);

} // namespace quadrilo::app
