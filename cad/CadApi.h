// The flat CAD engine API: the Cad... calls the system is written against, with integer
// handles at the edge. Calls act on the current engine (set with CadEngineScope); without one,
// or with a stale handle, they do nothing and return 0.
//
// Conventions: 1 success, 0 failure; angles in radians; colours are palette indices (256: by
// layer); a handle is 0 for "none". Entity handles of the first drawing equal the entity IDs.
#pragma once

#include "CommandRunner.h"
#include "CommandTask.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace cad {
class Engine;
}

using CadHandle = std::int64_t;

struct CadPoint {
    double x = 0.0, y = 0.0, z = 0.0;
    friend bool operator==(const CadPoint&, const CadPoint&) = default;
};

// Makes an engine current for the Cad... calls for the scope's lifetime.
class CadEngineScope {
public:
    explicit CadEngineScope(cad::Engine& engine);
    ~CadEngineScope();
    CadEngineScope(const CadEngineScope&) = delete;
    CadEngineScope& operator=(const CadEngineScope&) = delete;

private:
    cad::Engine* m_previous;
};

// ---- codes
enum CadInput : int {
    CAD_INPUT_CANCEL = 0,
    CAD_INPUT_POINT = 1,
    CAD_INPUT_TEXT = 2,
    CAD_INPUT_ENTER = 3
};
enum CadEntityType : int {
    CAD_ENT_POINT = 1,
    CAD_ENT_LINE,
    CAD_ENT_XLINE,
    CAD_ENT_RAY,
    CAD_ENT_CIRCLE,
    CAD_ENT_POLYLINE,
    CAD_ENT_MLINE,
    CAD_ENT_TEXT,
    CAD_ENT_MTEXT,
    CAD_ENT_ATTDEF,
    CAD_ENT_INSERT,
    CAD_ENT_DIMENSION,
};

// ---- drawing
CadHandle CadCreate();
int CadDelete(CadHandle drawing);
int CadGetDirty(CadHandle drawing);
int CadPutDirty(CadHandle drawing, int dirty);
std::string CadGetFileName(CadHandle drawing);
int CadPutFileName(CadHandle drawing, const std::string& name);
// Empty name: the file dialog of the GUI layer (not available headless: 0).
int CadFileOpen(CadHandle drawing, CadHandle window, const std::string& name);
int CadFileSave(CadHandle drawing, CadHandle window);
int CadFileSaveAs(CadHandle drawing, CadHandle window, const std::string& name);
// The reason of the last failed file call.
std::string CadGetErrorText(CadHandle drawing);
int CadPutExData(CadHandle drawing, const void* bytes, int size);
int CadGetExDataSize(CadHandle drawing);
int CadGetExData(CadHandle drawing, void* bytes); // copies CadGetExDataSize bytes
int CadSetColor(CadHandle drawing, int index, std::uint32_t rgb);
std::uint32_t CadGetColor(CadHandle drawing, int index);
int CadPutPointMode(CadHandle drawing, int mode);
int CadPutPointSize(CadHandle drawing, double size);
int CadSetCurPntStyleByName(CadHandle drawing, const std::string& name);
int CadPutTextHeight(CadHandle drawing, double height); // default height of new texts
int CadViewPutAngles(CadHandle drawing, CadHandle window, double hor, double ver); // degrees
double CadViewGetAngleHor(CadHandle drawing);
double CadViewGetAngleVer(CadHandle drawing);
int CadUpdate(CadHandle drawing);
int CadRegen(CadHandle drawing);
int CadSetString(int id, const std::string& text);
std::string CadGetString(int id);

// ---- layers
CadHandle CadAddLayer(CadHandle drawing, const std::string& name, int color, int lineType,
                      int lineWeight);
CadHandle CadGetLayerByName(CadHandle drawing, const std::string& name);
CadHandle CadSetCurLayerByName(CadHandle drawing, const std::string& name);
CadHandle CadSetCurLayer(CadHandle drawing, CadHandle layer);
CadHandle CadGetCurLayer(CadHandle drawing);
CadHandle CadGetFirstLayer(CadHandle drawing);
CadHandle CadGetNextLayer(CadHandle drawing, CadHandle layer);
std::string CadLayerGetName(CadHandle layer);
int CadLayerPutName(CadHandle layer, const std::string& name);
int CadLayerGetColor(CadHandle layer);
int CadLayerPutColor(CadHandle layer, int color);
int CadLayerGetVisible(CadHandle layer);
int CadLayerPutVisible(CadHandle layer, int visible);
int CadLayerGetLocked(CadHandle layer);
int CadLayerPutLocked(CadHandle layer, int locked);
int CadLayerGetCount(CadHandle layer);
CadHandle CadLayerGetFirstEntity(CadHandle layer);
CadHandle CadLayerGetNextEntity(CadHandle layer, CadHandle entity);

// ---- entity creation (on the current layer; 0 on failure)
CadHandle CadAddPoint(CadHandle drawing, double x, double y, double z);
CadHandle CadAddLine(CadHandle drawing, double x1, double y1, double z1, double x2, double y2,
                     double z2);
CadHandle CadAddXLine(CadHandle drawing, double x, double y, double z, double dx, double dy,
                      double dz);
CadHandle CadAddRay(CadHandle drawing, double x, double y, double z, double dx, double dy,
                    double dz);
CadHandle CadAddCircle(CadHandle drawing, double x, double y, double z, double radius);
CadHandle CadAddRect(CadHandle drawing, double cx, double cy, double cz, double width,
                     double height, double angle);
int CadAddVertex(CadHandle drawing, double x, double y, double z);
int CadClearVertices(CadHandle drawing);
CadHandle CadAddPolyline(CadHandle drawing, int type, int closed); // from the vertex list
CadHandle CadAddMline(CadHandle drawing, int closed); // current style, from the vertex list
CadHandle CadAddText(CadHandle drawing, const std::string& text, double x, double y, double z,
                     double height, double angle, int align);
CadHandle CadAddMText(CadHandle drawing, const std::string& text, double x, double y, double z,
                      double width, int attachment, double angle);
CadHandle CadAddDimLinear(CadHandle drawing, CadPoint first, CadPoint second, CadPoint linePos,
                          double angle);
CadHandle CadAddDimAligned(CadHandle drawing, CadPoint first, CadPoint second, CadPoint linePos);

// ---- entity properties
int CadEntityGetType(CadHandle entity);
std::int32_t CadEntityGetID(CadHandle entity);
CadHandle CadGetEntityByID(CadHandle drawing, std::int32_t id);
CadHandle CadEntityGetLayer(CadHandle entity);
int CadEntityPutLayer(CadHandle entity, CadHandle layer);
int CadEntityGetColor(CadHandle entity);
int CadEntityPutColor(CadHandle entity, int color);
int CadEntityGetLineweight(CadHandle entity);
int CadEntityPutLineweight(CadHandle entity, int lineweight);
double CadEntityGetLtScale(CadHandle entity);
int CadEntityPutLtScale(CadHandle entity, double scale);
int CadEntityGetVisible(CadHandle entity);
int CadEntityPutVisible(CadHandle entity, int visible);
// A locked entity is drawn but cannot be selected, picked, moved or erased by the user.
int CadEntityGetLocked(CadHandle entity);
int CadEntityPutLocked(CadHandle entity, int locked);
std::int32_t CadEntityGetUserData(CadHandle entity);
int CadEntityPutUserData(CadHandle entity, std::int32_t value);
int CadEntityPutExData(CadHandle entity, const void* bytes, int size);
int CadEntityGetExDataSize(CadHandle entity);
int CadEntityGetExData(CadHandle entity, void* bytes); // copies CadEntityGetExDataSize bytes
// Erases the entity (raising the erase event). The second argument is accepted for call
// compatibility and has no effect.
int CadEntityErase(CadHandle entity, int redraw);
int CadEntityMove(CadHandle entity, double dx, double dy, double dz);
// Geometry read-back: the point of a point, insert, text or circle centre; line ends.
CadPoint CadEntityGetPoint(CadHandle entity);
CadPoint CadLineGetStart(CadHandle entity);
CadPoint CadLineGetEnd(CadHandle entity);
int CadPolyGetNumVers(CadHandle entity);
CadPoint CadPolyGetVer(CadHandle entity, int index);
int CadMlineGetNumVers(CadHandle entity);
CadPoint CadMlineGetVer(CadHandle entity, int index);
std::string CadTextGetText(CadHandle entity);
int CadTextPutText(CadHandle entity, const std::string& text);
int CadTextPutHeight(CadHandle entity, double height); // texts and attribute definitions
int CadTextPutAngle(CadHandle entity, double angle);
int CadTextPutAlign(CadHandle entity, int align);

// ---- multiline and dimension styles
CadHandle CadAddMlineStyle(CadHandle drawing, const std::string& name, int lines, int drawMode);
CadHandle CadGetMlineStyleByName(CadHandle drawing, const std::string& name);
CadHandle CadSetCurMlineStyleByName(CadHandle drawing, const std::string& name);
int CadMlineStylePutOffset(CadHandle style, int line, double offset);
int CadMlineStylePutColor(CadHandle style, int line, int color);
CadHandle CadAddDimStyle(CadHandle drawing, const std::string& name);
CadHandle CadGetDimStyleByName(CadHandle drawing, const std::string& name);
int CadSetCurDimStyle(CadHandle drawing, CadHandle style);

// ---- blocks and attributes
CadHandle CadAddBlock(CadHandle drawing, const std::string& name, double x, double y, double z);
CadHandle CadGetBlockByName(CadHandle drawing, const std::string& name);
CadHandle CadBlockGetID(CadHandle block);
std::string CadBlockGetName(CadHandle block);
int CadBlockAddEntity(CadHandle block, CadHandle entity);
CadHandle CadBlockGetFirstEntity(CadHandle block);
CadHandle CadBlockGetNextEntity(CadHandle block, CadHandle entity);
CadHandle CadBlockGetAttDef(CadHandle block, const std::string& tag);
CadHandle CadAddAttrib(CadHandle drawing, const std::string& tag, const std::string& text, double x,
                       double y, double z);
int CadAttPutDefValue(CadHandle attdef, const std::string& text);
CadHandle CadAddInsBlock(CadHandle drawing, CadHandle blockId, double x, double y, double z,
                         double scale, double angle);
CadHandle CadInsBlockGetFirstAtt(CadHandle insert);
CadHandle CadInsBlockGetNextAtt(CadHandle insert, CadHandle attribute);
int CadAttPutValue(CadHandle attribute, const std::string& text);
std::string CadAttGetValue(CadHandle attribute);
std::string CadAttGetTag(CadHandle attribute);

// ---- commands
using CadCommandProc = std::function<cad::CommandTask(CadHandle drawing)>;
using CadDragProc = std::function<void(CadHandle drawing, int mode, double x, double y, double z)>;
int CadAddCommand(CadHandle drawing, int id, const std::string& name, const std::string& alias,
                  int cursor, CadCommandProc command, CadDragProc drag);
int CadExecute(CadHandle drawing, CadHandle window, int id);
// Inside a command: `if (co_await CadCmdUserInput(drawing) != 1) co_return;`
cad::CommandRunner::InputAwaiter CadCmdUserInput(CadHandle drawing);
CadPoint CadCmdGetInputPoint(CadHandle drawing);
std::string CadCmdGetInputText(CadHandle drawing);
int CadCmdAddPoint(CadHandle drawing, double x, double y, double z);
int CadCmdSetBasePoint(CadHandle drawing, double x, double y, double z);
CadPoint CadCmdGetPoint(CadHandle drawing, int index);
int CadCmdGetNumPoints(CadHandle drawing);
int CadCmdPrompt(CadHandle drawing, const std::string& text, const std::string& defaultText);
std::string CadCmdGetPrompt(CadHandle drawing);
int CadCmdActive(CadHandle drawing); // id of the running command, 0 when none
// Rubber band, inside a drag callback.
int CadDrawLine(CadHandle drawing, double x1, double y1, double z1, double x2, double y2,
                double z2);
int CadDrawAddVertex(CadHandle drawing, double x, double y, double z);
int CadDrawPolyline(CadHandle drawing, int closed);
// Input events for the running command (canvas after snapping, command line, scripts).
int CadInputPoint(CadHandle drawing, double x, double y, double z);
int CadInputText(CadHandle drawing, const std::string& text); // the command line
int CadInputCancel(CadHandle drawing);
std::vector<cad::RubberBand> CadInputDrag(CadHandle drawing, double x, double y, double z);

// ---- selection
int CadSelCount(CadHandle drawing);
CadHandle CadSelGetFirstPtr(CadHandle drawing);
CadHandle CadSelGetNextPtr(CadHandle drawing, CadHandle ptr);
CadHandle CadGetEntityByPtr(CadHandle drawing, CadHandle ptr);
int CadSelClear(CadHandle drawing);
int CadSelectEntity(CadHandle drawing, CadHandle entity, int select);
// Over the vertex list: crossing 0 takes what lies inside, 1 also what crosses the boundary;
// select 1 adds to the selection, 0 removes. Returns the number of entities found.
int CadSelectByPolygon(CadHandle drawing, int crossing, int reserved, int select);
int CadSelectByPolyline(CadHandle drawing, CadHandle entity, int select); // fence by its outline
int CadSelectByLayer(CadHandle drawing, CadHandle layer = 0);             // 0: the current layer
int CadSelErase(CadHandle drawing);
CadHandle CadGetEntityByCursor(CadHandle drawing);
int CadPutCursor(CadHandle drawing, double x, double y, double z);
int CadPutPickAperture(CadHandle drawing, double aperture); // drawing units

// ---- events (engine-wide; one handler each) and their result
using CadEventMouseDblClkProc = std::function<void(CadHandle, double x, double y, double z)>;
using CadEventEntSelectProc = std::function<void(CadHandle, CadHandle entity, int selected)>;
using CadEventEntChangeProc = std::function<void(CadHandle, CadHandle entity)>;
using CadEventMouseMoveProc = std::function<void(CadHandle, double x, double y, double z)>;
using CadEventEntMoveProc =
    std::function<void(CadHandle, CadHandle entity, double* dx, double* dy, double* dz)>;
using CadEventGripMoveProc =
    std::function<void(CadHandle, CadHandle entity, int grip, double* dx, double* dy, double* dz)>;
using CadEventEntEraseProc = std::function<void(CadHandle, CadHandle entity)>;
using CadEventEntCreateProc = std::function<void(CadHandle, CadHandle entity)>;
using CadEventExecuteProc = std::function<void(CadHandle, int command)>;
int CadOnEventMouseDblClk(CadEventMouseDblClkProc proc);
int CadOnEventEntSelect(CadEventEntSelectProc proc);
int CadOnEventEntChange(CadEventEntChangeProc proc);
int CadOnEventMouseMove(CadEventMouseMoveProc proc);
int CadOnEventEntMove(CadEventEntMoveProc proc);
int CadOnEventGripMove(CadEventGripMoveProc proc);
int CadOnEventEntErase(CadEventEntEraseProc proc);
int CadOnEventEntCreate(CadEventEntCreateProc proc);
int CadOnEventExecute(CadEventExecuteProc proc);
int CadSetReturnInt(int value);
// Canvas side: report pointer events and grip drags.
int CadReportMouseMove(CadHandle drawing, double x, double y, double z);
int CadReportDblClick(CadHandle drawing, double x, double y, double z); // 1: handler took it
int CadGripCount(CadHandle entity);
CadPoint CadGripGet(CadHandle entity, int grip);
int CadGripDrag(CadHandle entity, int grip, double dx, double dy, double dz);

// ---- undo and clipboard
int CadUndo(CadHandle drawing);
int CadRedo(CadHandle drawing);
int CadUndoBegin(CadHandle drawing); // groups the following changes into one undo step
int CadUndoEnd(CadHandle drawing);
int CadCbCopy(CadHandle drawing);
// Pastes the clipboard's entities moved by (dx, dy, dz); returns how many, selected.
int CadCbPaste(CadHandle drawing, CadHandle window, double dx, double dy, double dz);
int CadCbHasEntities();
