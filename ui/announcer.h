#pragma once

#include <QString>
#include <QWidget>

#include <vector>

// One message said: a notification to a screen reader, named by the message. It has no size and
// draws nothing.
class Notice : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;
};

// Where the window's spoken messages come from. Each message is shown to screen readers as a
// notification of its own, which keeps its words while the reader gets to it, even when the
// next message follows at once. Nothing of it is ever drawn.
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
    // Messages take the notices in turn; a notice is reused only after all the others.
    std::vector<Notice*> notices_;
    size_t next_ = 0;
};
