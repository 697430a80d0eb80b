#include "help_dialog.h"

#include "key_list.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

QTableWidget* NewKeyTable(QWidget* parent)
{
    const std::vector<KeyRow> rows = WindowKeys();
    auto* table = new QTableWidget(int(rows.size()), 3, parent);
    table->setHorizontalHeaderLabels({ "Keys", "Menu", "What it does" });
    table->setAccessibleName("Keys and menus");
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    for (int row = 0; const KeyRow& entry : rows) {
        table->setItem(row, 0, new QTableWidgetItem(Text(entry.keys)));
        table->setItem(row, 1, new QTableWidgetItem(Text(entry.menu)));
        table->setItem(row, 2, new QTableWidgetItem(Text(entry.action)));
        ++row;
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

} // namespace

HelpDialog::HelpDialog(QWidget* parent)
    : QDialog(parent)
    , table_(NewKeyTable(this))
{
    setWindowTitle("Velmora - keys and menus");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    resize(760, 520);
}
