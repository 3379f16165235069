#include "program.h"

#include "about.h"
#include "weight.h"

#include <QApplication>
#include <QComboBox>
#include <QIcon>

namespace {

constexpr int earth = 2;

// The picture rendered at the two sizes title bars and task bars ask for.
QIcon builtInIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/vemparo-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/vemparo-32.png"), QSize(32, 32));
    return icon;
}

// The installed icon theme has the picture up to 256 pixels, which task
// switchers and high-density screens ask for; a program run from its build
// folder has only the built-in one.
QIcon applicationIcon() { return QIcon::fromTheme(QStringLiteral(VEMPARO_APP_ID), builtInIcon()); }

} // namespace

Program::Program(char16_t decimalSeparator)
    : form_(decimalSeparator)
{
    form_.setWindowIcon(applicationIcon());
    connect(form_.quitCommand(), &QAction::triggered, this, &Program::quitti_Click);
    connect(form_.aboutCommand(), &QAction::triggered, this, &Program::ifo_Click);
    Form_Load();
}

void Program::show() { form_.show(); }

void Program::Form_Load()
{
    QComboBox* list = form_.bodyList();
    int position = 0;
    for (const auto& body : calculators::bodies())
        list->insertItem(position++, QString::fromStdU16String(std::u16string(body.name)));
    // Shown and chosen agree from the start, so a weight typed at once is on Earth.
    list->setCurrentIndex(earth);
}

void Program::ifo_Click() { showAbout(&form_); }

void Program::quitti_Click() { QCoreApplication::exit(0); }
