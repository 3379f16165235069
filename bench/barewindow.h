#pragma once

#include <QMainWindow>

// The floor for start-up: the window's own table of controls shown in Qt's
// plain widgets, each where it was drawn and showing what it shows at the
// start, with the same menu, fonts, catalogues, title and built-in icon, but
// none of the program's own classes, measuring, wiring or calculations. What
// the program takes beyond it to show its first frame is the program's own doing.
class BareWindow : public QMainWindow {
    Q_OBJECT

public:
    BareWindow();
};
