#pragma once

#include <QMainWindow>

// The floor for start-up: a window with as many labels, boxes, buttons and
// list items as the program's, and its menu, in the program's fonts, with
// the program's name, Finnish catalogues and built-in icon, but none of its
// own controls, layout or calculations. What the program takes beyond it to
// show its first frame is the program's own doing.
class BareWindow : public QMainWindow {
    Q_OBJECT

public:
    BareWindow();
};
