// The engine's user-interface side: windows and their furniture.
#include "cad/canvas/EngineUi.h"

#include "cad/Document.h"
#include "cad/canvas/CadCanvas.h"

namespace quadrilo::cad::canvas {

// ---------------------------------------------------------------------------------- windows

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

void installDefaultAccelerators(CadCanvas& canvas) {
    const std::pair<QKeySequence, int> keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Z), CmdUndo},
        {QKeySequence(Qt::CTRL | Qt::Key_Y), CmdRedo},
        {QKeySequence(Qt::CTRL | Qt::Key_C), CmdCopy},
        {QKeySequence(Qt::CTRL | Qt::Key_V), CmdPaste},
        {QKeySequence(Qt::Key_Delete), CmdErase},
    };
    for (const auto& [sequence, command] : keys)
        canvas.addAccelerator(sequence, [&canvas, command = command] { canvas.execute(command); });
    canvas.addAccelerator(QKeySequence(Qt::CTRL | Qt::Key_A), [&canvas] {
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

} // namespace quadrilo::cad::canvas
