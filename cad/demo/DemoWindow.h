// The demo's window: layer combo, canvas, command line and message log.
#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace cad {
class Document;
}
namespace cad::canvas {
class CadCanvas;
class CommandLine;
} // namespace cad::canvas

namespace demo {

class DemoWindow : public QWidget {
    Q_OBJECT
public:
    explicit DemoWindow(cad::Document& doc, QWidget* parent = nullptr);
    cad::canvas::CadCanvas& canvas() { return *m_canvas; }

private:
    cad::canvas::CadCanvas* m_canvas;
    cad::canvas::CommandLine* m_commandLine;
    QPlainTextEdit* m_log;
};

} // namespace demo
