// One open drawing with everything that acts on it: selection, picking, grips, the command
// runner and its commands, the clipboard, the file, and the events all of these raise. The
// document lives while drawings are opened into it, so subscriptions to its events stay.
#pragma once

#include "cad/CommandRunner.h"
#include "cad/Drawing.h"
#include "cad/DrawingEvents.h"
#include "cad/EngineTexts.h"
#include "cad/FileResult.h"
#include "cad/Selection.h"
#include "cad/Transaction.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quadrilo::cad {

class Engine;

// Numbers of the engine's own commands.
enum BuiltinCommand : int {
    CmdUndo = 301,
    CmdRedo = 302,
    CmdCopy = 304,
    CmdPaste = 305,
    CmdErase = 310,
    CmdMove = 313,
};

// Reads typed coordinates: absolute "x,y[,z]", relative "@dx,dy[,dz]" from last, polar
// "distance<angle" (degrees from +X) and its relative form "@distance<angle"; "." is the decimal
// separator whatever the locale.
[[nodiscard]] std::optional<Point3> parseCoordinates(const std::string& text, const Point3& last);
// A typed number, spaces around it allowed; nothing for anything else or a non-finite value.
[[nodiscard]] std::optional<double> parseNumber(const std::string& text);

// The entities whose selection state one action changed, in drawing order.
struct SelectionChange {
    std::vector<EntityId> selected;
    std::vector<EntityId> deselected;
};

// The drawing's events, and what the document itself tells.
struct DocumentEvents : DrawingEvents {
    Signal<const SelectionChange&> selectionChanged;
    // A command is about to start; a handler refusing it has done the work itself.
    VerdictSignal<int> executing;
    // A command ended: done, cancelled or failed.
    Signal<int> commandEnded;
    Signal<const Point3&> mouseMoved;
    // A handler refusing the double click has taken it over (no ordinary click follows).
    VerdictSignal<const Point3&> doubleClicked;
    Signal<const std::string&> prompted;
    // The document shows something else (drawing, selection, view, a new file): views repaint.
    Signal<> changed;
};

// Refused: the content is sound but its blocks, joined to this drawing's blocks of the same
// names, would insert each other in a cycle or nest too deep.
enum class PasteError { None, NothingToPaste, Damaged, Refused };
struct PasteResult {
    std::size_t pasted = 0;
    PasteError error = PasteError::None;
    std::string detail; // what is wrong with the clipboard content
};

class Document {
public:
    explicit Document(Engine& engine);
    ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    Engine& engine() { return m_engine; }
    const TextTable& texts() const;
    // Expires when the document goes: windows that outlive it check it.
    std::weak_ptr<const void> lifetime() const { return m_lifetime; }
    Drawing& drawing() { return *m_drawing; }
    const Drawing& drawing() const { return *m_drawing; }
    DocumentEvents& events() { return m_events; }
    const Selection& selection() const { return m_selection; }
    // The running command's input state and rubber band.
    CommandRunner& runner() { return m_runner; }
    const CommandRunner& runner() const { return m_runner; }

    // ---- file: the format follows the extension (Engine::formats)
    const std::string& fileName() const { return m_fileName; }
    void setFileName(std::string name) { m_fileName = std::move(name); }
    // Replaces the drawing by the file's; on failure the open drawing stays as it was.
    [[nodiscard]] FileResult open(const std::string& path);
    // Writes the drawing, which then bears that name and counts as saved.
    [[nodiscard]] FileResult save(const std::string& path);
    // Writes the drawing under another name, leaving the document's name and modified flag.
    [[nodiscard]] FileResult saveCopy(const std::string& path) const;

    // ---- what the user does to entities, each one undo step with the drawing's events
    std::size_t eraseSelection();
    std::size_t moveEntities(const std::vector<EntityId>& ids, const Point3& d);
    bool dragGrip(EntityId id, int grip, const Point3& d);
    std::vector<Point3> grips(EntityId id) const;

    // ---- selection; each action raises one selectionChanged
    bool select(EntityId id, bool on);
    std::size_t selectWindow(const Extent& window, bool crossing, bool on);
    std::size_t selectPolygon(const std::vector<Point3>& polygon, bool crossing, bool on);
    std::size_t selectFence(const std::vector<std::pair<Point3, Point3>>& fence, bool on);
    std::size_t selectLayer(LayerId layer, bool on);
    // The given model-space entities (a layer's elements of one kind, say); others are skipped.
    std::size_t selectEntities(std::vector<EntityId> ids, bool on);
    void clearSelection();
    // The selectable entity nearest to p within the aperture, or none.
    [[nodiscard]] EntityId entityAt(const Point3& p, double aperture);
    double pickAperture() const { return m_pickAperture; }
    void setPickAperture(double aperture) { m_pickAperture = aperture; }
    const Point3& cursor() const { return m_cursor; }
    void setCursor(const Point3& p) { m_cursor = p; }

    // ---- working settings (not undone); the views follow
    bool setCurrentLayer(LayerId layer);
    // Degrees: hor is the bearing looked towards, ver the elevation (90, 90: the plan).
    void setViewAngles(double hor, double ver);

    // ---- pointer events from the canvas
    void reportMouseMove(const Point3& p);
    // True when a handler took the double click over.
    bool reportDoubleClick(const Point3& p);

    // ---- commands
    // Registers a command until the returned token goes; empty for a taken id, name or alias.
    [[nodiscard]] Subscription addCommand(CommandDef def);
    const CommandDef* command(int id) const;
    const CommandDef* commandByName(const std::string& nameOrAlias) const;
    // Raises executing; unless a handler refuses, starts the command.
    bool execute(int id);
    // Command-line text: coordinates, a command name or alias, or text for the waiting command;
    // an empty line is Enter (repeats the last command when none waits).
    bool typeText(const std::string& text);
    // A picked (snapped) point for the waiting command.
    bool inputPoint(const Point3& p);
    void cancelCommand();

    // ---- clipboard
    bool copySelection();
    // Pastes the clipboard's entities moved by offset; they become the selection.
    PasteResult paste(const Point3& offset);

    // ---- undo; a waiting command ends first
    bool undo();
    bool redo();
    // The drawing as it stands is where undo stops: called when a document has been opened or
    // created and set up. Refused from inside a command's code.
    void beginHistory();

    // ---- what the canvas and the command line listen to
    void prompt(const std::string& text);
    void prompt(TextId id) { prompt(texts().text(id)); }
    const std::string& promptText() const { return m_prompt; }
    // Tells the views to repaint after a change of working settings (view, current layer).
    void notifyChanged() { m_events.changed.notify(); }

private:
    void registerBuiltins();
    void addBuiltin(CommandDef def);
    void beginCommand(const CommandDef& def);
    void endCommand(const CommandDef& def, const std::string& error);
    void removeCommand(int id);
    bool afterInput(std::uint64_t revisionBefore, bool fed);
    bool answerWaitingCommand(const std::string& text);
    [[nodiscard]] std::optional<Point3> typedPoint(const std::string& text) const;
    void adopt(std::unique_ptr<Drawing> drawing);
    void pruneSelection();
    bool selectable(const Entity& e) const;
    void inDrawingOrder(std::vector<EntityId>& ids) const;
    std::size_t applySelection(std::vector<EntityId> ids, bool on);
    void drawMovePreview(int mode, const Point3& cursor);
    CommandTask pickObjects();
    CommandTask moveSelection(bool& moved);
    CommandTask moveCommand();
    CommandTask pasteCommand();

    Engine& m_engine;
    DocumentEvents m_events;
    std::unique_ptr<Drawing> m_drawing;
    Selection m_selection;
    std::string m_fileName;
    Point3 m_cursor;
    double m_pickAperture = 1.0;
    std::map<int, CommandDef> m_commands;
    int m_lastCommand = 0;
    std::string m_prompt;
    std::shared_ptr<int> m_lifetime = std::make_shared<int>(0); // guards command tokens
    Subscription m_onCompleted;
    std::optional<Transaction> m_commandStep; // the running command's undo step
    std::optional<Point3> m_selectionCorner;  // first corner of a window picking objects
    CommandRunner m_runner;                   // last: ends its command before the rest goes
};

} // namespace quadrilo::cad
