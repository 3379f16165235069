#pragma once

#include "form1.h"

#include <QObject>

// The running program: its one window, filled at start-up, and the two menu
// commands.
class Program : public QObject {
    Q_OBJECT

public:
    explicit Program(char16_t decimalSeparator);

    [[nodiscard]] Form1& window() { return form_; }
    void show();

public slots:
    void ifo_Click();
    void quitti_Click();

private:
    void Form_Load();

    Form1 form_;
};
