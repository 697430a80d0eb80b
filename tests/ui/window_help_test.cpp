#include "offscreen_window.h"
#include "ui/Unit1.h"
#include "ui/help_dialog.h"
#include "ui/key_list.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::string Utf8(const QString& text) { return text.toStdString(); }

// An action's shortcuts as the key list writes them.
std::string Keys(const QAction* action)
{
    QStringList keys;
    for (const QKeySequence& key : action->shortcuts())
        keys << key.toString();
    return Utf8(keys.join(", "));
}

// Every entry of a menu and its submenus, as "Submenu ▸ Entry" followed by its keys, in the
// menu's order.
void CollectEntries(const QMenu* menu, const QString& path, std::vector<std::string>& texts)
{
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        const QString name = path + action->text();
        if (action->menu()) {
            CollectEntries(action->menu(), name + " ▸ ", texts);
            continue;
        }
        texts.push_back(Utf8(name));
        texts.push_back(Keys(action));
    }
}

class KeysAndMenus : public OffscreenWindow {
protected:
    // The entries of the menu of a right press on the window's surface.
    std::vector<std::string> MenuEntries()
    {
        std::vector<std::string> texts;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            CollectEntries(menu, "", texts);
            menu->close();
        });
        QContextMenuEvent event(
            QContextMenuEvent::Mouse, QPoint(2, 2), form.mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(&form, &event);
        return texts;
    }
};

} // namespace

// The key list names every entry of the menu, submenus included, in the menu's order and with
// the keys the entry really has: a new entry or key without its row fails here.
TEST_F(KeysAndMenus, ListNamesEveryMenuEntryWithItsKeys)
{
    std::vector<std::string> listed;
    for (const KeyRow& entry : WindowKeys())
        if (!entry.menu.empty()) {
            listed.emplace_back(entry.menu);
            listed.emplace_back(entry.keys);
        }
    EXPECT_EQ(MenuEntries(), listed);
}

// Keys that have no menu entry are listed too.
TEST_F(KeysAndMenus, ListNamesEveryShortcutOfTheWindow)
{
    std::vector<std::string> listed;
    for (const KeyRow& entry : WindowKeys())
        listed.emplace_back(entry.keys);
    for (const QAction* action : form.actions()) {
        if (!action->shortcuts().isEmpty()) {
            EXPECT_NE(std::find(listed.begin(), listed.end(), Keys(action)), listed.end())
                << Utf8(action->text()) << " " << Keys(action);
        }
    }
}

// F1 opens the list as a table beside the game, one row an entry; F1 again raises the same one.
TEST_F(KeysAndMenus, F1ShowsTheListAsATable)
{
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_F1);
    ASSERT_NE(form.Help(), nullptr);
    EXPECT_TRUE(form.Help()->isVisible());
    EXPECT_FALSE(form.Help()->isModal()) << "the list may stay open while the game goes on";
    const QTableWidget* table = form.Help()->Table();
    const std::vector<KeyRow> rows = WindowKeys();
    ASSERT_EQ(table->rowCount(), int(rows.size()));
    ASSERT_EQ(table->columnCount(), 3);
    for (int row = 0; row < table->rowCount(); ++row) {
        EXPECT_EQ(Utf8(table->item(row, 0)->text()), rows[size_t(row)].keys);
        EXPECT_EQ(Utf8(table->item(row, 1)->text()), rows[size_t(row)].menu);
        EXPECT_EQ(Utf8(table->item(row, 2)->text()), rows[size_t(row)].action);
    }
    HelpDialog* first = form.Help();
    form.Help()->close();
    form.KeysAction->trigger();
    EXPECT_EQ(form.Help(), first);
    EXPECT_TRUE(first->isVisible());
}
