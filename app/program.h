#pragma once

#include "form1.h"

#include <QIcon>
#include <QObject>

// The program's picture at the two sizes title bars and task bars ask for,
// built in.
[[nodiscard]] QIcon builtInIcon();

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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void takeThemeIcon();

private:
    Form1 form_;
};
