// The CAD engine object: drawings, events, clipboard and texts.
#include "Engine.h"

#include "Document.h"

namespace cad {
namespace {

// Default texts; CadSetString replaces them (the application installs its own tables).
const std::map<int, std::string>& defaultTexts() {
    static const std::map<int, std::string> texts{
        {int(EngineText::SelectObjects), "Select objects (Enter to finish):"},
        {int(EngineText::BasePoint), "Base point:"},
        {int(EngineText::SecondPoint), "Second point:"},
        {int(EngineText::NothingSelected), "Nothing selected."},
        {int(EngineText::NothingToUndo), "Nothing to undo."},
        {int(EngineText::NothingToRedo), "Nothing to redo."},
        {int(EngineText::ClipboardEmpty), "No entities on the clipboard."},
        {int(EngineText::UnknownCommand), "Unknown command: %s"},
        {int(EngineText::CommandFailed), "Command failed: %s"},
    };
    return texts;
}

} // namespace

Engine::Engine() : m_texts(defaultTexts()) {}

Engine::~Engine() {
    // Documents end their waiting commands while the engine is still whole.
    while (!m_documents.empty())
        m_documents.erase(m_documents.begin());
}

Document& Engine::createDocument() {
    const int handle = m_nextDocument++;
    auto& slot = m_documents[handle];
    slot = std::make_unique<Document>(*this, handle);
    return *slot;
}

bool Engine::deleteDocument(int handle) {
    return m_documents.erase(handle) != 0;
}

Document* Engine::document(int handle) {
    const auto it = m_documents.find(handle);
    return it == m_documents.end() ? nullptr : it->second.get();
}

std::string Engine::text(int id) const {
    const auto it = m_texts.find(id);
    return it == m_texts.end() ? std::string() : it->second;
}

} // namespace cad
