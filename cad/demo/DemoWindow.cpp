// Demo window: hosts the engine's canvas the way the main window will.
#include "cad/demo/DemoWindow.h"

#include "cad/canvas/CadCanvas.h"
#include "cad/canvas/CommandLine.h"
#include "cad/canvas/DraftingStatusBar.h"
#include "cad/canvas/LayerCombo.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace quadrilo::cad::demo {

DemoWindow::DemoWindow(Document& doc, QWidget* parent)
    : QWidget(parent), m_canvas(new canvas::CadCanvas(doc, this)), m_log(new QPlainTextEdit(this)) {
    m_commandLine = new canvas::CommandLine(*m_canvas, m_log, this);
    auto* bar = new QHBoxLayout;
    bar->addWidget(new canvas::LayerCombo(*m_canvas, this));
    bar->addStretch(1);
    m_log->setReadOnly(true);
    m_log->setMaximumBlockCount(2000);
    m_log->setFixedHeight(90);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(bar);
    layout->addWidget(m_canvas, 1);
    layout->addWidget(m_log);
    layout->addWidget(m_commandLine);
    layout->addWidget(new canvas::DraftingStatusBar(*m_canvas, this));
    setWindowTitle(QStringLiteral("Quadrilo CAD"));
}

} // namespace quadrilo::cad::demo
