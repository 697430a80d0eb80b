#include "help_dialog.h"

#include "key_list.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <iterator>

namespace {

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QTableWidget* NewKeyTable(QWidget* parent)
{
    auto* table = new QTableWidget(int(std::size(KeyList)), 3, parent);
    table->setHorizontalHeaderLabels({ "Keys", "Menu", "What it does" });
    table->setAccessibleName("Keys and menus");
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    for (int row = 0; const KeyEntry& entry : KeyList) {
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
