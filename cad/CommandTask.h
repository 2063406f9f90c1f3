// The coroutine type of a command: a command waits for input by co_awaiting its runner, so it
// never spins an event loop of its own; a command may co_await another CommandTask.
#pragma once

#include <coroutine>
#include <exception>
#include <functional>
#include <utility>

namespace quadrilo::cad {

class CommandTask {
public:
    struct promise_type {
        std::coroutine_handle<> continuation;
        std::exception_ptr error;

        CommandTask get_return_object() {
            return CommandTask(std::coroutine_handle<promise_type>::from_promise(*this));
        }
        std::suspend_always initial_suspend() noexcept { return {}; }
        auto final_suspend() noexcept {
            struct Resume {
                bool await_ready() noexcept { return false; }
                std::coroutine_handle<>
                await_suspend(std::coroutine_handle<promise_type> h) noexcept {
                    auto next = h.promise().continuation;
                    return next ? next : std::noop_coroutine();
                }
                void await_resume() noexcept {}
            };
            return Resume{};
        }
        void return_void() {}
        void unhandled_exception() { error = std::current_exception(); }
    };
    using Handle = std::coroutine_handle<promise_type>;

    CommandTask() = default;
    explicit CommandTask(Handle h) : m_handle(h) {}
    CommandTask(CommandTask&& o) noexcept : m_handle(std::exchange(o.m_handle, {})) {}
    CommandTask& operator=(CommandTask&& o) noexcept {
        if (this != &o) {
            reset();
            m_handle = std::exchange(o.m_handle, {});
        }
        return *this;
    }
    ~CommandTask() { reset(); }

    bool valid() const { return bool(m_handle); }
    bool done() const { return !m_handle || m_handle.done(); }
    Handle handle() const { return m_handle; }
    void reset() {
        if (m_handle)
            m_handle.destroy();
        m_handle = {};
    }

    // Awaiting a sub-command runs it to its end, then continues the caller; its exception, if
    // any, passes on to the caller.
    bool await_ready() const noexcept { return done(); }
    std::coroutine_handle<> await_suspend(std::coroutine_handle<> caller) noexcept {
        m_handle.promise().continuation = caller;
        return m_handle;
    }
    void await_resume() {
        if (m_handle && m_handle.promise().error)
            std::rethrow_exception(m_handle.promise().error);
    }

private:
    Handle m_handle;
};

// A command that does its work at once, without waiting for input.
inline CommandTask immediately(std::function<void()> action) {
    action();
    co_return;
}

} // namespace quadrilo::cad
