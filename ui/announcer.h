#pragma once

#include <QString>
#include <QWidget>

// Where the window's spoken messages come from: an object a screen reader sees as a
// notification, shown anew with each message as its name. It has no size and draws nothing, so
// the picture never shows it.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    // Has the screen reader speak the message, also when it repeats the last one.
    void Say(const QString& message);
    // The message said last, empty before the first.
    const QString& Last() const { return last_; }

signals:
    // Every message, as it is said.
    void Said(const QString& message);

private:
    QString last_;
};
