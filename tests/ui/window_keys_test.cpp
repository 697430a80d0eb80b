#include "offscreen_window.h"
#include "ui/Unit1.h"
#include "ui/announcer.h"
#include "ui/cell_area.h"
#include "ui/cell_pixels.h"
#include "ui/game_state.h"
#include "ui/keyboard_play.h"
#include "ui/move_input.h"
#include "ui/record_keeping.h"

#include "rules/usi_move.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The real window played by keys, every announcement written down.
class WindowKeys : public OffscreenWindow {
protected:
    void SetUp() override
    {
        OffscreenWindow::SetUp();
        QObject::connect(form.Speaker, &Announcer::Said,
            [this](const QString& text) { said.push_back(text.toStdString()); });
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        form.Board->setFocus(Qt::OtherFocusReason);
    }

    void Key(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(widget, Qt::Key(key), modifiers);
    }
    // Arrows from the board's cursor to cell (x, y), then Space.
    void SpaceOn(int x, int y)
    {
        while (form.Board->Cursor() != QPoint(x, y)) {
            const QPoint at = form.Board->Cursor();
            Key(form.Board,
                at.x() < x       ? Qt::Key_Right
                    : at.x() > x ? Qt::Key_Left
                    : at.y() < y ? Qt::Key_Down
                                 : Qt::Key_Up);
        }
        Key(form.Board, Qt::Key_Space);
    }
    // Plays on from the SFEN with a person to move and the computer on the other side.
    void PlayFrom(const char* sfen)
    {
        ASSERT_TRUE(form.Session.Open(sfen));
        QTest::mousePress(form.Label1, Qt::LeftButton);
        ASSERT_TRUE(Game.GameRunning);
    }
    void TypeMove(const QString& text)
    {
        QTest::keyClicks(form.Board, text.left(1));
        ASSERT_TRUE(form.Keys->MoveField()->isVisible()) << "typing on the board opens the field";
        QTest::keyClicks(form.Keys->MoveField(), text.mid(1));
        Key(form.Keys->MoveField(), Qt::Key_Return);
    }
    static bool HasColour(const QImage& image, QRgb colour)
    {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xffffff) == (colour & 0xffffff))
                    return true;
        return false;
    }
    QImage Window() { return form.grab().toImage(); }

    std::vector<std::string> said;
};

const QString Start = "kgsbr/p4/5/4P/RBSGK b - 1";

} // namespace

TEST_F(WindowKeys, TabReachesTheHandsAndLabelsAndSpacePressesPlay)
{
    const std::vector<QWidget*> order
        = { form.SenteHand, form.GoteHand, form.Label1, form.Label2, form.Label3, form.Label4 };
    for (QWidget* next : order) {
        Key(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next);
    }
    for (int i = 0; i < 3; ++i)
        Key(QApplication::focusWidget(), Qt::Key_Backtab);
    ASSERT_EQ(QApplication::focusWidget(), form.Label1);
    Key(form.Label1, Qt::Key_Space);
    EXPECT_TRUE(Game.GameRunning);
    EXPECT_EQ(form.Label1->text(), "Stop");
    ASSERT_FALSE(said.empty());
    EXPECT_EQ(said.back(), "Sente to move; Velmora's rules, level 1, against the classic computer");
}

// A pick and a move by keys leave exactly the picture and the record the mouse leaves, and
// Escape takes a pick back to the picture before it.
TEST_F(WindowKeys, PickAndMoveByKeysDrawAndRecordWhatTheMouseDoes)
{
    QTest::mousePress(form.Label1, Qt::LeftButton);
    const QImage before = form.Image1->Picture();
    SpaceOn(5, 5); // the king on 1e
    const QImage keysPick = form.Image1->Picture();
    EXPECT_TRUE(PickInForce());
    Key(form.Board, Qt::Key_Escape);
    EXPECT_FALSE(PickInForce());
    EXPECT_EQ(form.Image1->Picture(), before) << "Escape leaves no frame";
    SpaceOn(5, 5);
    SpaceOn(4, 4); // 1e2d, before the computer's tick
    const QImage keysMove = form.Image1->Picture();
    const GameRecord keysRecord = Record;

    QTest::mousePress(form.Label1, Qt::LeftButton); // "Stop"
    QTest::mousePress(form.Label1, Qt::LeftButton); // "Play"
    const QPoint king(CellPixelX[5][5] + 8, CellPixelY[5][5] + 8);
    const QPoint to(CellPixelX[4][4] + 8, CellPixelY[4][4] + 8);
    QTest::mouseClick(form.Image1, Qt::LeftButton, {}, king);
    EXPECT_EQ(form.Image1->Picture(), keysPick);
    QTest::mouseClick(form.Image1, Qt::LeftButton, {}, to);
    EXPECT_EQ(form.Image1->Picture(), keysMove);
    EXPECT_EQ(Record, keysRecord);
    EXPECT_EQ(WriteUsiMove(Record.moves.at(0).move), "1e2d");
}

// A piece in hand is picked in the hand, its kind chosen by the arrows, and dropped from the
// board's cursor; the opponent's hand picks nothing.
TEST_F(WindowKeys, ADropIsPickedInTheHandAndMadeOnTheBoard)
{
    PlayFrom("k4/5/5/5/4K b SPg 1");
    Key(form.Board, Qt::Key_Tab);
    Key(form.SenteHand, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), form.GoteHand);
    Key(form.GoteHand, Qt::Key_Space);
    EXPECT_EQ(said.back(), "Not your hand");
    Key(form.GoteHand, Qt::Key_Backtab);
    ASSERT_EQ(QApplication::focusWidget(), form.SenteHand);
    EXPECT_EQ(form.SenteHand->Cursor(), QPoint(Silver, HandRow(Sente))) << "the first kind held";
    Key(form.SenteHand, Qt::Key_Right);
    EXPECT_EQ(form.SenteHand->Cursor(), QPoint(Pawn, HandRow(Sente)));
    Key(form.SenteHand, Qt::Key_Space);
    EXPECT_TRUE(PickInForce());
    Key(form.SenteHand, Qt::Key_Backtab);
    ASSERT_EQ(QApplication::focusWidget(), form.Board);
    SpaceOn(3, 3);
    ASSERT_EQ(Record.moves.size(), 1u);
    EXPECT_EQ(WriteUsiMove(Record.moves[0].move), "P*3c");
    EXPECT_EQ(said.back(), "Sente pawn dropped on 3c");
}

// Escape instead of an answer drops the question and the pick with it.
TEST_F(WindowKeys, YPromotesAndNDeclinesWherePromotingIsTheChoice)
{
    const struct {
        Qt::Key answer;
        const char* played; // none for no move
    } cases[] = { { Qt::Key_Y, "3b3a+" }, { Qt::Key_N, "3b3a" }, { Qt::Key_Escape, "" } };
    for (const auto& c : cases) {
        PlayFrom("k4/2S2/5/5/4K b - 1"); // the silver on 3b may promote on 3a
        SpaceOn(3, 2);
        SpaceOn(3, 1);
        EXPECT_EQ(said.back(), "Promote? Y or N");
        EXPECT_TRUE(Record.moves.empty()) << "nothing played before the answer";
        Key(form.Board, c.answer);
        EXPECT_EQ(Record.moves.empty() ? "" : WriteUsiMove(Record.moves[0].move), c.played);
        EXPECT_FALSE(PickInForce());
        QTest::mousePress(form.Label1, Qt::LeftButton); // "Stop"
    }
}

TEST_F(WindowKeys, ATypedMoveIsPlayedAndARefusedOneIsSaidWithNothingPlayed)
{
    QTest::mousePress(form.Label1, Qt::LeftButton);
    TypeMove("1e1d"); // the own pawn stands there
    EXPECT_TRUE(Record.moves.empty());
    ASSERT_FALSE(said.empty());
    EXPECT_NE(said.back().find("1d"), std::string::npos) << said.back();
    EXPECT_TRUE(form.Keys->MoveField()->isVisible()) << "the field stays for another try";
    Key(form.Keys->MoveField(), Qt::Key_Escape);
    EXPECT_FALSE(form.Keys->MoveField()->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), form.Board);
    TypeMove("K-2d");
    ASSERT_EQ(Record.moves.size(), 1u);
    EXPECT_EQ(WriteUsiMove(Record.moves[0].move), "1e2d");
    EXPECT_EQ(said.back(), "Sente king 1e to 2d");
    EXPECT_EQ(form.Board->Cursor(), QPoint(4, 4)) << "the cursor follows the typed move";
}

// The designed picture has no blue and the cursor no red: a mouse player never sees the cursor,
// a player at the keyboard sees it once a key is used on the board.
TEST_F(WindowKeys, TheCursorIsDrawnInBlueOnlyOnceTheKeyboardIsUsed)
{
    QTest::mousePress(form.Label1, Qt::LeftButton);
    const QImage designed = Window();
    EXPECT_FALSE(HasColour(designed, qRgb(0, 0, 255)));
    Key(form.Board, Qt::Key_Right);
    const QImage cursor = Window();
    EXPECT_TRUE(HasColour(cursor, qRgb(0, 0, 255)));
    EXPECT_FALSE(HasColour(cursor, qRgb(255, 0, 0)));
}

TEST_F(WindowKeys, ScreenReadersSeeATableOfSquaresListsOfHandsAndButtons)
{
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(form.Board);
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->role(), QAccessible::Table);
    EXPECT_EQ(board->childCount(), 25);
    ASSERT_NE(board->tableInterface(), nullptr);
    const struct {
        int row, column;
        const char* name;
    } squares[] = { { 0, 0, "5a, Gote king" }, { 2, 2, "3c, empty" }, { 4, 4, "1e, Sente king" } };
    for (const auto& square : squares) {
        QAccessibleInterface* cell = board->tableInterface()->cellAt(square.row, square.column);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->role(), QAccessible::Cell);
        EXPECT_EQ(cell->text(QAccessible::Name).toStdString(), square.name);
    }

    PlayFrom("k4/5/5/5/4K b SP 1");
    QAccessibleInterface* hand = QAccessible::queryAccessibleInterface(form.SenteHand);
    EXPECT_EQ(hand->role(), QAccessible::List);
    EXPECT_EQ(hand->text(QAccessible::Name).toStdString(), "Sente's hand: silver, pawn");
    ASSERT_EQ(hand->childCount(), 2);
    EXPECT_EQ(hand->child(0)->role(), QAccessible::ListItem);

    QAccessibleInterface* label = QAccessible::queryAccessibleInterface(form.Label4);
    EXPECT_EQ(label->role(), QAccessible::Button);
    QTest::mousePress(form.Label1, Qt::LeftButton); // "Stop": the level changes only when idle
    label->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(form.Label4->text(), "lv2");
    EXPECT_EQ(label->text(QAccessible::Name), "lv2");
}

TEST_F(WindowKeys, ReadingKeysSayThePosition)
{
    PlayFrom("k4/5/2g2/5/4K b P 1");
    form.Board->SetCursor(QPoint(3, 3)); // 3c, the gold
    const struct {
        const char* keys;
        const char* words;
    } readings[] = {
        { "Alt+L", "No move yet" },
        { "Alt+T", "Sente to move" },
        { "Alt+H", "Sente's hand: pawn" },
        { "Alt+C", "3c, Gote gold" },
        { "Alt+G", "Gote golds: 3c" },
        { "Alt+K", "Sente kings: 1e" },
        { "Ctrl+Shift+R", "Sente kings: 1e" },
    };
    for (const auto& reading : readings) {
        QTest::keySequence(form.Board, QKeySequence(reading.keys));
        ASSERT_FALSE(said.empty()) << reading.keys;
        EXPECT_NE(said.back().find(reading.words), std::string::npos)
            << reading.keys << " said: " << said.back();
    }
}

// A record opened, the positions stepped to, the end of a game and "Stop" are said; a move in
// the notation chosen.
TEST_F(WindowKeys, OpeningSteppingStoppingAndTheNotationAreSaid)
{
    QGuiApplication::clipboard()->setText("position startpos moves 4e3d 5b5c 3d4c");
    QTest::keySequence(&form, QKeySequence::Paste);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !said.empty(); }));
    EXPECT_EQ(said.back(), "Record opened, move 3 of 3: Sente bishop 3d to 4c");
    QTest::keyClick(form.Board, Qt::Key_Left); // the arrows step through a record
    ASSERT_TRUE(QTest::qWaitFor([this] { return said.back().starts_with("move 2"); }));
    EXPECT_EQ(said.back(), "move 2 of 3: Gote pawn 5b to 5c");

    form.SetSpokenNotation(Notation::Usi);
    EXPECT_TRUE(form.NotationActions[2]->isChecked());
    QTest::mousePress(form.Label1, Qt::LeftButton); // plays on from move 2
    SpaceOn(3, 4); // the bishop on 3d
    SpaceOn(4, 3); // to 2c
    EXPECT_EQ(said.back(), "3d2c");
    QTest::keySequence(form.Board, QKeySequence("Alt+L"));
    EXPECT_EQ(said.back(), "3d2c") << "the last move, read again";
    QTest::mousePress(form.Label1, Qt::LeftButton); // "Stop"
    EXPECT_EQ(said.back(), "The game was stopped");
}

TEST_F(WindowKeys, ATakeBackIsSaid)
{
    QTest::mousePress(form.Label1, Qt::LeftButton);
    SpaceOn(5, 5);
    SpaceOn(4, 4); // 1e2d
    ASSERT_TRUE(QTest::qWaitFor([] { return Record.moves.size() == 2; })) << "no reply";
    QTest::keySequence(form.Board, QKeySequence::Undo);
    EXPECT_EQ(said.back(), "Taken back to the start");
}
