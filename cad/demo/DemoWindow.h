// The demo's window: layer combo, canvas, command line and message log.
#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace quadrilo::cad {
class Document;
}
namespace quadrilo::cad::canvas {
class CadCanvas;
class CommandLine;
} // namespace quadrilo::cad::canvas

namespace quadrilo::cad::demo {

class DemoWindow : public QWidget {
    Q_OBJECT
public:
    explicit DemoWindow(Document& doc, QWidget* parent = nullptr);
    canvas::CadCanvas& canvas() { return *m_canvas; }
    canvas::CommandLine& commandLine() { return *m_commandLine; }

private:
    canvas::CadCanvas* m_canvas;
    canvas::CommandLine* m_commandLine;
    QPlainTextEdit* m_log;
};

} // namespace quadrilo::cad::demo
