#include "announcer.h"

#include <QAccessible>
#include <QAccessibleEvent>

Announcer::Announcer(QWidget* parent)
    : QWidget(parent)
{
    setGeometry(0, 0, 0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Announcer::Say(const QString& message)
{
    last_ = message;
    setAccessibleName(message);
    emit Said(message);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(this, message);
    QAccessible::updateAccessibility(&announcement);
#else
    // Before Qt 6.8 there is no announcement event; screen readers speak a notification when it
    // is shown, so each message shows it again.
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}
