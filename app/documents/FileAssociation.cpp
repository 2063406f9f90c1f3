// "Associar Arquivos *.vec ao programa" on a freedesktop desktop.
#include "app/documents/FileAssociation.h"

#include "app/documents/TextFiles.h"

#include "common/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <filesystem>

namespace quadrilo::app {
namespace {

const QString MimeInfo = QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>
<mime-info xmlns="http://www.freedesktop.org/standards/shared-mime-info">
  <mime-type type="application/x-quadrilo-vec">
    <comment>Desenho Quadrilo</comment>
    <comment xml:lang="en">Quadrilo drawing</comment>
    <icon name="quadrilo"/>
    <magic priority="60">
      <match type="string" offset="0" value="QDRLVEC"/>
    </magic>
    <glob pattern="*.vec"/>
  </mime-type>
</mime-info>
)");

// The program's icon: a grillage with its deformed middle.
const QString Icon = QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">
  <rect width="64" height="64" rx="8" fill="#ffffff"/>
  <g stroke="#285aa0" stroke-width="3">
    <path d="M8 8v48M22 8v48M36 8v48M50 8v48M8 8h48M8 22h48M8 36h48M8 50h48"/>
  </g>
  <path d="M8 28q24 30 48 0" fill="none" stroke="#c83c28" stroke-width="3"/>
</svg>
)");

// The folder, made when missing; a folder that cannot be made is where writing stops.
QString folder(const QString& base, const QString& relative) {
    const QString path = QDir(base).filePath(relative);
    std::error_code error;
    std::filesystem::create_directories(path.toStdString(), error);
    if (error)
        throw FileWriteError(path.toStdString(), FileWriteError::Stage::CreateTemporary, error);
    return path;
}

void write(const QString& path, const QString& text) {
    WriteFileBytes(path, text.toUtf8());
}

// mimeapps.list with the program as the default of the drawing type; other entries stay.
QString defaultApplications(const QString& path) {
    QStringList lines;
    (void)ReadTextLines(path, lines);
    const QString entry = QStringLiteral("%1=%2").arg(QLatin1String(DrawingMimeType),
                                                      QLatin1String(DesktopEntryName));
    const QString group = QStringLiteral("[Default Applications]");
    lines.removeIf([](const QString& line) {
        return line.startsWith(QLatin1String(DrawingMimeType) + QLatin1Char('='));
    });
    const qsizetype at = lines.indexOf(group);
    if (at < 0)
        lines << group << entry;
    else
        lines.insert(at + 1, entry);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString desktopEntry(const QString& executable) {
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Quadrilo\n"
                          "Comment=Análise de pavimentos de concreto armado por grelha\n"
                          "Exec=%1\n"
                          "Icon=quadrilo\n"
                          "Terminal=false\n"
                          "Categories=Science;Engineering;\n"
                          "MimeType=%2;\n")
        .arg(DesktopExecLine(executable), QLatin1String(DrawingMimeType));
}

} // namespace

AssociationFolders AssociationFolders::forUser() {
    return {QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)};
}

QString DesktopExecLine(const QString& executable) {
    // Inside double quotes the quoting rule escapes these four with a backslash; the field codes
    // begin with "%", so a percent sign of the path is doubled.
    QString quoted;
    for (const QChar c : executable) {
        if (QStringLiteral("\"`$\\").contains(c))
            quoted += QLatin1Char('\\');
        quoted += c == QLatin1Char('%') ? QStringLiteral("%%") : QString(c);
    }
    // The string escapes of the entry's values apply before the quoting rule: every backslash is
    // written twice, and control characters cannot end the line.
    QString value;
    for (const QChar c : quoted) {
        if (c == QLatin1Char('\\'))
            value += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            value += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            value += QStringLiteral("\\r");
        else if (c == QLatin1Char('\t'))
            value += QStringLiteral("\\t");
        else
            value += c;
    }
    return QStringLiteral("\"%1\" %f").arg(value);
}

QStringList AssociateDrawingFiles(const QString& executable, const AssociationFolders& folders) {
    const QString applications = folder(folders.dataHome, QStringLiteral("applications"));
    const QString mime = folder(folders.dataHome, QStringLiteral("mime"));
    write(QDir(applications).filePath(QLatin1String(DesktopEntryName)), desktopEntry(executable));
    write(QDir(folder(folders.dataHome, QStringLiteral("mime/packages")))
              .filePath(QStringLiteral("quadrilo-vec.xml")),
          MimeInfo);
    write(QDir(folder(folders.dataHome, QStringLiteral("icons/hicolor/scalable/apps")))
              .filePath(QStringLiteral("quadrilo.svg")),
          Icon);
    const QString list = QDir(folder(folders.configHome, QStringLiteral(".")))
                             .filePath(QStringLiteral("mimeapps.list"));
    write(list, defaultApplications(list));
    QStringList ran;
    for (const auto& [tool, argument] :
         {std::pair{QStringLiteral("update-mime-database"), mime},
          std::pair{QStringLiteral("update-desktop-database"), applications}})
        if (!QStandardPaths::findExecutable(tool).isEmpty() &&
            QProcess::execute(tool, {argument}) == 0)
            ran << tool;
    return ran;
}

} // namespace quadrilo::app
