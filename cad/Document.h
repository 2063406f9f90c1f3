// One open drawing with everything that acts on it: selection, picking, grips, the command
// runner and its commands, the clipboard, the file, and the events these raise.
#pragma once

#include "CommandRunner.h"
#include "Drawing.h"
#include "Selection.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace cad {

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

// Reads typed coordinates: absolute "x,y[,z]" or relative "@dx,dy[,dz]" from last; "." is the
// decimal separator whatever the locale.
std::optional<Point3> parseCoordinates(const std::string& text, const Point3& last);

class Document {
public:
    Document(Engine& engine, int handle);
    ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    int handle() const { return m_handle; }
    Engine& engine() { return m_engine; }
    Drawing& drawing() { return *m_drawing; }
    Selection& selection() { return m_selection; }
    CommandRunner& runner() { return m_runner; }

    // ---- file
    const std::string& fileName() const { return m_fileName; }
    void setFileName(std::string name) { m_fileName = std::move(name); }
    // Replaces the drawing by the file's; on failure the open drawing stays as it was.
    [[nodiscard]] bool open(const std::string& path, std::string& error);
    [[nodiscard]] bool save(const std::string& path, std::string& error);
    // The reason of the last failed file operation, for the flat API's error text.
    std::string& lastError() { return m_lastError; }

    // ---- entities, raising the create and erase events
    EntityId add(Entity entity);
    bool erase(EntityId id);
    std::size_t eraseSelection();
    // Moves each entity by d after the move event (which may change d, or refuse with 1).
    std::size_t moveEntities(const std::vector<EntityId>& ids, const Point3& d);

    // ---- selection
    bool select(EntityId id, bool on); // raises the select event when the state changes
    std::size_t selectWindow(const Extent& window, bool crossing, bool on);
    std::size_t selectPolygon(const std::vector<Point3>& polygon, bool crossing, bool on);
    std::size_t selectFence(const std::vector<std::pair<Point3, Point3>>& fence, bool on);
    std::size_t selectLayer(LayerId layer, bool on);
    // The selectable entity nearest to p within the aperture, or none.
    [[nodiscard]] EntityId entityAt(const Point3& p, double aperture);
    double pickAperture() const { return m_pickAperture; }
    void setPickAperture(double aperture) { m_pickAperture = aperture; }
    const Point3& cursor() const { return m_cursor; }
    void setCursor(const Point3& p) { m_cursor = p; }

    // ---- pointer events from the canvas
    void reportMouseMove(const Point3& p);
    // True when a handler took the double click over (returned 1).
    bool reportDoubleClick(const Point3& p);

    // ---- grips
    std::vector<Point3> grips(EntityId id) const;
    // Raises the grip event, then applies the drag unless the handler refused it.
    bool dragGrip(EntityId id, int grip, const Point3& d);

    // ---- commands
    bool addCommand(CommandDef def); // false for a taken id or name
    const CommandDef* command(int id) const;
    const CommandDef* commandByName(const std::string& nameOrAlias) const;
    // Raises the execute event; unless a handler returns 1, starts the command.
    bool execute(int id);
    // Command-line text: coordinates, a command name or alias, or text for the waiting command;
    // an empty line is Enter (repeats the last command when none waits).
    bool typeText(const std::string& text);
    void cancelCommand() { m_runner.cancel(); }
    // The vertex list that multilines, polylines and polygon selection take their points from.
    std::vector<Point3>& vertices() { return m_vertices; }

    // ---- clipboard
    bool copySelection();
    // Pastes the clipboard's entities moved by offset; they become the selection.
    std::size_t paste(const Point3& offset, std::string& error);

    // ---- undo
    bool undo();
    bool redo();

    // ---- what the canvas and the command line listen to
    void prompt(const std::string& text);
    const std::string& promptText() const { return m_prompt; }
    void setPromptListener(std::function<void(const std::string&)> f) {
        m_promptListener = std::move(f);
    }
    void setChangeListener(std::function<void()> f) { m_changeListener = std::move(f); }
    void notifyChanged();

private:
    void registerBuiltins();
    void endCommand();
    void addBuiltin(int id, const char* name, const char* alias, std::function<CommandTask()> run,
                    std::function<void(int, const Point3&)> drag = {});
    bool selectable(const Entity& e) const;
    void inDrawingOrder(std::vector<EntityId>& ids) const;
    std::size_t applySelection(std::vector<EntityId> ids, bool on);
    CommandTask moveCommand();
    CommandTask pasteCommand();

    Engine& m_engine;
    int m_handle;
    std::unique_ptr<Drawing> m_drawing;
    Selection m_selection;
    std::string m_fileName;
    std::string m_lastError;
    std::vector<Point3> m_vertices;
    Point3 m_cursor;
    double m_pickAperture = 1.0;
    std::map<int, CommandDef> m_commands;
    int m_lastCommand = 0;
    std::string m_prompt;
    std::function<void(const std::string&)> m_promptListener;
    std::function<void()> m_changeListener;
    CommandRunner m_runner; // last: ends its command before the rest goes
};

} // namespace cad
