#pragma once

// Names the program to Qt and to the desktop, and gives Qt's own texts in
// Finnish. Call once an application object exists.
void introduceProgram();

// The whole program as `main` runs it: the command line is answered (help,
// the version, a mistake, or that there is no display to open the window
// on), or else the window runs until it is closed. Returns the exit status.
[[nodiscard]] int runProgram(int argc, char* argv[]);
