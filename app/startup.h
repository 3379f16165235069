#pragma once

#include <optional>

class QTranslator;

// Names the program to Qt and to the desktop, and loads Qt's own Finnish
// texts into `qtTranslation`, which must live as long as the application.
// Call once an application object exists.
void introduceProgram(QTranslator& qtTranslation);

// Answers a command line that asks for something other than the window:
// help, the version, or a mistake, each with its exit status. Nothing when
// the window should start. Needs no window system.
[[nodiscard]] std::optional<int> answerCommandLine(int argc, char* argv[]);
