#include "announcer.h"

#include <QAccessible>
#include <QAccessibleEvent>

namespace {

// More than a screen reader can fall behind by: a move, a check, the end and its messages.
constexpr int NoticeCount = 8;

} // namespace

Announcer::Announcer(QWidget* parent)
    : QWidget(parent)
{
    setGeometry(0, 0, 0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    for (int i = 0; i < NoticeCount; ++i) {
        auto* notice = new Notice(this);
        notice->setGeometry(0, 0, 0, 0);
        notices_.push_back(notice);
    }
}

void Announcer::Say(const QString& message)
{
    last_ = message;
    emit Said(message);
    Notice* notice = notices_[next_];
    next_ = (next_ + 1) % notices_.size();
    notice->setAccessibleName(message);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(notice, message);
    QAccessible::updateAccessibility(&announcement);
#else
    // Before Qt 6.8 there is no announcement event; screen readers speak a notification when it
    // is shown, so each message shows its notice anew.
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}
