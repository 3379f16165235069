#include "barewindow.h"

#include "fonts.h"
#include "program.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>

#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int labels = 16;
constexpr int boxes = 6;
constexpr int radioButtons = 2;
constexpr int listItems = 11;

// Two columns of one-line controls, filled top to bottom.
QRect cell(int index)
{
    constexpr int rows = 14;
    return {8 + 160 * (index / rows), 8 + 21 * (index % rows), 150, 19};
}

} // namespace

BareWindow::BareWindow()
{
    auto* client = new QWidget(this);
    setCentralWidget(client);
    client->setFixedSize(327, 312);
    client->setFont(controlFont());
    setWindowIcon(builtInIcon());

    std::vector<QWidget*> controls;
    for (int i = 1; i <= labels; ++i) {
        auto* label = new QLabel(u"Label %1"_s.arg(i), client);
        label->setFont(labelFont());
        controls.push_back(label);
    }
    for (int i = 1; i <= boxes; ++i)
        controls.push_back(new QLineEdit(u"0"_s, client));
    controls.push_back(new QCheckBox(u"Check"_s, client));
    for (int i = 1; i <= radioButtons; ++i)
        controls.push_back(new QRadioButton(u"Option %1"_s.arg(i), client));
    auto* list = new QComboBox(client);
    for (int i = 1; i <= listItems; ++i)
        list->addItem(u"Item %1"_s.arg(i));
    controls.push_back(list);
    for (int i = 0; i < static_cast<int>(controls.size()); ++i)
        controls[static_cast<std::size_t>(i)]->setGeometry(cell(i));

    QMenu* menu = menuBar()->addMenu(u"&Menu"_s);
    menu->addAction(u"&Quit"_s);
    menu->addAction(u"&About"_s);
}
