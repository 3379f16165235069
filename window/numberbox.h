#pragma once

#include "looks.h"

#include <QClipboard>
#include <QBasicTimer>
#include <QLineEdit>

#include <optional>
#include <utility>

class QAction;
class QPainter;
class QTextLine;
class TextTip;

// A box a number is typed into. A box whose text its calculation cannot use
// says so at once, without a dialog and without taking the focus: a red
// frame on a tinted fill, both taken from the palette, and a short message
// in its tool tip and accessible description.
//
// A number wider than the box never reads as another number: while the box
// does not have the focus it shows the beginning of its text, and a cut is
// shown with an ellipsis; while it has the focus, the whole text is shown
// just beside it; either way the tool tip holds it whole. No piece of a
// character shows outside the text shown. When the focus only went to a
// menu, a dialog or another program, it comes back to where the cursor was.
class NumberBox : public QLineEdit {
    Q_OBJECT

public:
    NumberBox(const QString& text, QWidget* parent);

    // What the box is called in the window, its caption without the colon.
    void setCaption(const QString& caption) { caption_ = caption; }
    [[nodiscard]] QString caption() const { return caption_; }

    // The result of the box's calculation can be copied from the box: the
    // last item of its context menu, and Copy with nothing selected, which
    // asks for it with copyResultAsked().
    void offerCopyOf(QAction* copyResult) { copyResult_ = copyResult; }

    // Where the note that shows a cut text whole may stand, in the parent's
    // coordinates; given once, by the window's placement.
    void setNoteRoom(const QRect& room) { noteRoom_ = room; }

    // An empty message clears the mark.
    void showMessage(const QString& message);
    [[nodiscard]] bool isMarked() const { return !message_.isEmpty(); }

    // What the box shows while it does not have the focus.
    [[nodiscard]] QString shownText() const;
    // The text is wider than the room the box has for it.
    [[nodiscard]] bool isCut() const;
    // What the box's tool tip says: its message, and its text whole where cut.
    [[nodiscard]] QString tipText() const;
    // Where the cursor stands, the one place in the line the box tells,
    // wherever it has scrolled its text to.
    [[nodiscard]] int cursorX() const;

signals:
    void copyResultAsked();
    // The box put `text` on the clipboard: copied, or cut out when `removed`.
    void copied(const QString& text, bool removed);

protected:
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    struct Place {
        int cursor;
        int selectionStart;
        int selectionLength;
    };

    void resumeSelection(const Place& place);
    void pasteFrom(QClipboard::Mode mode);
    void copySelection(bool removing);
    [[nodiscard]] QRect textClip() const;
    [[nodiscard]] QRect lineRect() const;
    [[nodiscard]] int textAdvance() const;
    void showWholeTextWhileCut();
    void paintPanelOver(QPainter& painter, const QRectF& area) const;
    void showBeginning(QPainter& painter) const;
    void coverCutCharacters(QPainter& painter) const;
    [[nodiscard]] std::pair<int, int> wholeCharactersShown(const QTextLine& laidOut, int origin) const;
    [[nodiscard]] qreal onDevicePixel(qreal x) const;
    void restartBlinking();

    QString caption_;
    QString message_;
    QRect noteRoom_;
    OwnColour fill_;
    QAction* copyResult_ = nullptr;
    TextTip* wholeText_ = nullptr;
    std::optional<Place> resumeAt_;
    // The cursor QLineEdit draws after the last whole character stands over
    // the next one, and goes under the panel with it: the box draws it again
    // there, blinking as QLineEdit's does.
    QBasicTimer blink_;
    bool cursorShown_ = true;
};
