// Runs one command at a time and feeds it abstract input events (point, typed text, Enter,
// cancel) from any source: the canvas after snapping, the command line or a test script.
#pragma once

#include "cad/CommandTask.h"
#include "cad/Geometry.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quadrilo::cad {

// What a waiting command received.
enum class InputKind : int { Cancel = 0, Point = 1, Text = 2, Enter = 3 };

// A line or polyline of the rubber band the running command draws while the cursor moves.
struct RubberBand {
    std::vector<Point3> points;
    bool closed = false;
};

// What the waiting command asks for; it decides how a typed line is read. A line matching one
// of the keywords is always that keyword (an option of the command, such as U for undo in LINE);
// a text answer takes the line as typed, never as a command name or coordinates; at a point
// prompt a line that is no point and no command is refused and the prompt asked again.
enum class Expect : int { Any = 0, Point = 1, Text = 2 };
struct InputRequest {
    Expect expect = Expect::Any;
    std::vector<std::string> keywords;
};

struct CommandDef {
    int id = 0;
    std::string name;
    std::string alias;
    int cursor = 0;
    std::function<CommandTask()> run{};
    std::function<void(int mode, const Point3& cursor)> drag{}; // may be empty
    // The command's changes make one undo step; undo and redo themselves must not.
    bool undoStep = true;
};

class CommandRunner {
public:
    // onBegin and onEnd bracket each command; onEnd hears the error that ended it, if its
    // code threw (empty otherwise).
    using Begin = std::function<void(const CommandDef&)>;
    using End = std::function<void(const CommandDef&, const std::string& error)>;
    CommandRunner(Begin onBegin, End onEnd);
    ~CommandRunner();
    CommandRunner(const CommandRunner&) = delete;
    CommandRunner& operator=(const CommandRunner&) = delete;

    // Starts a command; a command waiting for input is cancelled first. Refused (false) while
    // a command is executing, that is from inside a command's own code.
    bool start(const CommandDef& def);
    // Cancels the waiting command and ends it even if it asks for more input.
    void cancel();
    bool active() const { return m_task.valid(); }
    bool waiting() const { return m_task.valid() && m_resume && !m_executing; }
    int activeId() const { return m_task.valid() ? m_def.id : 0; }
    // The running command (its cursor, name), or null.
    const CommandDef* activeCommand() const { return m_task.valid() ? &m_def : nullptr; }
    // True while the command's own code runs (between two inputs).
    bool executing() const { return m_executing; }

    // Input events; false when no command waits for input.
    bool point(const Point3& p);
    bool text(const std::string& text);
    bool enter();

    // What a command awaits for its next input: `co_await runner.nextInput()` gives the
    // InputKind as an int. Without a runner it completes at once with Cancel.
    struct InputAwaiter {
        CommandRunner* runner = nullptr;
        bool await_ready() const noexcept { return runner == nullptr; }
        void await_suspend(std::coroutine_handle<> h) noexcept { runner->m_resume = h; }
        int await_resume() const noexcept {
            return runner ? static_cast<int>(runner->m_inputKind) : 0;
        }
    };
    InputAwaiter nextInput(InputRequest request = {}) {
        m_request = std::move(request);
        return InputAwaiter{this};
    }
    // A point (or Enter, Cancel, one of the keywords as Text).
    InputAwaiter nextPoint(std::vector<std::string> keywords = {}) {
        return nextInput({Expect::Point, std::move(keywords)});
    }
    // A text answer: the typed line is the text, an empty line Enter.
    InputAwaiter nextText() { return nextInput({Expect::Text, {}}); }
    // What the waiting command asked for (Any when none waits).
    const InputRequest& request() const;

    // State of the running command.
    InputKind inputKind() const { return m_inputKind; }
    const Point3& inputPoint() const { return m_inputPoint; }
    const std::string& inputText() const { return m_inputText; }
    std::vector<Point3>& points() { return m_points; }
    std::optional<Point3> basePoint() const { return m_base; }
    void setBasePoint(const Point3& p) { m_base = p; }
    // The point relative typed coordinates start from: the last input point, else the base,
    // else the last point of an earlier command.
    Point3 lastPoint() const;

    // Calls the running command's drag callback for the cursor and returns what it drew.
    std::vector<RubberBand> drag(const Point3& cursor, int mode = 1);
    void drawLine(const Point3& a, const Point3& b);
    void drawAddVertex(const Point3& p);
    void drawPolyline(bool closed);
    // The plan rectangle with opposite corners a and c (at a's height).
    void drawBox(const Point3& a, const Point3& c);

private:
    bool feed(InputKind kind);
    void resume(std::coroutine_handle<> h);
    void finishIfDone();
    void finish();

    Begin m_onBegin;
    End m_onEnd;
    CommandDef m_def;
    CommandTask m_task;
    std::coroutine_handle<> m_resume;
    bool m_executing = false;
    InputKind m_inputKind = InputKind::Cancel;
    InputRequest m_request;
    Point3 m_inputPoint;
    bool m_hasInputPoint = false;
    std::optional<Point3> m_previousCommandPoint;
    std::string m_inputText;
    std::vector<Point3> m_points;
    std::optional<Point3> m_base;
    bool m_dragging = false;
    std::vector<RubberBand> m_band;
    std::vector<Point3> m_bandVertices;
    std::string m_lastError;
};

} // namespace quadrilo::cad
