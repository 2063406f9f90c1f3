// Multicast notifications with owned subscriptions: subscribing returns a token, and the
// subscription ends when the token goes (or when the signal goes first, harmlessly). A
// VerdictSignal asks its handlers whether the engine may go on with what it is about to do.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace quadrilo::cad {

// Ends what it stands for (a subscription, a command registration) when destroyed or reset.
class [[nodiscard]] Subscription {
public:
    Subscription() = default;
    Subscription(std::weak_ptr<void> guard, std::function<void()> end)
        : m_guard(std::move(guard)), m_end(std::move(end)) {}
    Subscription(Subscription&& other) noexcept
        : m_guard(std::move(other.m_guard)), m_end(std::exchange(other.m_end, {})) {}
    Subscription& operator=(Subscription&& other) noexcept {
        if (this != &other) {
            reset();
            m_guard = std::move(other.m_guard);
            m_end = std::exchange(other.m_end, {});
        }
        return *this;
    }
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;
    ~Subscription() { reset(); }

    // True while it still stands for something.
    explicit operator bool() const { return m_end && !m_guard.expired(); }
    void reset() {
        auto end = std::exchange(m_end, {});
        if (end && !m_guard.expired())
            end();
    }

private:
    std::weak_ptr<void> m_guard; // the owner's lifetime: expired, there is nothing to end
    std::function<void()> m_end;
};

// A handler's answer to "may the engine go on?": Refuse stops the engine's own handling.
enum class Verdict { Proceed, Refuse };

template <class Result, class... Args> class SignalSlots {
public:
    using Handler = std::function<Result(Args...)>;

    [[nodiscard]] Subscription subscribe(Handler handler) {
        auto slot = std::make_shared<Slot>(Slot{m_state->nextId++, std::move(handler)});
        m_state->handlers.push_back(slot);
        std::weak_ptr<State> state = m_state;
        const std::uint64_t id = slot->id;
        return Subscription(m_state, [state, id] {
            if (auto s = state.lock())
                std::erase_if(s->handlers, [id](const auto& slot) { return slot->id == id; });
        });
    }
    bool empty() const { return m_state->handlers.empty(); }

protected:
    struct Slot {
        std::uint64_t id;
        Handler handler;
    };
    struct State {
        std::vector<std::shared_ptr<Slot>> handlers;
        std::uint64_t nextId = 1;
    };

    // Calls each handler in subscription order through `call`, until `call` returns true.
    // Handlers may subscribe or unsubscribe while they run, and may even destroy the owner of
    // the signal.
    template <class Call> void each(Call call) const {
        if (m_state->handlers.empty())
            return;
        const std::shared_ptr<State> keep = m_state;
        const std::vector<std::shared_ptr<Slot>> round = keep->handlers;
        for (const auto& slot : round) {
            if (slot.use_count() == 1)
                continue; // unsubscribed by an earlier handler of this round
            if (call(slot->handler))
                return;
        }
    }

private:
    std::shared_ptr<State> m_state = std::make_shared<State>();
};

template <class... Args> class Signal : public SignalSlots<void, Args...> {
public:
    void notify(Args... args) const {
        this->each([&](const auto& handler) {
            handler(args...);
            return false;
        });
    }
};

// Asks the handlers in subscription order; the first refusal ends the asking.
template <class... Args> class VerdictSignal : public SignalSlots<Verdict, Args...> {
public:
    [[nodiscard]] Verdict ask(Args... args) const {
        Verdict verdict = Verdict::Proceed;
        this->each([&](const auto& handler) {
            verdict = handler(args...);
            return verdict == Verdict::Refuse;
        });
        return verdict;
    }
};

} // namespace quadrilo::cad
