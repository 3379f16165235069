#pragma once

#include <QTimer>
#include <QWidget>

#include <chrono>
#include <map>
#include <optional>

// Tells a screen reader what a run of a calculation came to, once the user
// pauses: a notification, which screen readers speak when it is shown,
// where a label's new caption or a new description goes unspoken. The
// latest text wins; one that repeats what was last said about the same
// calculation is not said again, unless the user picked something to get
// it. Nothing of it shows on screen.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    // `about` is what the text concerns: a calculation's result. A `choice`
    // is there when the user chose something to get it (ticked a box, took an
    // option, picked a body) rather than typed: then the text is said even
    // when it repeats what was said last, after what the choice names, if anything.
    void announce(const QObject* about, const QString& text, const std::optional<QString>& choice = std::nullopt);

    // Said at once, whatever was said before: the answer to a command.
    void sayNow(const QString& text);

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
    std::optional<QString> choice_;
    std::map<const QObject*, QString> spoken_;
};
