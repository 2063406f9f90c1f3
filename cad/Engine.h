// The CAD engine: owns the open documents, the clipboard, the engine's text table and the
// drawing formats. One object holds all engine state, so a test simply creates a fresh one and
// the application passes it down.
#pragma once

#include "cad/Clipboard.h"
#include "cad/DrawingFormats.h"
#include "cad/EngineTexts.h"

#include <memory>
#include <vector>

namespace quadrilo::cad {

class Document;

class Engine {
public:
    Engine();
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    Document& createDocument();
    // Ends the document's waiting command first; refused (false) from inside its own command.
    bool deleteDocument(Document& document);

    Clipboard& clipboard() { return m_clipboard ? *m_clipboard : m_memoryClipboard; }
    // The GUI sets the system clipboard here; null goes back to the in-memory one.
    void setClipboard(Clipboard* clipboard) { m_clipboard = clipboard; }

    TextTable& texts() { return m_texts; }
    const TextTable& texts() const { return m_texts; }
    DrawingFormats& formats() { return m_formats; }
    const DrawingFormats& formats() const { return m_formats; }

private:
    std::vector<std::unique_ptr<Document>> m_documents;
    MemoryClipboard m_memoryClipboard;
    Clipboard* m_clipboard = nullptr;
    TextTable m_texts;
    DrawingFormats m_formats;
};

} // namespace quadrilo::cad
