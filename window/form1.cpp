#include "form1.h"

#include "accessibleinterfaces.h"
#include "announcer.h"
#include "bloodalcohol.h"
#include "brakingspeed.h"
#include "falltime.h"
#include "fonts.h"
#include "impactspeed.h"
#include "keytip.h"
#include "numberbox.h"
#include "resultlabel.h"
#include "weight.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStyle>
#include <QWindow>

#include <algorithm>
#include <string>
#include <variant>

using namespace Qt::StringLiterals;

namespace {

// The layout was drawn in twips, 15 to a pixel at 96 dots per inch; Qt
// scales the pixels for a denser screen.
constexpr int twipsPerPixel = 15;
constexpr QSize clientArea(4905 / twipsPerPixel, 4680 / twipsPerPixel);

QRect fromTwips(const QRect& twips)
{
    return {twips.x() / twipsPerPixel, twips.y() / twipsPerPixel, twips.width() / twipsPerPixel,
            twips.height() / twipsPerPixel};
}

// A result may reach this close to the window's far edge, no closer.
constexpr int resultMargin = 8;

template <typename Control>
Control* createControl(QWidget* parent, const char* name, const QString& text)
{
    auto* control = new Control(text, parent);
    control->setObjectName(QLatin1StringView(name));
    return control;
}

QLabel* createLabel(QWidget* parent, const char* name, const QString& caption)
{
    auto* label = createControl<QLabel>(parent, name, caption);
    label->setFont(labelFont());
    return label;
}

// Every result starts out as nothing worked out yet: zero of its unit.
ResultLabel* createResult(QWidget* parent, const char* name, const QString& unit)
{
    auto* result = new ResultLabel(u"0"_s, unit, parent);
    result->setObjectName(QLatin1StringView(name));
    result->setFont(labelFont());
    return result;
}

QString withoutColon(QString caption)
{
    caption.chop(caption.endsWith(u':') ? 1 : 0);
    return caption;
}

std::u16string textOf(const NumberBox* box) { return box->text().toStdU16String(); }

QString fromStd(std::u16string_view text) { return QStringView(text).toString(); }

// Where each calculation stands in the table, the order of the window.
enum : std::size_t { impactRow, brakingRow, alcoholRow, fallTimeRow, weightRow };

// The check box's value as the calculation knows it: 0 unticked, 1 ticked, 2 greyed.
int valueOf(const QCheckBox* box)
{
    const Qt::CheckState state = box->checkState();
    return state == Qt::Checked ? 1 : state == Qt::PartiallyChecked ? 2 : 0;
}

calculators::Sex sexOf(const QRadioButton* man, const QRadioButton* woman)
{
    if (man->isChecked())
        return calculators::Sex::Man;
    return woman->isChecked() ? calculators::Sex::Woman : calculators::Sex::NotChosen;
}

} // namespace

Form1::Form1(char16_t decimalSeparator, QWidget* parent)
    : QMainWindow(parent)
    , separator_(decimalSeparator)
{
    setObjectName(u"Form1"_s);
    setWindowTitle(u"Vemparo v1.0"_s);
    useOwnAccessibleInterfaces();
    createControls();
    describeCalculations();
    placeControls();
    setFocusOrder();
    introduceInputs();
    offerResultsForCopying();
    createMenu();
    connectEvents();
    offerNoMaximizing();
}

void Form1::createControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(u"client"_s);
    client->setFont(controlFont());
    setCentralWidget(client);

    Label1 = createLabel(client, "Label1", u"Kappaleen nopeus iskeytyessään maahan:"_s);
    Label2 = createLabel(client, "Label2", u"Putoamiskorkeus(m):"_s);
    Text1 = createControl<NumberBox>(client, "Text1", u"0"_s);
    Label3 = createResult(client, "Label3", u"km/h"_s);

    Label6 = createLabel(client, "Label6", u"Auton nopeus jarrutusjälkien perusteella:"_s);
    Label5 = createLabel(client, "Label5", u"Jälkien pituus(m):"_s);
    Text2 = createControl<NumberBox>(client, "Text2", u"0"_s);
    Check1 = createControl<QCheckBox>(client, "Check1", u"Märkä"_s);
    Label4 = createResult(client, "Label4", u"km/h"_s);

    Label7 = createLabel(client, "Label7", u"Veren alkoholipitoisuus promilleina:"_s);
    Option1 = createControl<QRadioButton>(client, "Option1", u"Mies"_s);
    Label8 = createLabel(client, "Label8", u"Juotu määrä(g):"_s);
    Text3 = createControl<NumberBox>(client, "Text3", u"0"_s);
    Option2 = createControl<QRadioButton>(client, "Option2", u"Nainen"_s);
    Label10 = createLabel(client, "Label10", u"Henkilön massa(kg):"_s);
    Text4 = createControl<NumberBox>(client, "Text4", u"0"_s);
    Label9 = createResult(client, "Label9", u"promillea"_s);

    Label13 = createLabel(client, "Label13", u"Kuinka paljon aikaa kuluu kun kappale putoaa:"_s);
    Label12 = createLabel(client, "Label12", u"Putoamiskorkeus(m):"_s);
    Text5 = createControl<NumberBox>(client, "Text5", u"0"_s);
    Label11 = createResult(client, "Label11", u"s"_s);

    Label14 = createLabel(client, "Label14", u"Oma painosi eri planeetoilla:"_s);
    Label15 = createLabel(client, "Label15", u"Painosi(kg):"_s);
    Text6 = createControl<NumberBox>(client, "Text6", u"0"_s);
    // A list without an edit field: the body shown is always the one the weight uses.
    Combo1 = new QComboBox(client);
    Combo1->setObjectName(u"Combo1"_s);
    Combo1->setAccessibleName(u"Taivaankappale"_s);
    Label16 = createResult(client, "Label16", u"kg"_s);

    announcer_ = new Announcer(this);
    announcer_->setObjectName(u"announcer"_s);
}

void Form1::describeCalculations()
{
    using namespace calculators;
    calculations_ = {
        {Label1, {{Label2, Text1}}, {}, Label3,
         [this] { return impactSpeed(textOf(Text1), separator_); }, [] { return fromStd(impactSpeedFormula); }},
        {Label6, {{Label5, Text2}}, {Check1}, Label4,
         [this] { return brakingSpeed(textOf(Text2), valueOf(Check1), separator_); },
         [this] { return fromStd(brakingSpeedFormula(valueOf(Check1), separator_)); }},
        {Label7, {{Label8, Text3}, {Label10, Text4}}, {Option1, Option2}, Label9,
         [this] { return bloodAlcohol(textOf(Text3), textOf(Text4), sexOf(Option1, Option2), separator_); },
         [] { return fromStd(bloodAlcoholFormula); },
         [this] { return sexOf(Option1, Option2) == Sex::NotChosen ? fromStd(sexNotChosen) : QString(); }},
        {Label13, {{Label12, Text5}}, {}, Label11,
         [this] { return fallTime(textOf(Text5), separator_); }, [] { return fromStd(fallTimeFormula); }},
        {Label14, {{Label15, Text6}}, {Combo1}, Label16,
         [this] { return weight(textOf(Text6), Combo1->currentIndex(), separator_); },
         [] { return fromStd(weightFormula); }},
    };
}

// Check1 ends where Label4 begins and Option1 where Option2 begins, each one
// pixel short of the size it was once drawn with, so that no two controls
// share a pixel but Label9 and Option2.
void Form1::placeControls()
{
    struct Placement {
        QWidget* control;
        QRect twips;
    };
    const Placement placements[] = {
        {Label1, {120, 120, 3885, 240}},   {Label2, {120, 480, 1890, 240}},
        {Text1, {2040, 480, 1215, 285}},   {Label3, {3360, 480, 585, 240}},
        {Label6, {120, 960, 3600, 240}},   {Label5, {120, 1320, 1545, 240}},
        {Text2, {1680, 1320, 735, 285}},   {Check1, {2520, 1320, 840, 315}},
        {Label4, {3360, 1320, 585, 240}},  {Label7, {120, 1800, 3165, 240}},
        {Option1, {2520, 2040, 735, 240}}, {Label8, {120, 2160, 1395, 240}},
        {Text3, {1560, 2160, 855, 285}},   {Option2, {2520, 2280, 855, 255}},
        {Label10, {120, 2520, 1845, 240}}, {Text4, {2040, 2520, 375, 285}},
        {Label9, {2520, 2520, 990, 240}},  {Label13, {120, 3000, 4140, 240}},
        {Label12, {120, 3360, 1890, 240}}, {Text5, {2040, 3360, 1335, 285}},
        {Label11, {3480, 3360, 255, 240}}, {Label14, {120, 3840, 2550, 240}},
        {Label15, {120, 4200, 1065, 240}}, {Text6, {1320, 4200, 495, 315}},
        {Combo1, {1920, 4200, 1455, 315}}, {Label16, {3480, 4200, 375, 240}},
    };
    for (const auto& [control, twips] : placements) {
        QRect area = fromTwips(twips);
        if (auto* result = qobject_cast<ResultLabel*>(control)) {
            area.setRight(clientArea.width() - 1 - resultMargin);
            result->setRoom(mirroredIfRightToLeft(area), isRightToLeft() ? Qt::AlignRight : Qt::AlignLeft);
        } else {
            // A caption takes the width its text needs in the font at hand, one line high.
            if (const auto* label = qobject_cast<QLabel*>(control))
                area.setWidth(captionWidth(label->font(), label->text()));
            if (auto* box = qobject_cast<NumberBox*>(control))
                box->setNoteRoom(QRect(QPoint(0, 0), clientArea));
            control->setGeometry(mirroredIfRightToLeft(area));
        }
    }
    centralWidget()->setFixedSize(clientArea);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

// The table reads left to right; a right-to-left window shows it as a layout
// would, mirrored about the client area's middle.
QRect Form1::mirroredIfRightToLeft(const QRect& area) const
{
    return QStyle::visualRect(layoutDirection(), QRect(QPoint(0, 0), clientArea), area);
}

// The window keeps its size, so a maximize button would do nothing.
void Form1::offerNoMaximizing()
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
}

void Form1::setFocusOrder()
{
    QWidget* const order[] = {Text1, Text2, Check1, Text3, Option1, Option2, Text4, Text5, Text6, Combo1};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    // As Tab would leave it, so that the first number typed replaces the "0".
    Text1->selectAll();
    Text1->setFocus();
}

// Each caption is its input's buddy, so a screen reader names the input by
// it. Two calculations ask for a fall height under the same caption, so
// every input's name goes on with the question its calculation answers, and
// so does its caption's, which is what screen readers read for the input.
void Form1::introduceInputs()
{
    for (const Calculation& calculation : calculations_) {
        for (const auto& [caption, input] : calculation.inputs) {
            caption->setBuddy(input);
            input->setCaption(withoutColon(caption->text()));
            input->setAccessibleName(u"%1 (%2)"_s.arg(caption->text(), withoutColon(calculation.heading->text())));
            caption->setAccessibleName(input->accessibleName());
        }
    }
}

// Each result can be copied from every control of its calculation, and from
// itself: Copy with nothing selected, and the last item of the control's
// menu, so the keyboard reaches every result. Every copy the window makes is
// said, and one refused says why, at the control asked.
void Form1::offerResultsForCopying()
{
    for (const Calculation& calculation : calculations_) {
        QAction* copyResult = calculation.result->copyResultAction();
        for (const Calculation::Input& input : calculation.inputs) {
            input.box->offerCopyOf(copyResult);
            connect(input.box, &NumberBox::copyResultAsked, copyResult, &QAction::trigger);
            connect(input.box, &NumberBox::copied, this, [this](const QString& text, bool removed) {
                announcer_->sayNow((removed ? u"Leikattu "_s : u"Kopioitu "_s) + text);
            });
        }
        for (QWidget* choice : calculation.choices)
            choice->installEventFilter(this);
        connect(calculation.result, &ResultLabel::copied, this,
                [this](const QString& text) { announcer_->sayNow(u"Kopioitu "_s + text); });
        connect(calculation.result, &ResultLabel::refused, this,
                [this, &calculation](const QString& why) { refuseCopy(calculation, why); });
    }
}

// A check box, an option and the list have neither a menu nor Copy of their
// own: both offer their calculation's result.
//
// A popup of the window's own (a menu, the body list) takes the keyboard
// while the window stays active, yet Qt tells a screen reader that the
// window was activated when its focus goes to the popup, and Orca then says
// the window's name after the menu's first item, and again as the popup
// closes: the window hears nothing of that focus going and coming back.
bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == windowHandle() && (event->type() == QEvent::FocusOut || event->type() == QEvent::FocusIn)) {
        const bool leavingForPopup = event->type() == QEvent::FocusOut && QApplication::activePopupWidget() != nullptr;
        const bool backFromPopup = event->type() == QEvent::FocusIn && focusLentToPopup_;
        focusLentToPopup_ = leavingForPopup;
        return leavingForPopup || backFromPopup;
    }
    const Calculation* calculation = calculationOf(qobject_cast<QWidget*>(watched));
    if (calculation == nullptr)
        return QMainWindow::eventFilter(watched, event);
    QAction* copyResult = calculation->result->copyResultAction();
    if (event->type() == QEvent::ContextMenu) {
        auto* menu = new QMenu(static_cast<QWidget*>(watched));
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addAction(copyResult);
        popUp(menu, static_cast<QContextMenuEvent*>(event));
        return true;
    }
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event) == QKeySequence::Copy) {
        copyResult->trigger();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// The desktop's keys for what the pointer would show: Ctrl+F1 for the tool
// tip of the control with the focus, Shift+F1 for "What's This?", and
// Shift+F10 for its context menu, where the Menu key would open it. Taken as
// keys the focused control leaves, not as shortcuts: a screen reader hears
// a key a shortcut takes only as it is let go, and speaks a tool tip only
// right after it has heard F1.
void Form1::keyPressEvent(QKeyEvent* event)
{
    const QKeyCombination keys = event->keyCombination();
    if (keys == (Qt::CTRL | Qt::Key_F1) || event->matches(QKeySequence::WhatsThis))
        explainFocusedControl();
    else if (keys == (Qt::SHIFT | Qt::Key_F10))
        openContextMenuOfFocus();
    else
        QMainWindow::keyPressEvent(event);
}

void Form1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    windowHandle()->installEventFilter(this);
}

void Form1::createMenu()
{
    prog = menuBar()->addMenu(u"&Ohjelma"_s);
    prog->setObjectName(u"prog"_s);
    quitti = prog->addAction(u"&Lopeta"_s);
    quitti->setObjectName(u"quitti"_s);
    ifo = prog->addAction(u"&Tietoa"_s);
    ifo->setObjectName(u"ifo"_s);
}

// Wired only after every initial value is set, so that setting them runs no calculation.
void Form1::connectEvents()
{
    connect(Text1, &QLineEdit::textChanged, this, &Form1::Text1_Change);
    connect(Text2, &QLineEdit::textChanged, this, &Form1::Text2_Change);
    connect(Check1, &QCheckBox::toggled, this, &Form1::Check1_Click);
    connect(Text3, &QLineEdit::textChanged, this, &Form1::Text3_Change);
    connect(Text4, &QLineEdit::textChanged, this, &Form1::Text4_Change);
    connect(Option1, &QRadioButton::clicked, this, &Form1::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &Form1::Option2_Click);
    connect(Text5, &QLineEdit::textChanged, this, &Form1::Text5_Change);
    connect(Text6, &QLineEdit::textChanged, this, &Form1::Text6_Change);
    connect(Combo1, &QComboBox::activated, this, &Form1::Combo1_Click);
}

void Form1::Text1_Change() { recompute(calculations_[impactRow]); }
void Form1::Text2_Change() { recompute(calculations_[brakingRow]); }
void Form1::Check1_Click() { recompute(calculations_[brakingRow], QString()); }
void Form1::Text3_Change() { recompute(calculations_[alcoholRow]); }
void Form1::Text4_Change() { recompute(calculations_[alcoholRow]); }
void Form1::Option1_Click() { recompute(calculations_[alcoholRow], QString()); }
void Form1::Option2_Click() { recompute(calculations_[alcoholRow], QString()); }
void Form1::Text5_Change() { recompute(calculations_[fallTimeRow]); }
void Form1::Text6_Change() { recompute(calculations_[weightRow]); }
// A screen reader says nothing of a body picked while the list is closed,
// so the weight is announced with the body it is for.
void Form1::Combo1_Click() { recompute(calculations_[weightRow], Combo1->currentText()); }

void Form1::recompute(const Calculation& calculation, const std::optional<QString>& choice)
{
    present(calculation.run(), calculation, choice);
}

// Each reason an input stands in the way of a result, in the user's words,
// for its box and under its stale result.
QString Form1::messageFor(calculators::Cause cause) const
{
    using enum calculators::Cause;
    switch (cause) {
    case NotANumber:
        return u"Virheellinen luku"_s;
    case OtherSeparator:
        return separator_ == u',' ? u"Virheellinen luku (desimaalierotin on pilkku)"_s
                                  : u"Virheellinen luku (desimaalierotin on piste)"_s;
    case LineBreak:
        return u"Virheellinen luku (rivinvaihto, jota ei näy)"_s;
    case Tab:
        return u"Virheellinen luku (sarkain, jota ei näy)"_s;
    case NoBreakSpace:
        return u"Virheellinen luku (välilyönti, jota ei näy)"_s;
    case MinusSign:
        return u"Virheellinen luku (miinusmerkki − ei käy, käytä -)"_s;
    case NumberTooLarge:
        return u"Luku on liian suuri"_s;
    case ResultTooLarge:
        return u"Tulos on liian suuri"_s;
    case DivisionByZero:
        return u"Jako nollalla"_s;
    case Negative:
        return u"Arvo ei voi olla negatiivinen"_s;
    case NotStartingWithDigit:
        return u"Luvun pitää alkaa numerolla"_s;
    case Missing:
        return u"Arvo puuttuu"_s;
    case Zero:
        return u"Arvon pitää olla suurempi kuin 0"_s;
    }
    return {};
}

// Every run leaves the result current, with how it was reached, or stale,
// with every reason its boxes give, and each box marked exactly as far as its
// own text, or the failure, calls for.
void Form1::present(const calculators::Outcome& outcome, const Calculation& calculation,
                    const std::optional<QString>& choice)
{
    std::vector<std::u16string> texts;
    for (const Calculation::Input& input : calculation.inputs)
        texts.push_back(textOf(input.box));
    const auto reasons = calculators::reasons(outcome, texts, separator_);
    QStringList whyStale;
    auto reason = reasons.begin();
    for (const Calculation::Input& input : calculation.inputs) {
        const QString message = *reason ? messageFor(**reason) : QString();
        input.box->showMessage(*reason && calculators::marksItsBox(**reason) ? message : QString());
        if (*reason)
            whyStale << input.box->caption() + u": "_s + message;
        ++reason;
    }

    ResultLabel* result = calculation.result;
    if (const auto* shown = std::get_if<calculators::Shown>(&outcome)) {
        result->showResult(fromStd(shown->figure), fromStd(shown->unit), fromStd(shown->explanation));
        const QString caveat = calculation.caveat ? calculation.caveat() : QString();
        announcer_->announce(result, caveat.isEmpty() ? result->caption() : result->caption() + u", "_s + caveat,
                             choice);
    } else {
        result->showStale(whyStale);
        announcer_->announce(result, whyStale.value(0), choice);
    }
}

const Form1::Calculation* Form1::calculationOf(const QWidget* control) const
{
    for (const Calculation& calculation : calculations_) {
        const auto& choices = calculation.choices;
        const bool isChoice = std::find(choices.begin(), choices.end(), control) != choices.end();
        const bool isInput = std::any_of(calculation.inputs.begin(), calculation.inputs.end(),
                                         [control](const Calculation::Input& input) { return input.box == control; });
        if (isChoice || isInput || calculation.result == control)
            return &calculation;
    }
    return nullptr;
}

// What the pointer would show of the control with the focus and its result:
// the control's own message, then how the result was reached or why it is
// out of date, and before any run, how it will be worked out.
void Form1::explainFocusedControl()
{
    QWidget* control = focusWidget();
    const Calculation* calculation = calculationOf(control);
    if (calculation == nullptr)
        return;
    QStringList lines;
    if (const auto* box = qobject_cast<const NumberBox*>(control); box != nullptr && !box->tipText().isEmpty())
        lines << box->tipText();
    const QString explanation = calculation->result->explanation();
    lines << (explanation.isEmpty() ? calculation->formula() : explanation);
    showTipAskedByKey(control, lines.join(u'\n'));
}

void Form1::openContextMenuOfFocus()
{
    QWidget* control = focusWidget();
    if (control == nullptr)
        return;
    const QPoint below(0, control->height());
    QContextMenuEvent event(QContextMenuEvent::Keyboard, below, control->mapToGlobal(below));
    QApplication::sendEvent(control, &event);
}

// Said where it was asked: at the control with the focus, where that is one
// of the calculation's, else at the result, which a pointer asked.
void Form1::refuseCopy(const Calculation& calculation, const QString& why)
{
    QWidget* focus = focusWidget();
    QWidget* askedAt = calculationOf(focus) == &calculation ? focus : calculation.result;
    const QString refusal = u"Ei kopioitu: "_s + why;
    showTipAskedByKey(askedAt, refusal);
    announcer_->sayNow(refusal);
}
