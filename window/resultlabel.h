#pragma once

#include <QLabel>

// Sizes a label to its caption, one line high, so that a longer caption
// grows to the right and nothing else moves.
void fitToCaption(QLabel* label);

// The label a calculation writes its result into. Its state follows the
// calculation's latest run: untouched before the first, current when the
// run gave a caption, stale when it declined or failed. A stale result keeps
// its caption but is drawn weaker and says "Vanhentunut tulos" in its tool
// tip and accessible description. It is never disabled: it can still be
// selected, copied and read.
class ResultLabel : public QLabel {
    Q_OBJECT

public:
    enum class State { Untouched, Current, Stale };

    ResultLabel(const QString& caption, QWidget* parent);

    void showResult(const QString& caption);
    void showStale();
    [[nodiscard]] State state() const { return state_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void setState(State state);
    void applyLook();

    State state_ = State::Untouched;
    bool applyingLook_ = false;
};
