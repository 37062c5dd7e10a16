// The two ways the program runs once its command line has been parsed: a
// query (or the screenshot) on the offscreen platform, or the viewer's
// window on the display.
#pragma once

struct ProgramRequest;

// Prints the query's answer (or writes the image) and returns the exit
// status; runs without a display.
int RunQuery(const ProgramRequest& request, int argc, char** argv);

// The viewer's window, with the request's file open; without a display it
// says so in one line and returns 1.
int RunWindow(const ProgramRequest& request, int argc, char** argv);
