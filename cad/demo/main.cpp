// quadrilo-cad-demo: the CAD canvas with a command line and a log, for trying the engine alone.
// Options: --sample (a small floor drawing), --view N (a standard view 130-139),
// --screenshot FILE.png (save the window once shown, then quit), --type "LINE|0,0|..." (lines
// typed on the command line, "|" between them), --hover X,Y (the pointer rests over that drawing
// point), --select-all, --pick X,Y (selects the entity there), --drag X1,Y1,X2,Y2 (the left
// button pressed over the first point and held while the pointer moves to the second, as a grip
// drag halfway). The engine speaks its own English
// defaults; languages are the program's tables.
#include "cad/Document.h"
#include "cad/Engine.h"
#include "cad/canvas/CadCanvas.h"
#include "cad/canvas/CommandLine.h"
#include "cad/canvas/EngineUi.h"
#include "cad/canvas/SystemClipboard.h"
#include "cad/demo/DemoWindow.h"
#include "cad/demo/SampleDrawing.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDialog>
#include <QMouseEvent>
#include <QTimer>

using namespace quadrilo::cad;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser options;
    options.addHelpOption();
    const QCommandLineOption sample("sample", "Open a small sample floor drawing.");
    const QCommandLineOption view("view", "Show the standard view N (130-139).", "N");
    const QCommandLineOption shot("screenshot", "Save the window to FILE and quit.", "FILE");
    const QCommandLineOption typed("type", "Type these command lines, '|' between them.", "LINES");
    const QCommandLineOption hover("hover", "Rest the pointer over the drawing point X,Y.", "X,Y");
    const QCommandLineOption selectAll("select-all", "Select every entity first.");
    const QCommandLineOption pick("pick", "Select the entity at the drawing point X,Y first.",
                                  "X,Y");
    const QCommandLineOption drag("drag", "Press over X1,Y1 and move, held, to X2,Y2.",
                                  "X1,Y1,X2,Y2");
    options.addOptions({sample, view, shot, typed, hover, selectAll, pick, drag});
    options.process(app);

    Engine engine;
    canvas::SystemClipboard clipboard;
    engine.setClipboard(&clipboard);
    canvas::EngineUi ui(engine);
    ui.setDefaultAccelerators();
    Document& doc = engine.createDocument();
    if (options.isSet(sample)) {
        demo::buildSampleDrawing(doc.drawing());
        doc.beginHistory();
        doc.drawing().setDirty(false);
    }

    demo::DemoWindow window(doc);
    ui.addWindow(window.canvas());
    window.resize(1000, 720);
    window.show();
    auto& canvas = window.canvas();
    canvas.renderStyle().showLineweights = true;
    canvas.zoomExtents();
    if (options.isSet(view))
        canvas.execute(options.value(view).toInt());
    if (options.isSet(selectAll))
        (void)doc.selectWindow({-1e300, -1e300, 1e300, 1e300}, true, true);
    if (options.isSet(pick)) {
        const QStringList xy = options.value(pick).split(QLatin1Char(','));
        const Point3 at{xy.value(0).toDouble(), xy.value(1).toDouble(), 0};
        (void)doc.select(doc.entityAt(at, doc.pickAperture()), true);
    }
    for (const QString& line : options.value(typed).split(QLatin1Char('|'), Qt::SkipEmptyParts))
        window.commandLine().submit(line == QLatin1String("_") ? QString() : line);
    if (options.isSet(hover)) {
        const QStringList xy = options.value(hover).split(QLatin1Char(','));
        const QPointF at =
            canvas.view().toScreen({xy.value(0).toDouble(), xy.value(1).toDouble(), 0});
        QMouseEvent move(QEvent::MouseMove, at, canvas.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&canvas, &move);
    }
    if (options.isSet(drag)) {
        const QStringList c = options.value(drag).split(QLatin1Char(','));
        const auto at = [&](int i) {
            return canvas.view().toScreen({c.value(i).toDouble(), c.value(i + 1).toDouble(), 0});
        };
        QMouseEvent press(QEvent::MouseButtonPress, at(0), canvas.mapToGlobal(at(0)),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&canvas, &press);
        QMouseEvent move(QEvent::MouseMove, at(2), canvas.mapToGlobal(at(2)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&canvas, &move);
    }
    if (options.isSet(shot)) {
        const QString file = options.value(shot);
        QTimer::singleShot(300, &window, [&window, file] {
            // A dialog the typed lines opened is what the picture shows.
            QWidget* top = &window;
            for (QDialog* dialog : window.findChildren<QDialog*>())
                if (dialog->isVisible())
                    top = dialog;
            top->grab().save(file);
            QApplication::quit();
        });
    }
    const int status = app.exec();
    engine.setClipboard(nullptr);
    return status;
}
