#pragma once

class QTranslator;

// Names the program to Qt and to the desktop, and loads Qt's own Finnish
// texts into `qtTranslation`, which must live as long as the application.
// Call once an application object exists.
void introduceProgram(QTranslator& qtTranslation);

// The whole program as `main` runs it: the command line is answered (help,
// the version, a mistake, or that there is no display to open the window
// on), or else the window runs until it is closed. Returns the exit status.
[[nodiscard]] int runProgram(int argc, char* argv[]);
