#pragma once

#include <QDialog>

class QTableWidget;

// The keys and menu entries of the window in one table, which F1 and the menu open. It is a
// dialog of its own, not a modal box, so the list can stay open beside the game; a screen reader
// reads it cell by cell, with the column's heading.
class HelpDialog : public QDialog {
    Q_OBJECT

public:
    explicit HelpDialog(QWidget* parent);

    QTableWidget* Table() const { return table_; }

private:
    QTableWidget* table_;
};
