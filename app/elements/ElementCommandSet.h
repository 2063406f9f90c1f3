// The element commands of the CAD engine: LAJE, VIGA, PILAR, PAREDE and DLOCLOAD, with their
// prompts, rubber bands and cursors.
#pragma once

#include <functional>

#include "app/elements/ElementHost.h"

#include "cad/CommandTask.h"
#include "cad/Signal.h"
#include "elements/ElementDrawing.h"

#include <vector>

namespace quadrilo::cad::canvas {
class CadCanvas;
}

namespace quadrilo::app {

class UserPrompts;

// The element commands, registered once with the drawing window, in the order beam, slab, column,
// wall, nodal load; they stay while this object lives. Each command's run is one undo step, and
// each element enters the drawing whole.
class ElementCommandSet {
public:
    explicit ElementCommandSet(ElementHost& host) : m_host(host) {}

    // Registers the commands and their cursors on the canvas; a command the engine refuses is
    // told in a message box with its registration failure message.
    // `beforeLoadCommand` registers the program's other commands that come between the wall
    // and the nodal load (the diagram).
    void registerCommands(cad::canvas::CadCanvas& canvas, UserPrompts& prompts,
                          const std::function<void()>& beforeLoadCommand);

private:
    cad::CommandTask slabCommand();
    cad::CommandTask beamCommand();
    cad::CommandTask columnCommand();
    cad::CommandTask wallCommand();
    cad::CommandTask loadCommand();
    // Creates the element (or reports why not); the new entity becomes the current element.
    cad::EntityId create(const elements::Outcome<elements::ElementCreation>& creation);
    // The loads of the chosen nodes among `chosen` entities.
    void placeLoads(double valor, const std::vector<cad::EntityId>& chosen);

    ElementHost& m_host;
    std::vector<cad::Subscription> m_commands;
};

} // namespace quadrilo::app
