#pragma once

#include <QLineEdit>

#include <optional>

// A box a number is typed into. A box whose text its calculation cannot use
// says so at once, without a dialog and without taking the focus: a red
// frame on a tinted fill, both taken from the palette, and a short message
// in its tool tip and accessible description.
//
// A number wider than the box never reads as another number: while the box
// does not have the focus it shows the beginning of its text, and a cut is
// shown with an ellipsis. When the focus only went to a menu, a dialog or
// another program, it comes back to where the cursor was.
class NumberBox : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

    // An empty message clears the mark.
    void showMessage(const QString& message);
    [[nodiscard]] bool isMarked() const { return !message_.isEmpty(); }

    // What the box shows while it does not have the focus.
    [[nodiscard]] QString shownText() const;

protected:
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Place {
        int cursor;
        int selectionStart;
        int selectionLength;
    };

    [[nodiscard]] QRect textArea() const;
    void applyLook();

    QString message_;
    std::optional<Place> resumeAt_;
    bool applyingLook_ = false;
};
