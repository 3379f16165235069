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

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStyle>
#include <QWindow>

#include <algorithm>
#include <array>
#include <variant>

using namespace Qt::StringLiterals;
using Kind = Form1::Kind;

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

QString fromStd(std::u16string_view text) { return QStringView(text).toString(); }

QString withoutColon(std::u16string_view caption)
{
    return fromStd(caption.ends_with(u':') ? caption.substr(0, caption.size() - 1) : caption);
}

// How each calculation runs on what was read, how it is worked out before
// any run, and what it says beside a result the user may take for another.
struct Rule {
    using Reading = Form1::Reading;
    calculators::Outcome (*run)(const Reading& reading, char16_t separator);
    std::u16string (*formula)(const Reading& reading, char16_t separator);
    std::u16string_view (*caveat)(const Reading& reading) = [](const Reading&) { return std::u16string_view(); };
};

} // namespace

// Check1 ends where Label4 begins and Option1 where Option2 begins, each one
// pixel short of the size it was once drawn with, so that no two controls
// share a pixel but Label9 and Option2. A result's text is its unit.
std::span<const Form1::Row> Form1::rows()
{
    using namespace calculators;
    static const std::array<Row, 27> table{{
        {u"Label1", Kind::Heading, u"Kappaleen nopeus iskeytyessään maahan:", {120, 120, 3885, 240}, 0, 0},
        {u"Label2", Kind::Caption, u"Putoamiskorkeus(m):", {120, 480, 1890, 240}, 2, 0},
        {u"Text1", Kind::Box, u"0", {2040, 480, 1215, 285}, 1, 0, &Form1::Text1_Change},
        {u"Label3", Kind::Result, impactSpeedUnit, {3360, 480, 585, 240}, 3, 0},
        {u"Label6", Kind::Heading, u"Auton nopeus jarrutusjälkien perusteella:", {120, 960, 3600, 240}, 7, 1},
        {u"Label5", Kind::Caption, u"Jälkien pituus(m):", {120, 1320, 1545, 240}, 6, 1},
        {u"Text2", Kind::Box, u"0", {1680, 1320, 735, 285}, 4, 1, &Form1::Text2_Change},
        {u"Check1", Kind::Check, u"Märkä", {2520, 1320, 840, 315}, 8, 1, &Form1::Check1_Click},
        {u"Label4", Kind::Result, brakingSpeedUnit, {3360, 1320, 585, 240}, 5, 1},
        {u"Label7", Kind::Heading, u"Veren alkoholipitoisuus promilleina:", {120, 1800, 3165, 240}, 10, 2},
        {u"sex", Kind::Group, u"Sukupuoli", {2520, 2040, 855, 495}, -1, 2},
        {u"Option1", Kind::Option, u"Mies", {2520, 2040, 735, 240}, 13, 2, &Form1::Option1_Click},
        {u"Label8", Kind::Caption, u"Juotu määrä(g):", {120, 2160, 1395, 240}, 11, 2},
        {u"Text3", Kind::Box, u"0", {1560, 2160, 855, 285}, 9, 2, &Form1::Text3_Change},
        {u"Option2", Kind::Option, u"Nainen", {2520, 2280, 855, 255}, 14, 2, &Form1::Option2_Click},
        {u"Label10", Kind::Caption, u"Henkilön massa(kg):", {120, 2520, 1845, 240}, 16, 2},
        {u"Text4", Kind::Box, u"0", {2040, 2520, 375, 285}, 15, 2, &Form1::Text4_Change},
        {u"Label9", Kind::Result, bloodAlcoholUnit, {2520, 2520, 990, 240}, 12, 2},
        {u"Label13", Kind::Heading, u"Kuinka paljon aikaa kuluu kun kappale putoaa:", {120, 3000, 4140, 240}, 20, 3},
        {u"Label12", Kind::Caption, u"Putoamiskorkeus(m):", {120, 3360, 1890, 240}, 19, 3},
        {u"Text5", Kind::Box, u"0", {2040, 3360, 1335, 285}, 17, 3, &Form1::Text5_Change},
        {u"Label11", Kind::Result, fallTimeUnit, {3480, 3360, 255, 240}, 18, 3},
        {u"Label14", Kind::Heading, u"Oma painosi eri planeetoilla:", {120, 3840, 2550, 240}, 22, 4},
        {u"Label15", Kind::Caption, u"Painosi(kg):", {120, 4200, 1065, 240}, 23, 4},
        {u"Text6", Kind::Box, u"0", {1320, 4200, 495, 315}, 21, 4, &Form1::Text6_Change},
        {u"Combo1", Kind::List, u"Maa", {1920, 4200, 1455, 315}, 25, 4, &Form1::Combo1_Click},
        {u"Label16", Kind::Result, weightUnit, {3480, 4200, 375, 240}, 24, 4},
    }};
    return table;
}

namespace {

const Rule& ruleOf(std::size_t calculation)
{
    using namespace calculators;
    using Reading = Form1::Reading;
    static const std::array<Rule, 5> rules{{
        {[](const Reading& read, char16_t separator) { return impactSpeed(read.texts[0], separator); },
         [](const Reading& /*read*/, char16_t /*separator*/) { return std::u16string(impactSpeedFormula); }},
        {[](const Reading& read, char16_t separator) { return brakingSpeed(read.texts[0], read.wetRoad, separator); },
         [](const Reading& read, char16_t separator) { return brakingSpeedFormula(read.wetRoad, separator); }},
        {[](const Reading& read, char16_t separator) {
             return bloodAlcohol(read.texts[0], read.texts[1], read.sex, separator);
         },
         [](const Reading& /*read*/, char16_t /*separator*/) { return std::u16string(bloodAlcoholFormula); },
         [](const Reading& read) { return read.sex == Sex::NotChosen ? sexNotChosen : std::u16string_view(); }},
        {[](const Reading& read, char16_t separator) { return fallTime(read.texts[0], separator); },
         [](const Reading& /*read*/, char16_t /*separator*/) { return std::u16string(fallTimeFormula); }},
        {[](const Reading& read, char16_t separator) { return weight(read.texts[0], read.body, separator); },
         [](const Reading& /*read*/, char16_t /*separator*/) { return std::u16string(weightFormula); }},
    }};
    return rules.at(calculation);
}

// The check box's value as the calculation knows it: 0 unticked, 1 ticked, 2 greyed.
int valueOf(const QCheckBox* box)
{
    const Qt::CheckState state = box->checkState();
    return state == Qt::Checked ? 1 : state == Qt::PartiallyChecked ? 2 : 0;
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
    setFocusOrder();
    offerResultsForCopying();
    createMenu();
    Form_Load();
    offerNoMaximizing();
}

QComboBox* Form1::bodyList() const { return findChild<QComboBox*>(u"Combo1"_s); }

// Every control of the table, created, placed, named and wired in its order,
// and gathered into its calculation. Wired only once its initial value is
// set, so that setting it runs nothing.
void Form1::createControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(u"client"_s);
    client->setFont(controlFont());
    setCentralWidget(client);
    calculations_.resize(rows().back().calculation + 1);
    QWidget* group = nullptr;
    for (const Row& row : rows()) {
        QWidget* control = createControl(row, row.kind == Kind::Option ? group : client);
        if (row.kind == Kind::Group)
            group = control;
        control->setObjectName(fromStd(row.name));
        place(control, row);
        introduce(row, control);
    }
    centralWidget()->setFixedSize(clientArea);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    announcer_ = new Announcer(this);
    announcer_->setObjectName(u"announcer"_s);
}

QWidget* Form1::createControl(const Row& row, QWidget* parent)
{
    Calculation& calculation = calculations_.at(row.calculation);
    const QString text = fromStd(row.text);
    switch (row.kind) {
    case Kind::Heading:
    case Kind::Caption: {
        auto* label = new QLabel(text, parent);
        label->setFont(labelFont());
        if (row.kind == Kind::Heading)
            calculation.heading = label;
        else
            calculation.inputs.push_back({label, nullptr});
        return label;
    }
    case Kind::Box: {
        auto* box = new NumberBox(text, parent);
        calculation.inputs.back().box = box;
        connect(box, &QLineEdit::textChanged, this, row.event);
        return box;
    }
    case Kind::Result:
        // Every result starts out as nothing worked out yet: zero of its unit.
        calculation.result = new ResultLabel(u"0"_s, text, parent);
        calculation.result->setFont(labelFont());
        return calculation.result;
    case Kind::Check: {
        auto* box = new QCheckBox(text, parent);
        connect(box, &QCheckBox::toggled, this, row.event);
        calculation.choices.push_back(box);
        return box;
    }
    case Kind::Group: {
        auto* group = new QWidget(parent);
        group->setAccessibleName(text);
        return group;
    }
    case Kind::Option: {
        auto* option = new QRadioButton(text, parent);
        connect(option, &QRadioButton::clicked, this, row.event);
        calculation.choices.push_back(option);
        return option;
    }
    case Kind::List: {
        // A list without an edit field: the body shown is always the one the weight uses.
        auto* list = new QComboBox(parent);
        list->setAccessibleName(u"Taivaankappale"_s);
        connect(list, &QComboBox::activated, this, row.event);
        calculation.choices.push_back(list);
        return list;
    }
    }
    return nullptr;
}

// A caption takes the width its text needs in the font at hand, one line
// high; a result the room to the window's edge, from the side it starts on.
void Form1::place(QWidget* control, const Row& row)
{
    QRect area = fromTwips(row.twips);
    if (auto* result = qobject_cast<ResultLabel*>(control)) {
        area.setRight(clientArea.width() - 1 - resultMargin);
        result->setRoom(mirroredIfRightToLeft(area), isRightToLeft() ? Qt::AlignRight : Qt::AlignLeft);
        return;
    }
    if (row.kind == Kind::Heading || row.kind == Kind::Caption)
        area.setWidth(captionWidth(control->font(), fromStd(row.text)));
    if (auto* box = qobject_cast<NumberBox*>(control))
        box->setNoteRoom(QRect(QPoint(0, 0), clientArea));
    const QPoint parentAt = control->parentWidget() == centralWidget() ? QPoint() : control->parentWidget()->pos();
    control->setGeometry(mirroredIfRightToLeft(area).translated(-parentAt));
}

// The table reads left to right; a right-to-left window shows it as a layout
// would, mirrored about the client area's middle.
QRect Form1::mirroredIfRightToLeft(const QRect& area) const
{
    return QStyle::visualRect(layoutDirection(), QRect(QPoint(0, 0), clientArea), area);
}

// Each caption is its input's buddy, so a screen reader names the input by
// it. Two calculations ask for a fall height under the same caption, so
// every input's name goes on with the question its calculation answers, and
// so does its caption's, which is what screen readers read for the input.
void Form1::introduce(const Row& row, QWidget* control)
{
    auto* box = qobject_cast<NumberBox*>(control);
    if (box == nullptr)
        return;
    const Row& caption = *std::find_if(std::make_reverse_iterator(&row), std::make_reverse_iterator(rows().data()),
                                       [](const Row& each) { return each.kind == Kind::Caption; });
    const Row& heading = *std::find_if(rows().begin(), rows().end(), [&](const Row& each) {
        return each.calculation == row.calculation && each.kind == Kind::Heading;
    });
    QLabel* label = calculations_.at(row.calculation).inputs.back().caption;
    label->setBuddy(box);
    box->setCaption(withoutColon(caption.text));
    box->setAccessibleName(u"%1 (%2)"_s.arg(fromStd(caption.text), withoutColon(heading.text)));
    label->setAccessibleName(box->accessibleName());
}

// Tab visits the controls in the order of their tab indexes; labels take no focus.
void Form1::setFocusOrder()
{
    std::vector<const Row*> order;
    for (const Row& row : rows())
        if (row.tabIndex >= 0 && row.kind != Kind::Heading && row.kind != Kind::Caption && row.kind != Kind::Result)
            order.push_back(&row);
    std::sort(order.begin(), order.end(), [](const Row* a, const Row* b) { return a->tabIndex < b->tabIndex; });
    const auto control = [this](const Row* row) { return findChild<QWidget*>(fromStd(row->name)); };
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(control(order[i - 1]), control(order[i]));
    // As Tab would leave it, so that the first number typed replaces the "0".
    auto* first = qobject_cast<NumberBox*>(control(order.front()));
    first->selectAll();
    first->setFocus();
}

// The bodies in their order, and the one the list shows from the start
// chosen, so that a weight typed at once is computed for the body shown.
void Form1::Form_Load()
{
    QComboBox* list = bodyList();
    int position = 0;
    for (const auto& body : calculators::bodies())
        list->insertItem(position++, fromStd(body.name));
    const Row& listRow = *std::find_if(rows().begin(), rows().end(), [](const Row& row) { return row.kind == Kind::List; });
    list->setCurrentIndex(list->findText(fromStd(listRow.text)));
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
    const Calculation* calculation = calculationOf(watched);
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

void Form1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    windowHandle()->installEventFilter(this);
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

void Form1::createMenu()
{
    QMenu* prog = menuBar()->addMenu(u"&Ohjelma"_s);
    prog->setObjectName(u"prog"_s);
    quitti_ = prog->addAction(u"&Lopeta"_s);
    quitti_->setObjectName(u"quitti"_s);
    ifo_ = prog->addAction(u"&Tietoa"_s);
    ifo_->setObjectName(u"ifo"_s);
}

// The window keeps its size, so a maximize button would do nothing.
void Form1::offerNoMaximizing()
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
}

// The events of the controls, each running the calculation its control
// belongs to; three calculations are reached from two events alike.
void Form1::Text1_Change() { runCalculationOf(sender()); }
void Form1::Text2_Change() { runCalculationOf(sender()); }
void Form1::Check1_Click() { runCalculationOf(sender()); }
void Form1::Text3_Change() { runCalculationOf(sender()); }
void Form1::Text4_Change() { runCalculationOf(sender()); }
void Form1::Option1_Click() { runCalculationOf(sender()); }
void Form1::Option2_Click() { runCalculationOf(sender()); }
void Form1::Text5_Change() { runCalculationOf(sender()); }
void Form1::Text6_Change() { runCalculationOf(sender()); }
void Form1::Combo1_Click() { runCalculationOf(sender()); }

// A run the user chose rather than typed is always answered; a body picked
// is named with it, as a screen reader says nothing of a pick while the
// list is closed.
void Form1::runCalculationOf(const QObject* control)
{
    const Calculation* calculation = calculationOf(control);
    if (calculation == nullptr)
        return;
    std::optional<QString> choice;
    if (const auto* list = qobject_cast<const QComboBox*>(control))
        choice = list->currentText();
    else if (qobject_cast<const QAbstractButton*>(control) != nullptr)
        choice = QString();
    const Reading reading = read(*calculation);
    present(*calculation, reading, ruleOf(indexOf(*calculation)).run(reading, separator_), choice);
}

Form1::Reading Form1::read(const Calculation& calculation) const
{
    Reading reading;
    for (const Calculation::Input& input : calculation.inputs)
        reading.texts.push_back(input.box->text().toStdU16String());
    for (const QWidget* choice : calculation.choices) {
        if (const auto* box = qobject_cast<const QCheckBox*>(choice))
            reading.wetRoad = valueOf(box);
        else if (const auto* option = qobject_cast<const QRadioButton*>(choice); option != nullptr && option->isChecked())
            reading.sex = option == calculation.choices.front() ? calculators::Sex::Man : calculators::Sex::Woman;
        else if (const auto* list = qobject_cast<const QComboBox*>(choice))
            reading.body = list->currentIndex();
    }
    return reading;
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
// own text, or the failure, calls for; all of it from the texts read once.
void Form1::present(const Calculation& calculation, const Reading& reading, const calculators::Outcome& outcome,
                    const std::optional<QString>& choice)
{
    const auto reasons = calculators::reasons(outcome, reading.texts, separator_);
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
        const std::u16string_view caveat = ruleOf(indexOf(calculation)).caveat(reading);
        const QString said = fromStd(shown->caption());
        announcer_->announce(result, caveat.empty() ? said : said + u", "_s + fromStd(caveat), choice);
    } else {
        result->showStale(whyStale);
        announcer_->announce(result, whyStale.value(0), choice);
    }
}

const Form1::Calculation* Form1::calculationOf(const QObject* control) const
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

std::size_t Form1::indexOf(const Calculation& calculation) const
{
    return static_cast<std::size_t>(&calculation - calculations_.data());
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
    lines << (explanation.isEmpty() ? fromStd(ruleOf(indexOf(*calculation)).formula(read(*calculation), separator_))
                                    : explanation);
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
