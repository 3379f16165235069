#pragma once

#include "looks.h"

#include <QLabel>
#include <QStringList>

class QAction;

// The label a calculation writes its result into. Its state follows the
// calculation's latest run: untouched before the first, current when the
// run gave a caption, stale when it declined or failed. A current result
// says how it was reached in its tool tip and accessible description; a
// stale one keeps its caption but is drawn weaker, and says "Vanhentunut
// tulos" and why there. It is never disabled: it can still be selected,
// copied and read.
//
// The label takes as much of its room as its caption needs, from the side
// the room starts on, so a longer caption grows away from it and nothing
// else moves. A caption wider than the room is cut with an ellipsis; the
// tool tip then begins with it whole, and a screen reader reads it whole.
class ResultLabel : public QLabel {
    Q_OBJECT

public:
    enum class State { Untouched, Current, Stale };

    // The caption is the figure, a blank and the unit.
    ResultLabel(const QString& figure, const QString& unit, QWidget* parent);

    // Given once, by the window's placement; `start` is Qt::AlignLeft or Qt::AlignRight.
    void setRoom(const QRect& room, Qt::Alignment start);

    void showResult(const QString& figure, const QString& unit, const QString& explanation);
    // `reasons` are the lines that say why, one for each box in the way.
    void showStale(const QStringList& reasons);
    [[nodiscard]] State state() const { return state_; }
    // The whole caption, also when the label shows it cut.
    [[nodiscard]] QString caption() const { return caption_; }

    // How the result was reached, or why it is out of date, as a user who
    // cannot point at it is told: the description, after the caption where
    // the result is current or the label cuts it, as the eye cannot be taken
    // to have read it whole there. Empty while untouched.
    [[nodiscard]] QString explanation() const;

    // Puts the figure of a current result, without its unit, on the
    // clipboard; while the result is not current, refuses with the reason.
    // Always enabled, so that a keyboard user reaches it and hears why.
    [[nodiscard]] QAction* copyResultAction() const { return copyResult_; }
    // Why the result is not there to copy, in words that follow "Ei
    // kopioitu: "; empty while it is current.
    [[nodiscard]] QString whyNotCopied() const;

signals:
    // `text` was just put on the clipboard.
    void copied(const QString& text);
    // The result was asked for but is not there to copy, `why` in words that follow "Ei kopioitu: ".
    void refused(const QString& why);

protected:
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void showCaption(const QString& caption);
    void describe(const QString& description);
    void nameForScreenReaders();
    void setState(State state);
    void copyResult();
    void copy(const QString& text);
    void offerSelection();
    [[nodiscard]] QString selectedCaption() const;
    [[nodiscard]] bool isCut() const { return text() != caption_; }

    QString figure_;
    QString caption_;
    QString description_;
    QRect room_;
    Qt::Alignment start_ = Qt::AlignLeft;
    QAction* copyResult_;
    OwnColour look_;
    State state_ = State::Untouched;
    bool figureSelected_ = false;
};
