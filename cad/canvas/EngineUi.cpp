// The engine's user-interface side: windows, furniture, profile, recent files, dialogs.
#include "cad/canvas/EngineUi.h"

#include "cad/Document.h"
#include "cad/Engine.h"
#include "cad/canvas/CadCanvas.h"
#include "cad/canvas/LayerCombo.h"
#include "common/AtomicFile.h"

#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QShortcut>
#include <QTextStream>

#include <algorithm>
#include <cmath>

namespace quadrilo::cad::canvas {
namespace {

// Writes lines to path as UTF-8 through the atomic writer, so a failed write keeps the old file.
bool writeLines(const std::string& path, const QStringList& lines) {
    QByteArray text;
    for (const QString& line : lines)
        text += line.toUtf8() + '\n';
    try {
        ReplaceFileContents(path, std::string_view(text.constData(), std::size_t(text.size())));
        return true;
    } catch (const FileWriteError&) {
        return false;
    }
}

bool readLines(const std::string& path, QStringList& lines) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    lines.clear();
    while (!in.atEnd())
        lines << in.readLine();
    return true;
}

} // namespace

// ---------------------------------------------------------------------------------- windows

CadCanvas* EngineUi::createWindow(Document& doc, QWidget* parent, const QRect& geometry) {
    auto* canvas = new CadCanvas(doc, parent);
    canvas->setGeometry(geometry);
    canvas->show();
    addWindow(*canvas);
    return canvas;
}

void EngineUi::addWindow(CadCanvas& canvas) {
    m_windows.emplace_back(&canvas);
    applyFurniture(canvas);
}

std::vector<CadCanvas*> EngineUi::windows() const {
    std::vector<CadCanvas*> out;
    for (const QPointer<CadCanvas>& canvas : m_windows)
        if (canvas)
            out.push_back(canvas.data());
    return out;
}

// ---------------------------------------------------------------------------------- furniture

void EngineUi::applyFurniture(CadCanvas& canvas) {
    for (const auto& [menu, entries] : m_menus) {
        canvas.menuClear(menu);
        for (const auto& [text, command] : entries)
            canvas.menuAdd(menu, text, command);
    }
    canvas.setMessageTitle(m_messageTitle);
    if (m_defaultAccelerators && !canvas.property("accelerators").toBool()) {
        installDefaultAccelerators(canvas);
        canvas.setProperty("accelerators", true);
    }
}

void EngineUi::menuClear(int menu) {
    m_menus[menu].clear();
    for (CadCanvas* canvas : windows())
        canvas->menuClear(menu);
}

void EngineUi::menuAdd(int menu, const QString& text, int command) {
    if (!m_menus.count(menu)) // the engine's own entries go at the first of the application's
        menuClear(menu);
    m_menus[menu].emplace_back(text, command);
    for (CadCanvas* canvas : windows())
        canvas->menuAdd(menu, text, command);
}

void EngineUi::setDefaultAccelerators() {
    m_defaultAccelerators = true;
    for (CadCanvas* canvas : windows())
        applyFurniture(*canvas);
}

void EngineUi::setMessageTitle(const QString& title) {
    m_messageTitle = title;
    for (CadCanvas* canvas : windows())
        canvas->setMessageTitle(title);
}

void EngineUi::setShowCross(bool show) {
    for (CadCanvas* canvas : windows())
        canvas->setShowCross(show);
}

LayerCombo* EngineUi::createLayerCombo(QWidget* parent, const QRect& geometry, int dropHeight) {
    const auto all = windows();
    if (all.empty())
        return nullptr;
    auto* combo = new LayerCombo(*all.front(), parent);
    combo->setGeometry(geometry);
    combo->setMaxVisibleItems(std::max(1, dropHeight / std::max(1, combo->fontMetrics().height())));
    combo->show();
    return combo;
}

void installDefaultAccelerators(CadCanvas& canvas) {
    const std::pair<QKeySequence, int> keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Z), CmdUndo},
        {QKeySequence(Qt::CTRL | Qt::Key_Y), CmdRedo},
        {QKeySequence(Qt::CTRL | Qt::Key_C), CmdCopy},
        {QKeySequence(Qt::CTRL | Qt::Key_V), CmdPaste},
        {QKeySequence(Qt::Key_Delete), CmdErase},
    };
    for (const auto& [sequence, command] : keys) {
        auto* shortcut = new QShortcut(sequence, &canvas);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(shortcut, &QShortcut::activated, &canvas,
                         [&canvas, command = command] { canvas.execute(command); });
    }
    auto* all = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_A), &canvas);
    all->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(all, &QShortcut::activated, &canvas, [&canvas] {
        if (canvas.hasDocument())
            (void)canvas.document().selectWindow({-1e300, -1e300, 1e300, 1e300}, true, true);
    });
}

QString qtFileFilter(const std::string& engineFilter) {
    const QStringList parts = QString::fromStdString(engineFilter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = parts[i + 1].split(QLatin1Char(';')).join(QLatin1Char(' '));
        // The caption already names the patterns in the usual form; keep only the caption.
        QString caption = parts[i];
        if (const auto at = caption.indexOf(QLatin1Char('(')); at >= 0)
            caption = caption.left(at).trimmed();
        filters << QStringLiteral("%1 (%2)").arg(caption, patterns);
    }
    return filters.join(QStringLiteral(";;"));
}

// -------------------------------------------------------------- user profile and recent files

// The profile: one "key=value" line per setting of the first window.
bool EngineUi::saveProfile(const std::string& path) const {
    const auto all = windows();
    if (all.empty())
        return false;
    const CadCanvas& c = *all.front();
    const auto& snap = c.snapSettings();
    const auto& style = c.renderStyle();
    const QStringList lines{
        QStringLiteral("snapModes=%1").arg(snap.modes),
        QStringLiteral("gridSpacingX=%1").arg(snap.gridSpacingX, 0, 'g', 17),
        QStringLiteral("gridSpacingY=%1").arg(snap.gridSpacingY, 0, 'g', 17),
        QStringLiteral("ortho=%1").arg(c.ortho() ? 1 : 0),
        QStringLiteral("showGrid=%1").arg(style.showGrid ? 1 : 0),
        QStringLiteral("showCross=%1").arg(c.showCross() ? 1 : 0),
        QStringLiteral("showLineweights=%1").arg(style.showLineweights ? 1 : 0),
    };
    return writeLines(path, lines);
}

bool EngineUi::loadProfile(const std::string& path) {
    QStringList lines;
    if (!readLines(path, lines))
        return false;
    std::map<QString, QString> values;
    for (const auto& line : lines)
        if (const auto at = line.indexOf(QLatin1Char('=')); at > 0)
            values[line.left(at).trimmed()] = line.mid(at + 1).trimmed();
    const auto number = [&](const char* key, double fallback) {
        bool ok = false;
        const auto it = values.find(QLatin1String(key));
        const double v = it == values.end() ? fallback : it->second.toDouble(&ok);
        return ok && std::isfinite(v) ? v : fallback;
    };
    for (CadCanvas* c : windows()) {
        auto& snap = c->snapSettings();
        auto& style = c->renderStyle();
        snap.modes = static_cast<unsigned>(number("snapModes", snap.modes));
        const double gx = number("gridSpacingX", snap.gridSpacingX);
        const double gy = number("gridSpacingY", snap.gridSpacingY);
        if (gx > 0 && gy > 0) {
            snap.gridSpacingX = style.gridSpacingX = gx;
            snap.gridSpacingY = style.gridSpacingY = gy;
        }
        c->setOrtho(number("ortho", c->ortho()) != 0);
        style.showGrid = number("showGrid", style.showGrid) != 0;
        c->setShowCross(number("showCross", c->showCross()) != 0);
        style.showLineweights = number("showLineweights", style.showLineweights) != 0;
        c->regen();
    }
    return true;
}

bool EngineUi::loadRecent(const std::string& path) {
    QStringList lines;
    if (!readLines(path, lines))
        return false;
    recentFiles.clear();
    for (const auto& line : lines)
        if (!line.trimmed().isEmpty() && recentFiles.size() < maxRecentFiles)
            recentFiles << line.trimmed();
    return true;
}

void EngineUi::addRecent(const std::string& fileName) {
    if (fileName.empty())
        return;
    const QString name = QString::fromStdString(fileName);
    // File names compare without regard to letter case; the newest spelling stays.
    recentFiles.removeIf(
        [&](const QString& f) { return f.compare(name, Qt::CaseInsensitive) == 0; });
    recentFiles.prepend(name);
    while (recentFiles.size() > maxRecentFiles)
        recentFiles.removeLast();
}

bool EngineUi::saveRecent(const std::string& path) const {
    return writeLines(path, recentFiles);
}

std::optional<std::string> EngineUi::chooseRecent(QWidget* parent) const {
    if (recentFiles.isEmpty())
        return std::nullopt;
    bool ok = false;
    const QString name =
        QInputDialog::getItem(parent, m_messageTitle, QString(), recentFiles, 0, false, &ok);
    if (!ok)
        return std::nullopt;
    return name.toStdString();
}

// ------------------------------------------------------------------------------ file dialogs

QString EngineUi::fileFilter() const {
    return qtFileFilter(m_engine.texts().text(TextId::FileFilter));
}

std::optional<FileResult> EngineUi::openDialog(Document& doc, QWidget* parent) {
    if (doc.drawing().dirty()) {
        const auto answer = QMessageBox::question(
            parent, m_messageTitle,
            QString::fromStdString(m_engine.texts().format(TextId::SaveChanges, {doc.fileName()})),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (answer == QMessageBox::Cancel)
            return std::nullopt;
        if (answer == QMessageBox::Yes) {
            const std::optional<FileResult> saved =
                doc.fileName().empty() ? saveAsDialog(doc, parent) : doc.save(doc.fileName());
            if (!saved || !*saved)
                return saved; // cancelled or failed: nothing is opened over the changes
        }
    }
    const QString name = QFileDialog::getOpenFileName(parent, QString(), defaultDir, fileFilter());
    if (name.isEmpty())
        return std::nullopt;
    return doc.open(name.toStdString());
}

std::optional<FileResult> EngineUi::saveAsDialog(Document& doc, QWidget* parent) {
    const QString name = QFileDialog::getSaveFileName(parent, QString(), defaultDir, fileFilter());
    if (name.isEmpty())
        return std::nullopt;
    return doc.save(name.toStdString());
}

} // namespace quadrilo::cad::canvas
