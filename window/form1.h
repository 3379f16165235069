#pragma once

#include "bloodalcohol.h"
#include "outcome.h"

#include <QMainWindow>

#include <optional>
#include <span>
#include <string_view>
#include <vector>

class Announcer;
class QAction;
class QComboBox;
class NumberBox;
class QLabel;
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
    [[nodiscard]] QAction* quitCommand() const { return quitti_; }
    [[nodiscard]] QAction* aboutCommand() const { return ifo_; }
    [[nodiscard]] QComboBox* bodyList() const;

    // One control as the layout was drawn: its name, kind, caption or
    // initial text (for a result, its unit), place in twips, place in the
    // focus order, and the calculation it belongs to. A group holds the
    // options that follow it, under a name only a screen reader tells.
    enum class Kind { Heading, Caption, Box, Result, Check, Group, Option, List };
    struct Row {
        std::u16string_view name;
        Kind kind;
        std::u16string_view text;
        QRect twips;
        int tabIndex;
        std::size_t calculation;
        void (Form1::*event)() = nullptr;
    };
    [[nodiscard]] static std::span<const Row> rows();

    // One calculation as the window holds it: the controls it reads, in the
    // order it reads them, and the label it writes.
    struct Calculation {
        struct Input {
            QLabel* caption;
            NumberBox* box;
        };
        QLabel* heading = nullptr;
        std::vector<Input> inputs;
        std::vector<QWidget*> choices; // its controls other than boxes
        ResultLabel* result = nullptr;
    };
    [[nodiscard]] const std::vector<Calculation>& calculations() const { return calculations_; }

    // What one run reads of its calculation's controls, read once.
    struct Reading {
        std::vector<std::u16string> texts;
        int wetRoad = 0;
        calculators::Sex sex = calculators::Sex::NotChosen;
        int body = -1;
    };

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
    void createControls();
    QWidget* createControl(const Row& row, QWidget* parent);
    void place(QWidget* control, const Row& row);
    void setFocusOrder();
    void introduce(const Row& row, QWidget* control);
    void offerResultsForCopying();
    void createMenu();
    void Form_Load();
    void offerNoMaximizing();

    void explainFocusedControl();
    void openContextMenuOfFocus();
    void runCalculationOf(const QObject* control);
    [[nodiscard]] Reading read(const Calculation& calculation) const;
    void present(const Calculation& calculation, const Reading& reading, const calculators::Outcome& outcome,
                 const std::optional<QString>& choice);
    void refuseCopy(const Calculation& calculation, const QString& why);
    [[nodiscard]] const Calculation* calculationOf(const QObject* control) const;
    [[nodiscard]] std::size_t indexOf(const Calculation& calculation) const;
    [[nodiscard]] QString messageFor(calculators::Cause cause) const;
    [[nodiscard]] QRect mirroredIfRightToLeft(const QRect& area) const;

    char16_t separator_;
    bool focusLentToPopup_ = false;
    Announcer* announcer_ = nullptr;
    std::vector<Calculation> calculations_;
    QAction* quitti_ = nullptr;
    QAction* ifo_ = nullptr;
};
