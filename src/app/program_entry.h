#pragma once

// The program from start to end: picks the platform (offscreen when no display answers), creates the
// application and the main window, runs the message loop and returns the exit status.
namespace tessel::app {

// 0 normally; after an unattended run 0 when nothing failed and 1 when a file or folder failed or the
// run was stopped; 2 when there is no display and the command line names nothing to back up.
int RunTesselBackup(int argc, char **argv);

// The line printed when the program cannot show its window and was given nothing to do.
const char *UsageLine();

} // namespace tessel::app
