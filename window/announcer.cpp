#include "announcer.h"

#include <QAccessible>

using namespace Qt::StringLiterals;

namespace {

// How long typing must stop before a result is spoken: long enough to let a
// number be typed whole, short enough to answer a pause at once.
constexpr std::chrono::milliseconds typingPause{500};

} // namespace

Announcer::Announcer(QWidget* parent)
    : QWidget(parent)
{
    hide();
    pause_.setSingleShot(true);
    pause_.setInterval(typingPause);
    connect(&pause_, &QTimer::timeout, this, &Announcer::speak);
}

void Announcer::announce(const QObject* about, const QString& text, const std::optional<QString>& choice)
{
    about_ = about;
    pending_ = text;
    choice_ = choice;
    pause_.start();
}

void Announcer::speak()
{
    QString& last = spoken_[about_];
    if (last == pending_ && !choice_)
        return;
    last = pending_;
    sayNow(choice_ && !choice_->isEmpty() ? *choice_ + u", "_s + pending_ : pending_);
}

void Announcer::sayNow(const QString& text)
{
    setAccessibleName(text);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    emit spoken(text);
}
