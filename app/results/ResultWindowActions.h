// The listings, the editor, the 3D view and the calculation tool as the main window opens them.
#pragma once

#include "app/window/ResultWindows.h"

namespace quadrilo::app {

class TfrmMain;

// `actlistInput`, `ActListResult`, "Editor" (`mnuEditor`), `actViewrender` and
// `actShowcalcDlg`: each opens its window modally through the program's prompts, so a script
// goes on while it shows.
class ResultWindowActions {
public:
    // Connects the calculation tool's messages to the log and its writing of the program's own
    // files to the workflow flags.
    ResultWindowActions(TfrmMain& main, ResultWindows windows);

    void actlistInput();
    void ActListResult();
    void ShowEditor();
    void actViewrender();
    void actShowcalcDlg();

    [[nodiscard]] const ResultWindows& windows() const { return m_windows; }

private:
    void OpenListing(const QString& path);

    TfrmMain& m_main;
    ResultWindows m_windows;
};

} // namespace quadrilo::app
