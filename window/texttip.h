#pragma once

#include <QStringList>
#include <QWidget>

#include <limits>

// `text` broken anywhere into lines no wider than `width`, and at each line
// separator, at most `maxLines` of them; what does not fit ends the last
// line in an ellipsis. Numbers read left to right whatever the window's
// direction.
QStringList wrappedAnywhere(const QString& text, const QFont& font, QPaintDevice* device, qreal width,
                            int maxLines = std::numeric_limits<int>::max());

// A note of the window's own, drawn as the style draws a tool tip, that
// shows a text whole beside the control it belongs to, and is kept while the
// user types, where a tool tip would hide at the first key. It stays inside
// its room: a text longer than the room is wrapped anywhere, and one longer
// still shows as much of its beginning as fits, ending in an ellipsis.
class TextTip : public QWidget {
    Q_OBJECT

public:
    explicit TextTip(QWidget* parent);

    // Just below `anchor`, or above it where `room` is larger there; both in
    // the parent's coordinates.
    void showFor(const QRect& anchor, const QRect& room, const QString& text);
    [[nodiscard]] QString text() const { return text_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    [[nodiscard]] int inset() const;

    QString text_;
    // Laid out once, when shown, and painted as laid out: a line is drawn
    // whole at its place, never wrapped again at paint time.
    QStringList lines_;
};
