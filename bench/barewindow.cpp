#include "barewindow.h"

#include "fonts.h"
#include "form1.h"
#include "program.h"
#include "weight.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {

QString fromStd(std::u16string_view text) { return QStringView(text).toString(); }

// Qt's own widget for a row of the window's table, showing what the row
// shows at the start, a result as its zero.
QWidget* plainControl(const Form1::Row& row, QWidget* parent)
{
    const QString text = fromStd(row.text);
    switch (row.kind) {
    case Form1::Kind::Heading:
    case Form1::Kind::Caption:
    case Form1::Kind::Result: {
        auto* label = new QLabel(row.kind == Form1::Kind::Result ? u"0 "_s + text : text, parent);
        label->setFont(labelFont());
        return label;
    }
    case Form1::Kind::Group:
        return new QWidget(parent);
    case Form1::Kind::Box:
        return new QLineEdit(text, parent);
    case Form1::Kind::Check:
        return new QCheckBox(text, parent);
    case Form1::Kind::Option:
        return new QRadioButton(text, parent);
    case Form1::Kind::List: {
        auto* list = new QComboBox(parent);
        for (const auto& body : calculators::bodies())
            list->addItem(fromStd(body.name));
        return list;
    }
    }
    return nullptr;
}

} // namespace

BareWindow::BareWindow()
{
    auto* client = new QWidget(this);
    setCentralWidget(client);
    client->setFixedSize(4905 / 15, 4680 / 15);
    client->setFont(controlFont());
    setWindowTitle(u"Vemparo v1.0"_s);
    setWindowIcon(builtInIcon());
    for (const Form1::Row& row : Form1::rows()) {
        const QRect& twips = row.twips;
        plainControl(row, client)->setGeometry(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15);
    }
    QMenu* menu = menuBar()->addMenu(u"&Ohjelma"_s);
    menu->addAction(u"&Lopeta"_s);
    menu->addAction(u"&Tietoa"_s);
}
