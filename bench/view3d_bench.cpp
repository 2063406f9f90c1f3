// view3d-bench: the 3D result view on the 141 × 141-division malha with the real surface plot.
// Needs a display with OpenGL (for example `xvfb-run -a -s "-screen 0 1280x1024x24"`). Prints the
// time from opening the view to its first frame, the frames drawn per second while the mouse
// turns the view, and the processor time per frame (the figure that does not depend on how
// busy the machine is).
#include "GeneratedMalha.h"
#include "Tfrm3DView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <QtDataVisualization/QAbstract3DGraph>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sys/resource.h>

using namespace quadrilo::results;

namespace {

// Processor seconds of the whole process (all its threads: the software renderer's too).
double ProcessorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

constexpr int Divisions = 141;
constexpr int RotationMilliseconds = 5000;

// Counts the frames the plot's window is asked to draw.
class FrameCounter : public QObject {
public:
    int frames = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::UpdateRequest)
            ++frames;
        return QObject::eventFilter(watched, event);
    }
};

QWindow* PlotWindow() {
    for (auto* window : QGuiApplication::allWindows())
        if (qobject_cast<QAbstract3DGraph*>(window))
            return window;
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const auto folder = std::filesystem::temp_directory_path() / "quadrilo-view3d-bench";
    std::filesystem::create_directories(folder);
    const auto malha = fixtures::SolvedMalha(Divisions, Divisions, 5, folder);
    std::filesystem::remove_all(folder);

    QElapsedTimer clock;
    const double processorAtOpen = ProcessorSeconds();
    clock.start();
    Tfrm3DView view;
    const double made = clock.elapsed() / 1000.0;
    if (!view.BuildGrid(malha.Nodes))
        return 2;
    const double built = clock.elapsed() / 1000.0;
    view.show();
    auto* window = PlotWindow();
    if (!window)
        return 3;
    FrameCounter counter;
    window->installEventFilter(&counter);
    while (counter.frames == 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
    std::printf("view3d_open_s %.3f (%zu nodes; window made %.3f, grid given %.3f; %.3f s of "
                "processor)\n",
                clock.elapsed() / 1000.0, malha.Nodes.size(), made, built - made,
                ProcessorSeconds() - processorAtOpen);

    // A drag across the plot, one pixel per event, as fast as the events are taken.
    const QPoint start(window->width() / 2, window->height() / 2);
    QTest::mousePress(window, Qt::LeftButton, {}, start);
    counter.frames = 0;
    const double processorAtStart = ProcessorSeconds();
    clock.restart();
    int step = 0;
    QTimer drag;
    QObject::connect(&drag, &QTimer::timeout,
                     [&] { QTest::mouseMove(window, start + QPoint(++step % 200 - 100, 0)); });
    drag.start(0);
    QTimer::singleShot(RotationMilliseconds, &app, &QCoreApplication::quit);
    app.exec();
    const double seconds = clock.elapsed() / 1000.0;
    const double processor = ProcessorSeconds() - processorAtStart;
    std::printf("view3d_rotation_fps %.1f (%d frames in %.1f s)\n", counter.frames / seconds,
                counter.frames, seconds);
    // What a frame costs whatever else the machine runs: the processor time it takes.
    std::printf("view3d_frame_cpu_ms %.1f (%.2f processors busy)\n",
                1000 * processor / std::max(counter.frames, 1), processor / seconds);
    return 0;
}
