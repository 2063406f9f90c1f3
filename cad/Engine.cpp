// The CAD engine object: documents, clipboard, texts and formats.
#include "cad/Engine.h"

#include "cad/Document.h"

#include <algorithm>

namespace quadrilo::cad {

Engine::Engine() = default;

Engine::~Engine() {
    // Documents end their waiting commands while the engine is still whole.
    while (!m_documents.empty())
        m_documents.pop_back();
}

Document& Engine::createDocument() {
    m_documents.push_back(std::make_unique<Document>(*this));
    return *m_documents.back();
}

bool Engine::deleteDocument(Document& document) {
    const auto it = std::find_if(m_documents.begin(), m_documents.end(),
                                 [&](const auto& d) { return d.get() == &document; });
    if (it == m_documents.end() || document.runner().executing())
        return false;
    m_documents.erase(it);
    return true;
}

} // namespace quadrilo::cad
