// The command runner: starts commands as coroutines and resumes them with each input event.
#include "cad/CommandRunner.h"

namespace quadrilo::cad {

CommandRunner::CommandRunner(Begin onBegin, End onEnd)
    : m_onBegin(std::move(onBegin)), m_onEnd(std::move(onEnd)) {}

CommandRunner::~CommandRunner() {
    if (m_task.valid())
        finish();
}

bool CommandRunner::start(const CommandDef& def) {
    if (m_executing || !def.run)
        return false;
    cancel();
    m_def = def;
    if (m_hasInputPoint)
        m_previousCommandPoint = m_inputPoint;
    m_points.clear();
    m_base.reset();
    m_hasInputPoint = false;
    m_inputText.clear();
    m_inputKind = InputKind::Cancel;
    m_lastError.clear();
    m_onBegin(m_def);
    m_task = m_def.run();
    if (!m_task.valid()) {
        finish();
        return true;
    }
    resume(m_task.handle());
    return true;
}

void CommandRunner::cancel() {
    if (!m_task.valid() || m_executing)
        return;
    feed(InputKind::Cancel);
    // A command that asks for input again after a cancel is ended here: cancel is final.
    if (m_task.valid())
        finish();
}

bool CommandRunner::point(const Point3& p) {
    if (!waiting())
        return false;
    m_inputPoint = p;
    m_hasInputPoint = true;
    return feed(InputKind::Point);
}

bool CommandRunner::text(const std::string& text) {
    if (!waiting())
        return false;
    m_inputText = text;
    return feed(InputKind::Text);
}

bool CommandRunner::enter() {
    return waiting() && feed(InputKind::Enter);
}

bool CommandRunner::feed(InputKind kind) {
    if (!waiting())
        return false;
    m_inputKind = kind;
    m_request = {};
    resume(std::exchange(m_resume, {}));
    return true;
}

void CommandRunner::resume(std::coroutine_handle<> h) {
    m_executing = true;
    h.resume();
    m_executing = false;
    finishIfDone();
}

void CommandRunner::finishIfDone() {
    if (!m_task.valid() || !m_task.done())
        return;
    if (auto error = m_task.handle().promise().error) {
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            m_lastError = e.what();
        } catch (...) {
            m_lastError = "unknown error";
        }
    }
    finish();
}

void CommandRunner::finish() {
    m_task.reset();
    m_resume = {};
    m_onEnd(m_def, std::exchange(m_lastError, {}));
}

Point3 CommandRunner::lastPoint() const {
    if (m_hasInputPoint)
        return m_inputPoint;
    return m_base.value_or(m_previousCommandPoint.value_or(Point3{}));
}

const InputRequest& CommandRunner::request() const {
    static const InputRequest none;
    return waiting() ? m_request : none;
}

std::vector<RubberBand> CommandRunner::drag(const Point3& cursor, int mode) {
    m_band.clear();
    m_bandVertices.clear();
    if (!waiting() || !m_def.drag)
        return {};
    m_dragging = true;
    try {
        m_def.drag(mode, cursor);
    } catch (...) {
        m_dragging = false; // drawing calls outside a drag must draw nothing again
        throw;
    }
    m_dragging = false;
    return std::move(m_band);
}

void CommandRunner::drawLine(const Point3& a, const Point3& b) {
    if (m_dragging)
        m_band.push_back(RubberBand{{a, b}, false});
}

void CommandRunner::drawAddVertex(const Point3& p) {
    if (m_dragging)
        m_bandVertices.push_back(p);
}

void CommandRunner::drawPolyline(bool closed) {
    if (m_dragging)
        m_band.push_back(RubberBand{std::exchange(m_bandVertices, {}), closed});
}

void CommandRunner::drawBox(const Point3& a, const Point3& c) {
    for (const Point3& p : {a, Point3{c.x, a.y, a.z}, Point3{c.x, c.y, a.z}, Point3{a.x, c.y, a.z}})
        drawAddVertex(p);
    drawPolyline(true);
}

} // namespace quadrilo::cad
