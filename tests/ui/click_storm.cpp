#include "ui/Unit1.h"
#include "ui/board_picture.h"
#include "ui/cell_pixels.h"
#include "ui/game_state.h"

#include "tests/support/ply_invariants.h"

#include "rules/check.h"
#include "rules/make_move.h"
#include "rules/moves.h"
#include "rules/setup.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

// A click storm on the real window: random presses, releases and double clicks of every
// button over the picture, the labels, the grid lines and the margins, delivered through the
// window system as a person's would be, with the real message boxes closed as they open.
// After every single mouse event and every wait for the timer the game must be sound: ply 1
// passes the invariants, the picture is DrawPosition of ply 1 plus red frames, and the
// position changed only by one move of a person whose turn it was in a running game, one
// legal move of the computer on its turn, or a fresh set-up while no game ran.
// Usage: click_storm <events> [seed]

namespace {

using Board = int8_t[BoardSize + 1][GridRows + 1];

Board LevelStarts[MaxLevel + 1];
std::mt19937 Random;
long EventNumber = 0;

struct Figures {
    long running = 0, idle = 0, againstComputer = 0, twoPlayer = 0;
    long personMoves = 0, computerMoves = 0, setUps = 0, messageBoxes = 0, blockedClicks = 0;
    long menus = 0;
} Count;

[[noreturn]] void Fail(const std::string& what)
{
    std::printf("FAULT at event %ld: %s\n  ply 1: %s, %s to move, game %s\n", EventNumber,
        what.c_str(), DescribePly(1).c_str(), Game.SideToMove == Sente ? "Sente" : "Gote",
        Game.GameRunning ? "running" : "stopped");
    std::exit(1);
}

int RandomBelow(int n) { return std::uniform_int_distribution<int>(0, n - 1)(Random); }

// What the game looked like before an event.
struct Before {
    Board board;
    int side = Game.SideToMove;
    bool running = Game.GameRunning;
    bool computerToMove = Game.ComputerToMove();
    long messageBoxes = Count.messageBoxes;
    long menus = Count.menus;
    int8_t targets[BoardSize + 1][BoardSize + 1];
    Before()
    {
        std::memcpy(board, Position[1], sizeof board);
        std::memcpy(targets, TargetMap[1], sizeof targets);
    }
};

bool SameBoard(const Board& a, const Board& b) { return std::memcmp(a, b, sizeof(Board)) == 0; }

// Whether ply 1 is one move of side s away from board; legal also asks that the mover's own
// king is then safe. Works in plies 7 and 8, which nothing else uses between events.
bool OneMoveAway(const Board& board, int s, bool legal)
{
    std::memcpy(Position[7], board, sizeof(Board));
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            if (board[x][y] == King || board[x][y] == -King) {
                KingX[7][SideIndex(board[x][y] / King)] = int8_t(x);
                KingY[7][SideIndex(board[x][y] / King)] = int8_t(y);
            }
    bool found = false;
    ForEachMove(7, s, [&](const Move& m) {
        CopyPly(7);
        MakeMove(8, m.fromX, m.fromY, m.toX, m.toY, m.promote);
        found = found || (SameBoard(Position[8], Position[1]) && !(legal && IsKingAttacked(8, s)));
    });
    return found;
}

KindCounts LevelCounts()
{
    std::memcpy(Position[7], LevelStarts[Game.Level], sizeof(Board));
    return CountKinds(7);
}

bool OnFrameOfSomeCell(int px, int py)
{
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= GridRows; ++y) {
            const int left = CellPixelX[x][y], top = CellPixelY[x][y];
            const bool inX = px >= left && px <= left + CellSize;
            const bool inY = py >= top && py <= top + CellSize;
            if ((inX && (py == top || py == top + CellSize))
                || (inY && (px == left || px == left + CellSize)))
                return true;
        }
    return false;
}

std::string FindPictureFault(TForm1& form)
{
    QImage expected = NewPicture();
    DrawPosition(expected, form.Image2->Picture(), 1);
    const QImage& shown = form.Image1->Picture();
    for (int y = 0; y < PictureHeight; ++y)
        for (int x = 0; x < PictureWidth; ++x) {
            const QRgb got = shown.pixel(x, y) & 0xffffff, want = expected.pixel(x, y) & 0xffffff;
            if (got != want && !(got == 0xff0000 && OnFrameOfSomeCell(x, y)))
                return "picture pixel (" + std::to_string(x) + "," + std::to_string(y)
                    + ") is not what DrawPosition of ply 1 draws, nor a red frame";
        }
    return {};
}

void CheckGame(TForm1& form)
{
    const std::string fault = FindPlyFault(1, LevelCounts());
    if (!fault.empty())
        Fail(fault);
    if (Game.SideToMove != Sente && Game.SideToMove != Gote)
        Fail("SideToMove is " + std::to_string(Game.SideToMove));
    if (Game.ComputerPlays[SideIndex(Sente)] && Game.ComputerPlays[SideIndex(Gote)])
        Fail("the computer plays both sides");
    if (Game.ComputerBusy)
        Fail("ComputerBusy is left set between events");
    const std::string picture = FindPictureFault(form);
    if (!picture.empty())
        Fail(picture);
}

enum class Cause { Press, Release, Timer };

// Outside a person's turn nothing may be picked: the destinations of ply 1 stay as they were,
// or are emptied by a new game.
void CheckNoPick(const Before& before)
{
    if (before.running && !before.computerToMove)
        return;
    const bool same = std::memcmp(before.targets, TargetMap[1], sizeof before.targets) == 0;
    const bool empty = std::memcmp(TargetMap[0], TargetMap[1], sizeof before.targets) == 0;
    if (!same && !empty)
        Fail(std::string("a piece was picked ")
            + (before.running ? "on the computer's turn" : "while no game ran"));
}

// How the position may have changed through an event of this cause. A message box opened by
// the event runs the timer inside it, so the computer may take its turn there too.
void CheckChange(const Before& before, Cause cause)
{
    if (cause != Cause::Timer)
        CheckNoPick(before);
    if (SameBoard(before.board, Position[1]))
        return;
    // The context menu runs the timer inside it like a message box.
    const bool boxOpened = Count.messageBoxes != before.messageBoxes || Count.menus != before.menus;
    if (cause == Cause::Press && !before.running
        && SameBoard(LevelStarts[Game.Level], Position[1])) {
        ++Count.setUps;
        return;
    }
    if (cause == Cause::Press && before.running && !before.computerToMove
        && OneMoveAway(before.board, before.side, false)) {
        ++Count.personMoves;
        return;
    }
    if ((cause == Cause::Timer || boxOpened) && before.running && before.computerToMove
        && OneMoveAway(before.board, before.side, true)) {
        ++Count.computerMoves;
        return;
    }
    Fail(std::string("the position changed on a ")
        + (cause == Cause::Press          ? "press"
                : cause == Cause::Release ? "release"
                                          : "timer tick")
        + (before.running ? (before.computerToMove ? " on the computer's turn" : "")
                          : " while stopped"));
}

// A mouse that remembers its buttons and time, delivering each event synchronously.
class Mouse {
public:
    explicit Mouse(QWindow* window)
        : window_(window)
    {
    }
    void Send(QEvent::Type type, Qt::MouseButton button, QPoint at, int advance)
    {
        time_ += advance;
        buttons_.setFlag(button, type != QEvent::MouseButtonRelease);
        qt_handleMouseEvent(
            window_, at, window_->mapToGlobal(at), buttons_, button, type, Qt::NoModifier, time_);
    }

private:
    QWindow* window_;
    Qt::MouseButtons buttons_;
    int time_ = 0;
};

QPoint InCell(const TForm1& form, int x, int y)
{
    return form.Image1->pos()
        + QPoint(CellPixelX[x][y] + 1 + RandomBelow(15), CellPixelY[x][y] + 1 + RandomBelow(15));
}

// A cell a person would aim at: an own piece, on the board or in hand, or a destination of the
// current pick. Any cell when there is none.
QPoint AimedPoint(const TForm1& form)
{
    std::vector<QPoint> cells;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= GridRows; ++y) {
            const bool own = y <= BoardSize
                ? Position[1][x][y] * Game.SideToMove > 0
                : y == HandRow(Game.SideToMove) && Position[1][x][y] > 0;
            if (own || (y <= BoardSize && TargetMap[1][x][y] > 0))
                cells.push_back(InCell(form, x, y));
        }
    return cells.empty() ? InCell(form, 1 + RandomBelow(BoardSize), 1 + RandomBelow(GridRows))
                         : cells[RandomBelow(int(cells.size()))];
}

// Anywhere a person might click: aimed cells, any cell (board and hands), grid lines, labels,
// margins, and a few pixels beyond the window's edge.
QPoint RandomPoint(const TForm1& form)
{
    const int kind = RandomBelow(20);
    if (kind < 8)
        return AimedPoint(form);
    if (kind < 12)
        return InCell(form, 1 + RandomBelow(BoardSize), 1 + RandomBelow(GridRows));
    if (kind < 15) {
        const int x = 1 + RandomBelow(BoardSize), y = 1 + RandomBelow(GridRows);
        return form.Image1->pos()
            + (RandomBelow(2) ? QPoint(CellPixelX[x][y], CellPixelY[x][y] + RandomBelow(17))
                              : QPoint(CellPixelX[x][y] + RandomBelow(17), CellPixelY[x][y]));
    }
    if (kind < 17) {
        // "Stop" seldom, so that games get going; "Play" often, so that idle spells end.
        const QLabel* labels[] = { form.Label1, form.Label2, form.Label3, form.Label4 };
        const bool playStop = RandomBelow(Game.GameRunning ? 16 : 2) == 0;
        const QRect area = labels[playStop ? 0 : 1 + RandomBelow(3)]->geometry();
        return area.topLeft() + QPoint(RandomBelow(area.width()), RandomBelow(area.height()));
    }
    return QPoint(RandomBelow(form.width() + 8) - 4, RandomBelow(form.height() + 8) - 4);
}

Qt::MouseButton RandomButton()
{
    const Qt::MouseButton buttons[] = { Qt::LeftButton, Qt::LeftButton, Qt::LeftButton,
        Qt::RightButton, Qt::MiddleButton, Qt::BackButton };
    return buttons[RandomBelow(6)];
}

void Tally()
{
    ++(Game.GameRunning ? Count.running : Count.idle);
    ++(Game.ComputerPlays[SideIndex(Sente)] || Game.ComputerPlays[SideIndex(Gote)]
            ? Count.againstComputer
            : Count.twoPlayer);
}

// One random press, release or double click, checked after each of its events.
void StormEvent(TForm1& form, Mouse& mouse)
{
    const QPoint at = RandomPoint(form);
    const Qt::MouseButton button = RandomButton();
    const int kind = RandomBelow(20);
    auto send = [&](QEvent::Type type, int advance) {
        Tally();
        const Before before;
        mouse.Send(type, button, at, advance);
        CheckChange(before, type == QEvent::MouseButtonRelease ? Cause::Release : Cause::Press);
        CheckGame(form);
    };
    if (kind == 0) { // a double click: the second press comes within the double-click time
        send(QEvent::MouseButtonPress, 1000);
        send(QEvent::MouseButtonRelease, 10);
        send(QEvent::MouseButtonPress, 10);
        send(QEvent::MouseButtonRelease, 10);
    } else {
        send(kind < 10 ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease, 1000);
    }
}

// Lets the timer run, as a person who waits; the computer may take its turn.
void Wait(TForm1& form, int ms)
{
    const Before before;
    if (ms > 0)
        QTest::qWait(ms);
    else
        QCoreApplication::processEvents();
    CheckChange(before, Cause::Timer);
    CheckGame(form);
}

// The end of a game is announced after it has stopped, and the winner after "まで" or
// "まいりました"; only the credit opens during a game.
void CheckMessage(const QString& text)
{
    static QString previous;
    const bool credit = text.startsWith("Velmora");
    if (!credit && Game.GameRunning)
        Fail("message '" + text.toStdString() + "' while the game runs");
    if (text.endsWith("の勝ち") && previous != "まで" && previous != "まいりました")
        Fail("winner message '" + text.toStdString() + "' after '" + previous.toStdString() + "'");
    previous = text;
}

// Closes each message box a few timer ticks after it opens, clicking at the blocked window
// now and then meanwhile.
void CloseMessageBoxes(TForm1& form, Mouse& mouse)
{
    static int ticksOpen = 0;
    // A right press on the window's surface opens its context menu; it is closed unused.
    if (QWidget* menu = QApplication::activePopupWidget()) {
        ++Count.menus;
        menu->close();
        return;
    }
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) {
        ticksOpen = 0;
        return;
    }
    if (ticksOpen == 0) {
        ++Count.messageBoxes;
        CheckMessage(box->text());
    }
    if (RandomBelow(2)) {
        ++Count.blockedClicks;
        const QPoint at = RandomPoint(form);
        mouse.Send(QEvent::MouseButtonPress, Qt::LeftButton, at, 1000);
        mouse.Send(QEvent::MouseButtonRelease, Qt::LeftButton, at, 10);
    }
    if (++ticksOpen > RandomBelow(4))
        box->done(QMessageBox::Ok);
}

} // namespace

// The offscreen platform warns about every message box it cannot size and every menu that
// cannot grab the keyboard; the storm opens many.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (!text.contains("propagateSizeHints") && !text.contains("grabbing the keyboard"))
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietMessages);
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <events> [seed]\n", argv[0]);
        return 2;
    }
    const long events = std::atol(argv[1]);
    Random.seed(argc > 2 ? unsigned(std::atol(argv[2])) : 1u);
    for (int level = MinLevel; level <= MaxLevel; ++level) {
        SetUpPosition(level);
        std::memcpy(LevelStarts[level], Position[1], sizeof(Board));
    }

    TForm1 form;
    Form1 = &form;
    form.show();
    Mouse mouse(form.windowHandle());
    Mouse boxMouse(form.windowHandle());
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] { CloseMessageBoxes(form, boxMouse); });
    closer.start(5);

    CheckGame(form);
    for (EventNumber = 1; EventNumber <= events; ++EventNumber) {
        StormEvent(form, mouse);
        const bool computerWaits = Game.GameRunning && Game.ComputerToMove();
        Wait(form, computerWaits && RandomBelow(10) == 0 ? 60 : RandomBelow(50) == 0 ? 20 : 0);
    }
    std::printf("%ld events, no fault: %ld while a game ran, %ld idle; %ld against the computer, "
                "%ld two-player\n",
        events, Count.running, Count.idle, Count.againstComputer, Count.twoPlayer);
    std::printf("%ld moves by persons, %ld by the computer, %ld set-ups, %ld message boxes closed "
                "(%ld clicks at the window while one was open), %ld context menus closed\n",
        Count.personMoves, Count.computerMoves, Count.setUps, Count.messageBoxes,
        Count.blockedClicks, Count.menus);
    return 0;
}
