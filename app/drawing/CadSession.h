// The program's hold on the CAD engine: the engine, its furniture and the one document.
#pragma once

#include "cad/Document.h"
#include "cad/Engine.h"
#include "cad/canvas/EngineUi.h"
#include "cad/canvas/SystemClipboard.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace quadrilo::app {

// The program's hold on the CAD engine: the engine, its user-interface furniture and the one
// document, and every drawing operation the application shell needs, in the shell's terms (layer
// names, palette colours as 0x00BBGGRR, file names as Qt strings).
class CadSession {
public:
    CadSession();
    ~CadSession();
    CadSession(const CadSession&) = delete;
    CadSession& operator=(const CadSession&) = delete;

    [[nodiscard]] cad::Engine& engine() { return m_engine; }
    [[nodiscard]] cad::canvas::EngineUi& ui() { return m_ui; }
    [[nodiscard]] cad::Document& document() { return *m_document; }
    [[nodiscard]] cad::Drawing& drawing() { return m_document->drawing(); }
    [[nodiscard]] const cad::Drawing& drawing() const { return m_document->drawing(); }

    // ---- the engine's furniture at start-up
    // The engine's Portuguese texts and the title of its message boxes.
    void installEngineTexts();
    // The context menus of the drawing windows and the default accelerators.
    void installContextMenus();
    // Angle unit, engine parameters.
    void applyEngineSettings();

    // ---- file: the drawing is replaced in place; a failed open leaves it as it was
    [[nodiscard]] cad::FileResult open(const QString& path);
    [[nodiscard]] cad::FileResult save(const QString& path);
    // What went wrong, in the engine's texts; empty for a success.
    [[nodiscard]] QString describe(const cad::FileResult& result) const;
    [[nodiscard]] QString fileName() const;
    void setFileName(const QString& name);
    // The filter of the file dialogs, in Qt's form, and the folder they start in.
    [[nodiscard]] QString fileFilter() const;
    [[nodiscard]] const QString& defaultDir() const { return m_defaultDir; }
    void setDefaultDir(const QString& dir) { m_defaultDir = dir; }
    [[nodiscard]] bool modified() const { return drawing().dirty(); }
    void setModified(bool modified) { drawing().setDirty(modified); }
    // The set-up of an opened document is not the user's to undo.
    void forgetUndo() { drawing().clearUndo(); }

    // ---- layers
    void addProgramLayers();
    bool setCurrentLayer(const QString& name);
    [[nodiscard]] QString currentLayerName() const;
    // Gives every entity of the layer the visibility, then the layer itself (one undo step).
    void setLayerVisible(const QString& name, bool visible);
    // The layer alone; its entities keep their own visibility.
    void setLayerShown(const QString& name, bool shown);
    [[nodiscard]] std::optional<bool> layerShown(const QString& name) const;
    void setLayerColor(const QString& name, int colorIndex);
    [[nodiscard]] std::optional<int> layerColor(const QString& name) const;

    // ---- styles and the two locked axes of layer "0"
    void setUpStyles();
    // Adds the axes that are missing; returns how many were added.
    int addAxesWhenAbsent();

    // ---- drawing-level data and palette
    [[nodiscard]] const std::vector<std::uint8_t>& drawingData() const;
    void setDrawingData(const std::vector<std::uint8_t>& bytes);
    [[nodiscard]] std::uint32_t paletteColor(int index) const;
    void setPaletteColor(int index, std::uint32_t bgr);

    // ---- entities and selection
    // A construction line on the current layer; false when the engine refuses it.
    [[nodiscard]] bool addConstructionLine(const cad::Point3& base, const cad::Point3& direction);
    // Selects the entities of the layer with the kind code, as one selection action.
    std::size_t selectKindInLayer(const QString& layer, int kind);
    void clearSelection();
    std::size_t eraseSelection();
    [[nodiscard]] std::size_t selectionCount() const;

    // ---- view, command line, clipboard
    // The view stored in the drawing looks straight down or straight up.
    [[nodiscard]] bool viewFromTopOrBottom() const;
    // A command of the engine's that acts at once, without input, registered while the token
    // lives; an empty token when the number or the name is taken.
    [[nodiscard]] cad::Subscription addImmediateCommand(int id, const char* name,
                                                        std::function<void()> action);
    // Text typed on the engine's command line; false when the engine did not take it.
    [[nodiscard]] bool typeCommandLine(const QString& text);
    [[nodiscard]] bool clipboardHoldsEntities();

private:
    [[nodiscard]] const cad::Layer* layerNamed(const QString& name) const;
    void editLayer(const QString& name, const std::function<void(cad::Layer&)>& change);

    cad::Engine m_engine;
    cad::canvas::EngineUi m_ui{m_engine};
    std::unique_ptr<cad::canvas::SystemClipboard> m_clipboard;
    cad::Document* m_document = nullptr;
    QString m_defaultDir;
};

// The drawing's palette keeps 0x00RRGGBB, the program's records 0x00BBGGRR: swapping red and
// blue turns one into the other.
[[nodiscard]] constexpr std::uint32_t SwapRedBlue(std::uint32_t color) {
    return ((color & 0xFFu) << 16) | (color & 0xFF00u) | ((color >> 16) & 0xFFu);
}

// The layer's id in the drawing, or none.
[[nodiscard]] cad::LayerId LayerNamed(const cad::Drawing& drawing, const QString& name);

} // namespace quadrilo::app
