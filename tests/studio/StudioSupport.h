#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Studio/DialogWindow.h"
#include "Studio/StudioSession.h"

// The example data every studio test opens.
std::string ExampleData();

// A desktop session on the example data with the module loaded.
struct StudioFixture {
    StudioFixture();
    StudioSession session;
};

// Runs menu command `command` with the dialog in a shown DialogWindow and `play` acting on it; a
// dialog still open afterwards is cancelled.
void RunInWindow(StudioSession& session, UINT command, const std::function<void(DialogWindow&)>& play);
// The same, the dialog opened by `open` (a menu choice of the main window).
void RunInWindow(StudioSession& session, const std::function<void()>& open,
                 const std::function<void(DialogWindow&)>& play);

// Plays one script line of dialog commands on the widgets of the window, as a user would: typing
// into edits, clicking checks, radios and buttons, choosing combo items, selecting, double-clicking,
// dragging between lists, the context menu, the tabs.
void PlayOnWidgets(DialogWindow& window, const std::string& line);

std::vector<std::string> KernelLines(const HostApp& host);
