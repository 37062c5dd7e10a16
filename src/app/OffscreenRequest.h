// The queries and the screenshot of the command line. They run the real
// program on the offscreen platform: the main window opens the file as it
// would on the screen, the inverse computation runs in its idle passes,
// and the answers are read from the views' trees, so that they are what
// the window shows.
#pragma once

struct ProgramRequest;

// Prints the answer (or writes the image) and returns the exit status.
// QT_QPA_PLATFORM must already name the offscreen platform.
int RunOffscreenRequest(const ProgramRequest& request, int argc, char** argv);
