#pragma once

#include <QObject>

// Ends the process as soon as its window has been exposed and painted for the
// first time, which is where start-up ends for the person waiting for it.
class ExitOnFirstExpose : public QObject {
    Q_OBJECT

public:
    // Watches every window of the running application.
    ExitOnFirstExpose();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
