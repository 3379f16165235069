#pragma once

#include <QTimer>
#include <QWidget>

#include <chrono>
#include <map>

// Tells a screen reader what a run of a calculation came to, once the user
// pauses: a notification, which screen readers speak when it is shown,
// where a label's new caption or a new description goes unspoken. The
// latest text wins; one that repeats what was last said about the same
// calculation is not said again. Nothing of it shows on screen.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    // `about` is what the text concerns: a calculation's result.
    void announce(const QObject* about, const QString& text);

    // The run just announced came from the user picking `choice`: it is said
    // first, and said even when the rest repeats what was said last.
    void announceChoice(const QString& choice) { choice_ = choice; }

    // How long the user must pause before the latest text is said.
    void setPause(std::chrono::milliseconds pause) { pause_.setInterval(pause); }

signals:
    // The text was just put before a screen reader.
    void spoken(const QString& text);

private:
    void speak();

    QTimer pause_;
    const QObject* about_ = nullptr;
    QString pending_;
    QString choice_;
    std::map<const QObject*, QString> spoken_;
};
