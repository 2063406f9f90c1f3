// The engine's user-interface side: window registry, furniture, profile, recent files, dialogs.
#include "EngineUi.h"

#include "CadCanvas.h"
#include "CanvasTexts.h"
#include "Document.h"
#include "Engine.h"
#include "LayerCombo.h"
#include "Renderer.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QPainter>
#include <QSaveFile>
#include <QShortcut>
#include <QTextStream>

#include <cmath>

namespace cad::canvas {
namespace {

EngineUi* g_ui = nullptr;

} // namespace

CadHandle EngineUi::addWindow(CadCanvas* canvas) {
    const CadHandle handle = m_nextWindow++;
    m_windows[handle] = canvas;
    QObject::connect(canvas, &QObject::destroyed, &m_connections,
                     [this, handle] { m_windows.erase(handle); });
    applyFurniture(*canvas);
    return handle;
}

void EngineUi::removeWindow(CadHandle window) {
    m_windows.erase(window);
}

CadCanvas* EngineUi::window(CadHandle handle) const {
    const auto it = m_windows.find(handle);
    return it == m_windows.end() ? nullptr : it->second;
}

std::vector<CadCanvas*> EngineUi::windows() const {
    std::vector<CadCanvas*> out;
    for (const auto& [handle, canvas] : m_windows)
        out.push_back(canvas);
    return out;
}

void EngineUi::applyFurniture(CadCanvas& canvas) {
    for (int menu = 1; menu <= 7; ++menu)
        canvas.menuClear(menu);
    for (const auto& [menu, text, command] : menuEntries)
        canvas.menuAdd(menu, text, command);
    if (defaultAccelerators && !canvas.property("accelerators").toBool()) {
        installDefaultAccelerators(canvas);
        canvas.setProperty("accelerators", true);
    }
}

CadUiScope::CadUiScope(EngineUi& ui) : m_previous(g_ui) {
    g_ui = &ui;
}
CadUiScope::~CadUiScope() {
    g_ui = m_previous;
}

void installDefaultAccelerators(CadCanvas& canvas) {
    // Built-in command numbers of the core: 301 undo, 302 redo, 304 copy, 305 paste, 310 erase.
    const std::pair<QKeySequence, int> keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Z), 301}, {QKeySequence(Qt::CTRL | Qt::Key_Y), 302},
        {QKeySequence(Qt::CTRL | Qt::Key_C), 304}, {QKeySequence(Qt::CTRL | Qt::Key_V), 305},
        {QKeySequence(Qt::Key_Delete), 310},
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
        (void)canvas.document().selectWindow({-1e300, -1e300, 1e300, 1e300}, true, true);
        canvas.regen();
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

} // namespace cad::canvas

using cad::canvas::CadCanvas;
using cad::canvas::g_ui;

namespace {

cad::Document* documentOf(CadHandle drawing) {
    return g_ui && drawing > 0 && drawing <= 0x7FFFFFFF
               ? g_ui->engine().document(static_cast<int>(drawing))
               : nullptr;
}

CadCanvas* canvasOf(CadHandle window) {
    return g_ui ? g_ui->window(window) : nullptr;
}

// Writes lines to path through a temporary file, so a failed write keeps the old file.
bool writeLines(const std::string& path, const QStringList& lines) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream out(&file);
    out.setEncoding(QStringConverter::Utf8);
    for (const auto& line : lines)
        out << line << '\n';
    out.flush();
    return file.commit();
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

CadHandle CadWndCreate(CadHandle drawing, QWidget* parent, int, int x, int y, int width,
                       int height) {
    cad::Document* doc = documentOf(drawing);
    if (!doc)
        return 0;
    auto* canvas = new CadCanvas(*doc, parent);
    canvas->setGeometry(x, y, width, height);
    canvas->show();
    return g_ui->addWindow(canvas);
}

int CadWndDelete(CadHandle window) {
    CadCanvas* canvas = canvasOf(window);
    if (!canvas)
        return 0;
    g_ui->removeWindow(window);
    delete canvas;
    return 1;
}

int CadWndResize(CadHandle window, int x, int y, int width, int height) {
    CadCanvas* canvas = canvasOf(window);
    if (!canvas || width <= 0 || height <= 0)
        return 0;
    canvas->setGeometry(x, y, width, height);
    return 1;
}

int CadWndRedraw(CadHandle window) {
    CadCanvas* canvas = canvasOf(window);
    if (!canvas)
        return 0;
    canvas->regen();
    return 1;
}

CadCanvas* CadWndGetCanvas(CadHandle window) {
    return canvasOf(window);
}

int CadGridPutShow(CadHandle window, int show) {
    CadCanvas* canvas = canvasOf(window);
    if (!canvas)
        return 0;
    canvas->renderStyle().showGrid = show != 0;
    canvas->regen();
    return 1;
}

int CadSetShowCross(int show) {
    if (!g_ui)
        return 0;
    for (CadCanvas* canvas : g_ui->windows())
        canvas->setShowCross(show != 0);
    return 1;
}

int CadPutLwDisplay(CadHandle drawing, int show) {
    if (!g_ui || !documentOf(drawing))
        return 0;
    for (CadCanvas* canvas : g_ui->windows())
        if (canvas->hasDocument() && canvas->document().handle() == drawing) {
            canvas->renderStyle().showLineweights = show != 0;
            canvas->regen();
        }
    return 1;
}

namespace {
double winEdge(CadHandle window, int edge) {
    CadCanvas* canvas = canvasOf(window);
    if (!canvas)
        return 0.0;
    const cad::Extent e = canvas->view().visibleExtent();
    const double edges[] = {e.minX, e.maxX, e.maxY, e.minY};
    return edges[edge];
}
} // namespace

double CadGetWinLeft(CadHandle window) {
    return winEdge(window, 0);
}
double CadGetWinRight(CadHandle window) {
    return winEdge(window, 1);
}
double CadGetWinTop(CadHandle window) {
    return winEdge(window, 2);
}
double CadGetWinBottom(CadHandle window) {
    return winEdge(window, 3);
}

int CadRasterize(CadHandle drawing, const std::string& name, double left, double bottom,
                 double right, double top, double scale) {
    cad::Document* doc = documentOf(drawing);
    const double w = std::round((right - left) * scale);
    const double h = std::round((top - bottom) * scale);
    constexpr double maxSide = 30000.0, maxPixels = 150e6; // about 600 MB of picture at most
    if (!doc || name.empty() || !(w >= 1.0 && h >= 1.0) || w > maxSide || h > maxSide ||
        w * h > maxPixels)
        return 0;
    cad::canvas::ViewTransform view;
    view.setViewport({w, h});
    view.setCentre({(left + right) / 2.0, (bottom + top) / 2.0, 0.0});
    view.setPixelsPerUnit(scale);
    const auto windows = g_ui->windows();
    const cad::canvas::RenderStyle style =
        windows.empty() ? cad::canvas::RenderStyle{} : windows.front()->renderStyle();
    QImage image(static_cast<int>(w), static_cast<int>(h), QImage::Format_RGB32);
    if (image.isNull())
        return 0;
    image.fill(style.background);
    {
        QPainter painter(&image);
        cad::canvas::Renderer renderer(doc->drawing(), view, style);
        renderer.draw(painter, cad::canvas::entitiesToDraw(doc->drawing(), view), nullptr);
    }
    QSaveFile file(QString::fromStdString(name));
    const QString suffix = QFileInfo(file.fileName()).suffix();
    const QByteArray format = suffix.isEmpty() ? QByteArray("BMP") : suffix.toUpper().toLatin1();
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, format.constData()))
        return 0;
    return file.commit() ? 1 : 0;
}

int CadMenuClear(int menu) {
    if (!g_ui || menu < 1 || menu > 7)
        return 0;
    std::erase_if(g_ui->menuEntries, [menu](const auto& e) { return std::get<0>(e) == menu; });
    for (CadCanvas* canvas : g_ui->windows())
        canvas->menuClear(menu);
    return 1;
}

int CadMenuAdd(int menu, const std::string& text, int command) {
    if (!g_ui || menu < 1 || menu > 7)
        return 0;
    const QString caption = QString::fromStdString(text);
    g_ui->menuEntries.emplace_back(menu, caption, command);
    for (CadCanvas* canvas : g_ui->windows())
        canvas->menuAdd(menu, caption, command);
    return 1;
}

CadHandle CadCboxCreate(int, QWidget* parent, int x, int y, int width, int height, int dropHeight) {
    const auto windows = g_ui ? g_ui->windows() : std::vector<CadCanvas*>{};
    if (windows.empty())
        return 0;
    auto* combo = new cad::canvas::LayerCombo(*windows.front(), parent);
    combo->setGeometry(x, y, width, height);
    combo->setMaxVisibleItems(std::max(1, dropHeight / std::max(1, combo->fontMetrics().height())));
    combo->show();
    return reinterpret_cast<CadHandle>(combo);
}

int CadAccelSetDefault() {
    if (!g_ui)
        return 0;
    g_ui->defaultAccelerators = true;
    for (CadCanvas* canvas : g_ui->windows())
        g_ui->applyFurniture(*canvas);
    return 1;
}

int CadSetMsgTitle(const std::string& title) {
    if (!g_ui)
        return 0;
    g_ui->messageTitle = QString::fromStdString(title);
    return 1;
}

int CadSetAngleUnit(int unit) {
    if (!g_ui)
        return 0;
    g_ui->angleUnit = unit;
    return 1;
}

int CadSetParam(int id, int value) {
    if (!g_ui)
        return 0;
    g_ui->params[id] = value;
    return 1;
}

int CadSetDefaultDir(const std::string& dir) {
    if (!g_ui)
        return 0;
    g_ui->defaultDir = QString::fromStdString(dir);
    return 1;
}

// The profile: one "key=value" line per setting of the first window.
int CadProfileSave(const std::string& path) {
    const auto windows = g_ui ? g_ui->windows() : std::vector<CadCanvas*>{};
    if (windows.empty())
        return 0;
    const CadCanvas& c = *windows.front();
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
    return writeLines(path, lines) ? 1 : 0;
}

int CadProfileLoad(const std::string& path) {
    QStringList lines;
    if (!g_ui || !readLines(path, lines))
        return 0;
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
    for (CadCanvas* c : g_ui->windows()) {
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
    return 1;
}

int CadRecentLoad(const std::string& path) {
    QStringList lines;
    if (!g_ui || !readLines(path, lines))
        return 0;
    g_ui->recentFiles.clear();
    for (const auto& line : lines)
        if (!line.trimmed().isEmpty() &&
            g_ui->recentFiles.size() < cad::canvas::EngineUi::maxRecentFiles)
            g_ui->recentFiles << line.trimmed();
    return 1;
}

int CadRecentAdd(const std::string& fileName) {
    if (!g_ui || fileName.empty())
        return 0;
    const QString name = QString::fromStdString(fileName);
    // File names compare without regard to letter case; the newest spelling stays.
    g_ui->recentFiles.removeIf(
        [&](const QString& f) { return f.compare(name, Qt::CaseInsensitive) == 0; });
    g_ui->recentFiles.prepend(name);
    while (g_ui->recentFiles.size() > cad::canvas::EngineUi::maxRecentFiles)
        g_ui->recentFiles.removeLast();
    return 1;
}

int CadRecentSave(const std::string& path) {
    return g_ui && writeLines(path, g_ui->recentFiles) ? 1 : 0;
}

int CadRecentDialog(QWidget* parent, std::string& chosen) {
    if (!g_ui || g_ui->recentFiles.isEmpty())
        return 0;
    bool ok = false;
    const QString name = QInputDialog::getItem(parent, g_ui->messageTitle, QString(),
                                               g_ui->recentFiles, 0, false, &ok);
    if (!ok)
        return 0;
    chosen = name.toStdString();
    return 1;
}

namespace {
QString fileFilter() {
    return cad::canvas::qtFileFilter(
        cad::canvas::canvasText(g_ui->engine(), cad::canvas::CanvasText::FileFilter));
}
} // namespace

int CadFileOpenDialog(CadHandle drawing, CadHandle window) {
    if (!documentOf(drawing))
        return 0;
    const QString name =
        QFileDialog::getOpenFileName(canvasOf(window), QString(), g_ui->defaultDir, fileFilter());
    return name.isEmpty() ? 0 : CadFileOpen(drawing, window, name.toStdString());
}

int CadFileSaveAsDialog(CadHandle drawing, CadHandle window) {
    if (!documentOf(drawing))
        return 0;
    const QString name =
        QFileDialog::getSaveFileName(canvasOf(window), QString(), g_ui->defaultDir, fileFilter());
    return name.isEmpty() ? 0 : CadFileSaveAs(drawing, window, name.toStdString());
}
