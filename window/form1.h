#pragma once

#include "outcome.h"

#include <QMainWindow>

#include <functional>
#include <optional>
#include <vector>

class Announcer;
class QAction;
class QCheckBox;
class QComboBox;
class NumberBox;
class QLabel;
class QMenu;
class QRadioButton;
class ResultLabel;

// The one window: five live calculations, each a row or block of captions,
// input boxes and a result label. The controls are its whole state; every
// edit runs the calculation it belongs to and nothing else.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    // Numbers are read and written with `decimalSeparator` for the window's life.
    explicit Form1(char16_t decimalSeparator, QWidget* parent = nullptr);

    // The menu commands; what they do belongs to the program that owns the window.
    [[nodiscard]] QAction* quitCommand() const { return quitti; }
    [[nodiscard]] QAction* aboutCommand() const { return ifo; }
    // The list the program fills with the bodies at start-up.
    [[nodiscard]] QComboBox* bodyList() const { return Combo1; }

    // One calculation as the window holds it: the controls it reads, in the
    // order it reads them, and the label it writes.
    struct Calculation {
        struct Input {
            QLabel* caption;
            NumberBox* box;
        };
        QLabel* heading;
        std::vector<Input> inputs;
        std::vector<QWidget*> choices; // its controls other than boxes
        ResultLabel* result;
        std::function<calculators::Outcome()> run;
        std::function<QString()> formula;  // how the result is worked out, said before any run
        std::function<QString()> caveat{}; // said with a result the user may take for another
    };
    [[nodiscard]] const std::vector<Calculation>& calculations() const { return calculations_; }

private slots:
    void Text1_Change();
    void Text2_Change();
    void Check1_Click();
    void Text3_Change();
    void Text4_Change();
    void Option1_Click();
    void Option2_Click();
    void Text5_Change();
    void Text6_Change();
    void Combo1_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void explainFocusedControl();
    void openContextMenuOfFocus();

    void createControls();
    void describeCalculations();
    void placeControls();
    [[nodiscard]] QRect mirroredIfRightToLeft(const QRect& area) const;
    void setFocusOrder();
    void introduceInputs();
    void offerResultsForCopying();
    void createMenu();
    void connectEvents();
    void offerNoMaximizing();

    // `choice` is set where the user chose rather than typed (see Announcer::announce).
    void recompute(const Calculation& calculation, const std::optional<QString>& choice = std::nullopt);
    void present(const calculators::Outcome& outcome, const Calculation& calculation,
                 const std::optional<QString>& choice);
    void refuseCopy(const Calculation& calculation, const QString& why);
    [[nodiscard]] const Calculation* calculationOf(const QWidget* control) const;
    [[nodiscard]] QString messageFor(calculators::Cause cause) const;

    char16_t separator_;
    bool focusLentToPopup_ = false;
    Announcer* announcer_ = nullptr;
    std::vector<Calculation> calculations_;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    NumberBox* Text1 = nullptr;
    ResultLabel* Label3 = nullptr;

    QLabel* Label6 = nullptr;
    QLabel* Label5 = nullptr;
    NumberBox* Text2 = nullptr;
    QCheckBox* Check1 = nullptr;
    ResultLabel* Label4 = nullptr;

    QLabel* Label7 = nullptr;
    QRadioButton* Option1 = nullptr;
    QLabel* Label8 = nullptr;
    NumberBox* Text3 = nullptr;
    QRadioButton* Option2 = nullptr;
    QLabel* Label10 = nullptr;
    NumberBox* Text4 = nullptr;
    ResultLabel* Label9 = nullptr;

    QLabel* Label13 = nullptr;
    QLabel* Label12 = nullptr;
    NumberBox* Text5 = nullptr;
    ResultLabel* Label11 = nullptr;

    QLabel* Label14 = nullptr;
    QLabel* Label15 = nullptr;
    NumberBox* Text6 = nullptr;
    QComboBox* Combo1 = nullptr;
    ResultLabel* Label16 = nullptr;

    QMenu* prog = nullptr;
    QAction* quitti = nullptr;
    QAction* ifo = nullptr;
};
