#pragma once

#include <QWidget>

// A note of the window's own, drawn like a tool tip, that shows a text whole
// beside the control it belongs to: wrapped anywhere rather than cut, and
// kept while the user types, where a tool tip would hide at the first key.
class TextTip : public QWidget {
    Q_OBJECT

public:
    explicit TextTip(QWidget* window);

    // Just below `control`, or above it where the window has no room below;
    // `advance` is the text's width in the control's font, known already.
    void showFor(const QWidget* control, const QString& text, int advance);
    [[nodiscard]] QString text() const { return text_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
};
