#pragma once

namespace galewright {

// The editor's process: the application, the main window with the real
// dialogs and process starter, settings beside the executable, the deck
// paths from argv; returns when the main window is closed.
int runEditor(int argc, char** argv);

} // namespace galewright
