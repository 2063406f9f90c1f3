// The grillage solve run off the window's thread.
#include "app/mesh/CalculationRun.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <QPointer>
#include <QProgressBar>

#include <exception>
#include <thread>

namespace quadrilo::app {
namespace {

// The solver's indicator: positions cross to the bar's thread as queued calls; the maximum is
// read once on the window's thread, so the worker never touches the widget.
class MarshalledProgress : public engine::ProgressIndicator {
public:
    explicit MarshalledProgress(QProgressBar& bar) : m_bar(&bar), m_maximum(bar.maximum()) {}

    [[nodiscard]] int Maximum() const override { return m_maximum; }
    void SetPosition(int position) override {
        QMetaObject::invokeMethod(
            m_bar.data(),
            [bar = m_bar, position] {
                if (bar)
                    bar->setValue(position);
            },
            Qt::QueuedConnection);
    }

private:
    QPointer<QProgressBar> m_bar;
    const int m_maximum;
};

} // namespace

engine::CalculationOutcome RunCalculationOffUiThread(engine::GrillageCalculation& calculation,
                                                     QProgressBar& progress,
                                                     std::function<void(const std::string&)> prompt,
                                                     const std::string& inputFile,
                                                     const std::string& outputFile) {
    MarshalledProgress indicator(progress);
    calculation.AttachProgress(&indicator);
    calculation.SetMessageSink([&progress, prompt](const std::string& line) {
        QMetaObject::invokeMethod(
            &progress, [prompt, line] { prompt(line); }, Qt::QueuedConnection);
    });
    engine::CalculationOutcome outcome;
    std::exception_ptr fault;
    QEventLoop wait;
    std::thread worker([&] {
        try {
            outcome = calculation.RunGrillageCalculation(inputFile, outputFile);
        } catch (...) {
            fault = std::current_exception();
        }
        QMetaObject::invokeMethod(&wait, &QEventLoop::quit, Qt::QueuedConnection);
    });
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
    calculation.AttachProgress(nullptr);
    calculation.SetMessageSink({});
    // The last positions and lines queued by the worker land before the run is left.
    QCoreApplication::sendPostedEvents(&progress);
    if (fault)
        std::rethrow_exception(fault);
    return outcome;
}

} // namespace quadrilo::app
