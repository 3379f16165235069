#pragma once

#include <QMainWindow>

// The floor for start-up: a window with as many labels, boxes, buttons and
// list items as the program's, and its menu, but with Qt's default fonts and
// none of the program's own code.
class BareWindow : public QMainWindow {
    Q_OBJECT

public:
    BareWindow();
};
