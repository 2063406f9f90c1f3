// The CAD engine: owns the open drawings, the event handlers, the clipboard and the engine's
// text table. One object holds all engine state, so a test simply creates a fresh one.
#pragma once

#include "Clipboard.h"
#include "Geometry.h"
#include "Ids.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace cad {

class Document;

// The engine's event handlers; a handler may call Engine::setReturnInt(1) to stop the
// engine's own handling of the event (0, the default, lets it go on).
struct EventHandlers {
    std::function<void(int drawing, const Point3& at)> mouseDblClk;
    std::function<void(int drawing, EntityId entity, bool selected)> entSelect;
    std::function<void(int drawing, EntityId entity)> entChange;
    std::function<void(int drawing, const Point3& at)> mouseMove;
    // The displacement can be changed by the handler.
    std::function<void(int drawing, EntityId entity, Point3& d)> entMove;
    std::function<void(int drawing, EntityId entity, int grip, Point3& d)> gripMove;
    std::function<void(int drawing, EntityId entity)> entErase;
    std::function<void(int drawing, EntityId entity)> entCreate;
    std::function<void(int drawing, int command)> execute;
};

// Identifiers of the engine's own texts in its text table.
enum class EngineText : int {
    SelectObjects = 40001, // above the identifiers of the application's text tables
    BasePoint,
    SecondPoint,
    NothingSelected,
    NothingToUndo,
    NothingToRedo,
    ClipboardEmpty,
    UnknownCommand,
    CommandFailed,
};

class Engine {
public:
    Engine();
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    Document& createDocument();
    bool deleteDocument(int handle);
    Document* document(int handle);

    EventHandlers& events() { return m_events; }
    // Calls a handler and returns the result it gave with setReturnInt (0 when none).
    template <class Handler, class... Args> int fire(const Handler& handler, Args&&... args) {
        if (!handler)
            return 0;
        const int saved = m_returnInt;
        m_returnInt = 0;
        handler(std::forward<Args>(args)...);
        const int result = m_returnInt;
        m_returnInt = saved;
        return result;
    }
    void setReturnInt(int value) { m_returnInt = value; }

    Clipboard& clipboard() { return m_clipboard ? *m_clipboard : m_memoryClipboard; }
    // The GUI sets the system clipboard here; null goes back to the in-memory one.
    void setClipboard(Clipboard* clipboard) { m_clipboard = clipboard; }

    void setText(int id, std::string text) { m_texts[id] = std::move(text); }
    std::string text(int id) const;
    std::string text(EngineText id) const { return text(static_cast<int>(id)); }

private:
    std::map<int, std::unique_ptr<Document>> m_documents;
    int m_nextDocument = 1;
    EventHandlers m_events;
    int m_returnInt = 0;
    MemoryClipboard m_memoryClipboard;
    Clipboard* m_clipboard = nullptr;
    std::map<int, std::string> m_texts;
};

} // namespace cad
