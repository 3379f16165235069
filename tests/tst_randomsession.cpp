#include "bloodalcohol.h"
#include "brakingspeed.h"
#include "falltime.h"
#include "guard.h"
#include "impactspeed.h"
#include "number.h"
#include "numberbox.h"
#include "program.h"
#include "resultlabel.h"
#include "weight.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QWheelEvent>
#include <QtTest>

#include <algorithm>
#include <array>
#include <deque>
#include <map>
#include <random>
#include <vector>

using namespace Qt::StringLiterals;

// Thousands of random user actions against the real window: typing,
// deleting, pasting, undoing, ticking, choosing, by keyboard and mouse. After
// every action, from the inputs on screen and whether each calculation has
// run at all, every result label must be untouched (its first caption),
// current (the caption of the calculation of the inputs on screen) or stale
// (the caption of the last run that gave one, marked "Vanhentunut tulos"),
// and every box must carry exactly the message its own text, or else its
// calculation's failure, calls for. A calculation runs on each of the
// events its controls raise: a text changed, the box ticked, an option
// clicked, a body picked.
//
// The seed is printed; VEMPARO_SEED replays a session, and
// VEMPARO_SESSION_ACTIONS sets how many actions each session plays.

namespace {

// What the calculations read, as the controls hold it.
struct Inputs {
    std::array<std::u16string, 6> texts;
    int wetRoad = 0;
    calculators::Sex sex = calculators::Sex::NotChosen;
    int body = -1;
};

// The rules of one calculation, in the window's order: what each of its
// boxes' text must be greater than for it to run, and what it comes to. Which
// boxes, label and other controls are its, the window tells.
struct Rules {
    std::u16string_view guard;
    calculators::Outcome (*run)(const Inputs&, char16_t);
};

const std::array<Rules, 5> rules{{
    {u"", [](const Inputs& in, char16_t separator) { return calculators::impactSpeed(in.texts[0], separator); }},
    {u"", [](const Inputs& in, char16_t separator) { return calculators::brakingSpeed(in.texts[1], in.wetRoad, separator); }},
    {u"0",
     [](const Inputs& in, char16_t separator) {
         return calculators::bloodAlcohol(in.texts[2], in.texts[3], in.sex, separator);
     }},
    {u"0", [](const Inputs& in, char16_t separator) { return calculators::fallTime(in.texts[4], separator); }},
    {u"0", [](const Inputs& in, char16_t separator) { return calculators::weight(in.texts[5], in.body, separator); }},
}};

const QString staleNote = u"Vanhentunut tulos"_s;

// The message for each cause of a failure, as the user reads it on a box.
QString messageFor(calculators::Cause cause)
{
    using enum calculators::Cause;
    const std::map<calculators::Cause, QString> messages{
        {NotANumber, u"Virheellinen luku"_s},        {NumberTooLarge, u"Luku on liian suuri"_s},
        {ResultTooLarge, u"Tulos on liian suuri"_s}, {DivisionByZero, u"Jako nollalla"_s},
        {Negative, u"Arvo ei voi olla negatiivinen"_s},
    };
    return messages.at(cause);
}

// A text that does not read: too large, or no number at all, with a hint
// where it would read with the other decimal separator.
QString unreadable(const std::u16string& text, values::ErrorKind kind, char16_t separator)
{
    if (kind == values::ErrorKind::Overflow)
        return u"Luku on liian suuri"_s;
    // The first character that looks like a blank, like nothing or like a
    // minus sign, and is none, is named where the text reads as meant without it.
    const QString unseen = u"%1, jota ei näy"_s;
    const std::map<char16_t, QString> lookalikes{
        {u'\n', unseen.arg(u"rivinvaihto")}, {u'\r', unseen.arg(u"rivinvaihto")},
        {u'\u2028', unseen.arg(u"rivinvaihto")}, {u'\u2029', unseen.arg(u"rivinvaihto")},
        {u'\t', unseen.arg(u"sarkain")}, {u'\u00A0', unseen.arg(u"välilyönti")},
        {u'\u2007', unseen.arg(u"välilyönti")}, {u'\u202F', unseen.arg(u"välilyönti")},
        {u'\u2212', u"miinusmerkki − ei käy, käytä -"_s}};
    std::u16string meant;
    QString named;
    for (const char16_t character : text) {
        const auto lookalike = lookalikes.find(character);
        if (lookalike == lookalikes.end())
            meant += character;
        else if (named.isEmpty())
            named = lookalike->second;
        if (character == u'\u2212')
            meant += u'-';
    }
    try {
        (void)values::toNumber(meant, separator);
        if (!named.isEmpty())
            return u"Virheellinen luku (%1)"_s.arg(named);
    } catch (const values::Error&) {
    }
    std::u16string swapped = text;
    for (char16_t& character : swapped)
        character = character == u'.' ? u',' : character == u',' ? u'.' : character;
    try {
        (void)values::toNumber(swapped, separator);
    } catch (const values::Error&) {
        return u"Virheellinen luku"_s;
    }
    return separator == u',' ? u"Virheellinen luku (desimaalierotin on pilkku)"_s
                             : u"Virheellinen luku (desimaalierotin on piste)"_s;
}

// Where a reason under a stale result comes from; every kind must turn up in a session.
enum class ReasonKind { UnreadableText, FailedRun, GuardMark, EmptyBox, ZeroText };
constexpr std::size_t reasonKinds = 5;

struct Reason {
    QString message;
    bool marksBox;
    ReasonKind kind;
};

// A box whose text its guard turns away says why, if it reads: a sign,
// a blank, a plus or a separator before the digits, or nothing but zero.
Reason turnedAway(double value)
{
    if (value < 0)
        return {u"Arvo ei voi olla negatiivinen"_s, true, ReasonKind::GuardMark};
    if (value == 0)
        return {u"Arvon pitää olla suurempi kuin 0"_s, false, ReasonKind::ZeroText};
    return {u"Luvun pitää alkaa numerolla"_s, true, ReasonKind::GuardMark};
}

// A box's own text speaks first: empty, not a number, a number too large to
// read, or one its guard turns away. Only when every text of the
// calculation reads does a failure speak, on the boxes it is blamed on.
std::vector<std::optional<Reason>> expectedReasons(const std::vector<std::size_t>& boxes, std::u16string_view guard,
                                                   const Inputs& now, const calculators::Outcome& outcome,
                                                   char16_t separator)
{
    std::vector<std::optional<Reason>> reasons;
    bool everyTextReads = true;
    for (const std::size_t box : boxes) {
        const std::u16string& text = now.texts[box];
        if (text.empty()) {
            reasons.push_back(Reason{u"Arvo puuttuu"_s, false, ReasonKind::EmptyBox});
            continue;
        }
        try {
            const double value = values::toNumber(text, separator);
            reasons.push_back(values::isGreater(text, guard) ? std::nullopt
                                                                         : std::optional(turnedAway(value)));
        } catch (const values::Error& error) {
            reasons.push_back(Reason{unreadable(text, error.kind(), separator), true, ReasonKind::UnreadableText});
            everyTextReads = false;
        }
    }
    const auto* failure = std::get_if<calculators::Failed>(&outcome);
    for (std::size_t i = 0; everyTextReads && failure != nullptr && i < reasons.size(); ++i)
        if ((failure->inputs & (1U << i)) != 0)
            reasons[i] = Reason{messageFor(failure->cause), true, ReasonKind::FailedRun};
    return reasons;
}

// What one calculation must show: its first caption until it runs, and the
// caption of its last run that gave one.
struct Expected {
    bool ran = false;
    QString caption;
};

QString shortened(const QString& text)
{
    constexpr qsizetype shown = 40;
    if (text.size() <= shown)
        return u'"' + text + u'"';
    return u"\"%1...\" (%2 units)"_s.arg(text.left(shown)).arg(text.size());
}

// Printable ASCII as it is, every other unit as a \u escape.
QString visible(const QString& text)
{
    QString escaped;
    for (const QChar unit : text) {
        if (unit.isPrint() && unit.unicode() < 0x80)
            escaped += unit;
        else
            escaped += u"\\u%1"_s.arg(uint{unit.unicode()}, 4, 16, QChar(u'0'));
    }
    return escaped;
}

// VEMPARO_SEED replays a session; without it every run plays a new one.
std::uint32_t sessionSeed()
{
    if (!qEnvironmentVariableIsSet("VEMPARO_SEED"))
        return std::random_device{}();
    bool valid = false;
    const std::uint32_t seed = qEnvironmentVariable("VEMPARO_SEED").toUInt(&valid);
    if (!valid)
        qFatal("VEMPARO_SEED must be a seed printed by an earlier run");
    return seed;
}

int actionsPerSession()
{
    bool given = false;
    const int actions = qEnvironmentVariableIntValue("VEMPARO_SESSION_ACTIONS", &given);
    return given ? actions : 12'000;
}

class Session {
public:
    Session(Program& program, char16_t separator, std::uint32_t seed)
        : window_(program.window())
        , separator_(separator)
        , random_(seed)
    {
        for (std::size_t i = 0; i < boxes_.size(); ++i)
            boxes_[i] = control<NumberBox>(u"Text%1"_s.arg(i + 1));
        wet_ = control<QCheckBox>(u"Check1"_s);
        man_ = control<QRadioButton>(u"Option1"_s);
        woman_ = control<QRadioButton>(u"Option2"_s);
        body_ = control<QComboBox>(u"Combo1"_s);
        const auto& calculations = window_.calculations();
        QCOMPARE_EQ(calculations.size(), rules.size());
        for (std::size_t i = 0; i < rules.size(); ++i) {
            labels_[i] = calculations[i].result;
            for (const Form1::Calculation::Input& input : calculations[i].inputs)
                boxesOf_[i].push_back(std::size_t(std::find(boxes_.begin(), boxes_.end(), input.box) - boxes_.begin()));
            expected_[i].caption = labels_[i]->caption();
            listenForRuns(i, calculations[i].choices);
        }
    }

    // Plays one random action; a text changes at most once in it.
    void act()
    {
        using Action = void (Session::*)();
        static constexpr std::array<std::pair<Action, int>, 11> actions{{
            {&Session::typeCharacter, 36},
            {&Session::pressEditingKey, 22},
            {&Session::paste, 8},
            {&Session::clickBox, 8},
            {&Session::pressTab, 6},
            {&Session::clickCheckBox, 3},
            {&Session::clickOption, 3},
            {&Session::chooseBodyWithMouse, 3},
            {&Session::chooseBodyWithKeyboard, 3},
            {&Session::turnWheelOnList, 2},
            {&Session::selectAll, 6},
        }};
        int total = 0;
        for (const auto& [action, weight] : actions)
            total += weight;
        int pick = below(total);
        for (const auto& [action, weight] : actions) {
            if (pick < weight) {
                (this->*action)();
                break;
            }
            pick -= weight;
        }
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
            note(u"(a popup stayed open and was closed)"_s);
        }
    }

    // Empty when the window shows what its calculations give; else what differs.
    QString mismatch()
    {
        const Inputs now = inputs();
        for (std::size_t i = 0; i < rules.size(); ++i) {
            const QString found = mismatch(i, now);
            if (!found.isEmpty())
                return found;
        }
        return {};
    }

    // What the checks found after each action, to see that the session
    // reached every kind of end and every reason.
    [[nodiscard]] QString tally() const
    {
        QStringList counts;
        for (std::size_t i = 0; i < rules.size(); ++i)
            counts << u"%1 %2 current, %3 stale after a failure, %4 stale after a declined guard"_s
                          .arg(labels_[i]->objectName())
                          .arg(checks_[i][1]).arg(checks_[i][2]).arg(checks_[i][0]);
        QStringList kinds;
        for (const int count : reasons_)
            kinds << QString::number(count);
        return counts.join(u"; "_s)
            + u"; reasons: %1 (unreadable text, failed run, guard's mark, empty box, zero)"_s.arg(kinds.join(u", "_s));
    }

    [[nodiscard]] bool everyKindOfReasonOccurred() const
    {
        return std::all_of(reasons_.begin(), reasons_.end(), [](int count) { return count > 0; });
    }

    // The last actions and the inputs now, to tell what a failure came after.
    [[nodiscard]] QString story() const
    {
        QStringList lines(history_.begin(), history_.end());
        const Inputs now = inputs();
        for (std::size_t i = 0; i < now.texts.size(); ++i)
            lines << u"Text%1 = %2"_s.arg(i + 1).arg(visible(shortened(QString::fromStdU16String(now.texts[i]))));
        lines << u"Check1 = %1, Option1 = %2, Option2 = %3, Combo1 = %4"_s.arg(now.wetRoad)
                     .arg(man_->isChecked()).arg(woman_->isChecked()).arg(now.body);
        return lines.join(u"\n  "_s);
    }

private:
    QString mismatch(std::size_t i, const Inputs& now)
    {
        const std::vector<std::size_t>& boxes = boxesOf_[i];
        Expected& expected = expected_[i];
        const calculators::Outcome outcome = expected.ran ? rules[i].run(now, separator_)
                                                          : calculators::Outcome{calculators::Declined{}};
        const auto* shown = std::get_if<calculators::Shown>(&outcome);
        if (shown != nullptr)
            expected.caption = QString::fromStdU16String(shown->caption());
        const bool stale = expected.ran && shown == nullptr;
        const ResultLabel* label = labels_[i];
        const QString name = label->objectName();
        if (label->caption() != expected.caption)
            return u"%1 shows %2, expected %3"_s.arg(name, shortened(label->caption()), shortened(expected.caption));
        const auto state = !expected.ran ? ResultLabel::State::Untouched
            : stale                      ? ResultLabel::State::Stale
                                         : ResultLabel::State::Current;
        if (label->state() != state)
            return u"%1 is in state %2, expected state %3"_s.arg(name).arg(int(label->state())).arg(int(state));

        QStringList description;
        if (shown != nullptr)
            description << QString::fromStdU16String(shown->explanation);
        if (stale)
            description << staleNote;
        const auto reasons = expected.ran ? expectedReasons(boxes, rules[i].guard, now, outcome, separator_)
                                          : std::vector<std::optional<Reason>>(boxes.size());
        for (std::size_t b = 0; b < boxes.size(); ++b) {
            const NumberBox* box = boxes_[boxes[b]];
            const auto& reason = reasons[b];
            const QString message = reason && reason->marksBox ? reason->message : QString();
            if (box->toolTip() != message || box->accessibleDescription() != message
                || box->isMarked() == message.isEmpty())
                return u"%1 says \"%2\", expected \"%3\""_s.arg(box->objectName(), box->toolTip(), message);
            if (stale && reason) {
                description << box->caption() + u": "_s + reason->message;
                ++reasons_[static_cast<std::size_t>(reason->kind)];
            }
        }
        if (stale && description.size() < 2)
            return u"%1 is stale without a reason"_s.arg(name);
        const QString said = description.join(u'\n');
        const QString tip = label->text() == label->caption() ? said : label->caption() + u'\n' + said;
        if (label->accessibleDescription() != said || label->toolTip() != tip)
            return u"%1 says \"%2\" (tool tip \"%3\"), expected \"%4\""_s.arg(name, label->accessibleDescription(),
                                                                              label->toolTip(), said);
        if (expected.ran)
            ++checks_[i][outcome.index()];
        return {};
    }

    // Every event a calculation's controls raise runs it, whether or not the value changed.
    void listenForRuns(std::size_t calculation, const std::vector<QWidget*>& choices)
    {
        bool& ran = expected_[calculation].ran;
        const auto hasRun = [&ran] { ran = true; };
        for (const std::size_t box : boxesOf_[calculation])
            QObject::connect(boxes_[box], &QLineEdit::textChanged, hasRun);
        for (QWidget* choice : choices) {
            if (auto* list = qobject_cast<QComboBox*>(choice))
                QObject::connect(list, &QComboBox::activated, hasRun);
            else if (auto* check = qobject_cast<QCheckBox*>(choice))
                QObject::connect(check, &QCheckBox::toggled, hasRun);
            else
                QObject::connect(qobject_cast<QRadioButton*>(choice), &QRadioButton::clicked, hasRun);
        }
    }

    template <typename Control>
    [[nodiscard]] Control* control(const QString& name) const
    {
        auto* found = window_.findChild<Control*>(name);
        if (found == nullptr)
            qFatal("The window has no %s", qPrintable(name));
        return found;
    }

    [[nodiscard]] Inputs inputs() const
    {
        Inputs now;
        for (std::size_t i = 0; i < boxes_.size(); ++i)
            now.texts[i] = boxes_[i]->text().toStdU16String();
        now.wetRoad = wet_->checkState() == Qt::Checked ? 1 : wet_->checkState() == Qt::PartiallyChecked ? 2 : 0;
        now.sex = man_->isChecked()  ? calculators::Sex::Man
            : woman_->isChecked()    ? calculators::Sex::Woman
                                     : calculators::Sex::NotChosen;
        now.body = body_->currentIndex();
        return now;
    }

    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }
    bool chance(int percent) { return below(100) < percent; }
    template <typename Item>
    const Item& oneOf(const std::vector<Item>& items)
    {
        return items[static_cast<std::size_t>(below(static_cast<int>(items.size())))];
    }

    void note(const QString& action)
    {
        history_.push_back(action);
        if (history_.size() > 8)
            history_.pop_front();
    }

    // Where a key goes: the focus, or the first box while nothing has it.
    [[nodiscard]] QWidget* focused() const
    {
        return QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : boxes_[0];
    }
    QLineEdit* anyBox() { return boxes_[static_cast<std::size_t>(below(static_cast<int>(boxes_.size())))]; }

    // Mostly what numbers are made of, with letters, other scripts and
    // controls mixed in.
    QChar character()
    {
        static const std::vector<QString> pools{
            u"0123456789"_s, u"0123456789"_s, u"0123456789"_s, u"0123456789"_s, u"0123456789"_s,
            u"0123456789"_s, u"0123456789"_s, u",."_s,       u",."_s,         u"eE+-"_s,
            u"  "_s,         u"abcxyzAEIOU"_s, u"äöÅ€Ω漢٣٫−０\u00A0"_s, u"\t\n\r\u0001\u007F"_s,
        };
        const QString& pool = oneOf(pools);
        return pool.at(below(static_cast<int>(pool.size())));
    }

    // A number as a user would write it, now and then with the other separator.
    QString numberText()
    {
        const auto digits = [this](int most) {
            QString text;
            for (int count = 1 + below(most); count > 0; --count)
                text += QChar(u'0' + below(10));
            return text;
        };
        const QChar separator = chance(85) ? QChar(separator_) : QChar(separator_ == u',' ? u'.' : u',');
        QString text = chance(10) ? u"-"_s : QString();
        text += digits(4);
        if (chance(40))
            text += separator + digits(4);
        if (chance(10))
            text += (chance(50) ? u"E"_s : u"e-"_s) + digits(3);
        return chance(5) ? u' ' + text + u' ' : text;
    }

    // Texts at the edges of the rules: zeros that divide, magnitudes that
    // overflow, signs that make a root fail, texts the guards stop.
    QString edgeText()
    {
        static const std::vector<QString> edges{
            u"0"_s,    u"00"_s,     u"0,0"_s,   u"0.0"_s,    u"0e5"_s,     u"-0"_s,  u"-5"_s,    u"1e308"_s,
            u"1E309"_s, u"9e30"_s,  u"6,4e27"_s, u"6.4e27"_s, u"1e-400"_s, u" 5"_s,  u"5 "_s,    u","_s,
            u"."_s,    u"+"_s,      u"1E"_s,    u"1e+"_s,    u"abc"_s,     u"2,5"_s, u"2.5"_s,   u"1,2,3"_s,
        };
        return oneOf(edges);
    }

    QString pasteText()
    {
        if (chance(15))
            return edgeText();
        if (chance(65))
            return numberText();
        const int length = chance(80) ? 1 + below(12) : chance(70) ? 1 + below(300) : 1 + below(4000);
        QString text;
        if (chance(10)) { // a digit outside the basic plane, as a surrogate pair
            text += QChar(QChar::highSurrogate(0x1D7CE));
            text += QChar(QChar::lowSurrogate(0x1D7CE));
        }
        while (text.size() < length)
            text += character();
        return text;
    }

    void typeCharacter()
    {
        const QChar typed = character();
        QWidget* target = focused();
        note(u"type %1 into %2"_s.arg(visible(typed), target->objectName()));
        if (typed.unicode() < 0x80 && typed.isPrint())
            QTest::keyClick(target, typed.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(typed), Qt::NoModifier);
    }

    void pressEditingKey()
    {
        struct Key {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            const char* name;
        };
        static const std::vector<Key> keys{
            {Qt::Key_Backspace, {}, "Backspace"},        {Qt::Key_Backspace, {}, "Backspace"},
            {Qt::Key_Delete, {}, "Delete"},              {Qt::Key_Left, {}, "Left"},
            {Qt::Key_Right, {}, "Right"},                {Qt::Key_Home, {}, "Home"},
            {Qt::Key_End, {}, "End"},                    {Qt::Key_Up, {}, "Up"},
            {Qt::Key_Down, {}, "Down"},                  {Qt::Key_PageDown, {}, "PageDown"},
            {Qt::Key_Space, {}, "Space"},                {Qt::Key_Left, Qt::ShiftModifier, "Shift+Left"},
            {Qt::Key_Home, Qt::ShiftModifier, "Shift+Home"}, {Qt::Key_A, Qt::ControlModifier, "Ctrl+A"},
            {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},  {Qt::Key_Y, Qt::ControlModifier, "Ctrl+Y"},
            {Qt::Key_X, Qt::ControlModifier, "Ctrl+X"},  {Qt::Key_C, Qt::ControlModifier, "Ctrl+C"},
        };
        const Key& key = oneOf(keys);
        QWidget* target = focused();
        note(u"press %1 in %2"_s.arg(QString::fromLatin1(key.name), target->objectName()));
        QTest::keyClick(target, key.key, key.modifiers);
    }

    void paste()
    {
        const QString text = pasteText();
        QApplication::clipboard()->setText(text);
        QWidget* target = focused();
        const bool overAll = chance(40);
        note(u"paste %1 %2 %3"_s.arg(visible(shortened(text)), overAll ? u"over all of"_s : u"into"_s,
                                     target->objectName()));
        if (overAll)
            QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        if (chance(80))
            QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        else
            QTest::keyClick(target, Qt::Key_Insert, Qt::ShiftModifier);
    }

    void clickBox()
    {
        QLineEdit* box = anyBox();
        const QPoint where(below(box->width()), box->height() / 2);
        note(u"click %1 at %2"_s.arg(box->objectName()).arg(where.x()));
        QTest::mouseClick(box, Qt::LeftButton, {}, where);
    }

    void pressTab()
    {
        const bool back = chance(30);
        note(back ? u"press Shift+Tab"_s : u"press Tab"_s);
        QTest::keyClick(focused(), back ? Qt::Key_Backtab : Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
    }

    void clickCheckBox()
    {
        note(u"click Check1"_s);
        QTest::mouseClick(wet_, Qt::LeftButton);
    }

    void clickOption()
    {
        QRadioButton* option = chance(50) ? man_ : woman_;
        note(u"click %1"_s.arg(option->objectName()));
        QTest::mouseClick(option, Qt::LeftButton);
    }

    // The body list opened with a click, as a user opens it; null if it did not open.
    QAbstractItemView* openedList()
    {
        QTest::mouseClick(body_, Qt::LeftButton);
        QAbstractItemView* view = body_->view();
        if (view->isVisible())
            return view;
        QTest::qFail("Clicking the list did not open it", __FILE__, __LINE__);
        return nullptr;
    }

    void chooseBodyWithMouse()
    {
        const int index = below(body_->count());
        note(u"choose body %1 with the mouse"_s.arg(index));
        if (QAbstractItemView* view = openedList()) {
            const QModelIndex item = view->model()->index(index, 0);
            view->scrollTo(item);
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
        }
    }

    void chooseBodyWithKeyboard()
    {
        const int steps = below(4);
        const bool down = chance(50);
        const bool accept = chance(85);
        note(u"choose body %1 %2 steps %3"_s.arg(down ? u"down"_s : u"up"_s).arg(steps)
                 .arg(accept ? u"with Return"_s : u"then Escape"_s));
        if (QAbstractItemView* view = openedList()) {
            for (int i = 0; i < steps; ++i)
                QTest::keyClick(view, down ? Qt::Key_Down : Qt::Key_Up);
            QTest::keyClick(view, accept ? Qt::Key_Return : Qt::Key_Escape);
        }
    }

    void turnWheelOnList()
    {
        const int delta = chance(50) ? 120 : -120;
        note(u"turn the wheel %1 on Combo1"_s.arg(delta > 0 ? u"up"_s : u"down"_s));
        const QPointF centre = QRectF(body_->rect()).center();
        QWheelEvent wheel(centre, body_->mapToGlobal(centre), {}, {0, delta}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(body_, &wheel);
    }

    // So that the next key or paste replaces the whole text.
    void selectAll()
    {
        QLineEdit* box = anyBox();
        note(u"click %1 and select all"_s.arg(box->objectName()));
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    }

    Form1& window_;
    char16_t separator_;
    std::mt19937 random_;
    std::array<NumberBox*, 6> boxes_{};
    QCheckBox* wet_ = nullptr;
    QRadioButton* man_ = nullptr;
    QRadioButton* woman_ = nullptr;
    QComboBox* body_ = nullptr;
    std::array<ResultLabel*, 5> labels_{};
    std::array<std::vector<std::size_t>, 5> boxesOf_{};
    std::array<Expected, 5> expected_{};
    std::deque<QString> history_;
    std::array<std::array<int, std::variant_size_v<calculators::Outcome>>, 5> checks_{};
    std::array<int, reasonKinds> reasons_{};
};

// The offscreen platform cannot raise a popup or grab the keyboard for it,
// and says so every time the list opens; nothing else is dropped.
QtMessageHandler forwardedMessages = nullptr;

void dropPopupNoise(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(u"This plugin does not support"_s))
        return;
    forwardedMessages(type, context, message);
}

} // namespace

class TestRandomSession : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { forwardedMessages = qInstallMessageHandler(dropPopupNoise); }

    void session_data()
    {
        QTest::addColumn<QChar>("separator");
        QTest::newRow("comma") << QChar(u',');
        QTest::newRow("point") << QChar(u'.');
    }

    void session()
    {
        QFETCH(QChar, separator);
        const std::uint32_t seed = sessionSeed();
        const int actions = actionsPerSession();
        qInfo("Seed %u, %d actions; replay with VEMPARO_SEED=%u tst_randomsession session:%s", seed, actions, seed,
              QTest::currentDataTag());

        Program program(separator.unicode());
        program.show();
        QVERIFY(QTest::qWaitForWindowActive(&program.window()));
        Session session(program, separator.unicode(), seed);
        QCOMPARE(session.mismatch(), QString());
        for (int action = 1; action <= actions; ++action) {
            session.act();
            if (QTest::currentTestFailed())
                return;
            const QString mismatch = session.mismatch();
            QVERIFY2(mismatch.isEmpty(), qPrintable(u"Seed %1, action %2: %3\n  after:\n  %4"_s.arg(seed).arg(action)
                                                        .arg(mismatch, session.story())));
        }
        qInfo("Checks: %s", qPrintable(session.tally()));
        QVERIFY2(session.everyKindOfReasonOccurred(), qPrintable(session.tally()));
    }
};

QTEST_MAIN(TestRandomSession)
#include "tst_randomsession.moc"
