#include "offscreen_window.h"
#include "ui/Unit1.h"
#include "ui/game_state.h"
#include "ui/record_keeping.h"

#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The real window on the offscreen platform with the strong computer chosen from its menu.
class WindowStrongComputer : public OffscreenWindow {
protected:
    void SetUp() override
    {
        OffscreenWindow::SetUp();
        ASSERT_TRUE(form.ClassicComputerAction->isChecked()) << "the designed computer by default";
        ASSERT_EQ(form.ThinkingTimeActions.size(), 3u);
        ASSERT_TRUE(form.ThinkingTimeActions[1]->isChecked()) << "3 s by default";
        form.StrongComputerAction->trigger();
    }
};

} // namespace

// While the strong computer thinks the window goes on answering (its event loop runs, a zoom
// takes effect), and "Stop" ends the game at once with no move on the board or in the record.
TEST_F(WindowStrongComputer, KeepsAnsweringWhileItThinksAndStopMakesNoMove)
{
    form.ThinkingTimeActions[2]->trigger(); // 10 s, far longer than the test waits
    const QImage start = form.Image1->Picture();
    QTest::mousePress(form.Label2, Qt::LeftButton); // the computer plays Sente
    QTest::mousePress(form.Label1, Qt::LeftButton); // "Play"
    ASSERT_TRUE(QTest::qWaitFor([this] { return form.Session.Thinking(); }));
    form.ZoomInAction->trigger();
    QTest::qWait(300);
    EXPECT_EQ(form.Zoom(), std::min(2, form.MaxZoom()));
    EXPECT_TRUE(form.Session.Thinking());
    form.ActualSizeAction->trigger();

    QElapsedTimer stop;
    stop.start();
    QTest::mousePress(form.Label1, Qt::LeftButton); // "Stop"
    RecordProperty("StopMicroseconds", int(stop.nsecsElapsed() / 1000));
    EXPECT_FALSE(Game.GameRunning);
    EXPECT_FALSE(form.Session.Thinking());
    EXPECT_EQ(form.Label1->text(), "Play");
    QTest::qWait(200);
    EXPECT_TRUE(Record.moves.empty());
    EXPECT_EQ(form.Image1->Picture(), start);
    EXPECT_TRUE(messages.empty());
}

// The strong computer, like the rules, is chosen while no game runs; the thinking time may
// change at any time.
TEST_F(WindowStrongComputer, KeepsTheComputerOfARunningGame)
{
    QTest::mousePress(form.Label1, Qt::LeftButton); // "Play", a person to move
    form.ClassicComputerAction->trigger();
    EXPECT_TRUE(form.StrongComputerAction->isChecked());
    EXPECT_EQ(form.Session.ChosenComputer(), Computer::Strong);
    form.ThinkingTimeActions[0]->trigger();
    EXPECT_EQ(form.Session.ThinkingTime(), 1000);
    QTest::mousePress(form.Label1, Qt::LeftButton); // "Stop"
    form.ClassicComputerAction->trigger();
    EXPECT_TRUE(form.ClassicComputerAction->isChecked());
    EXPECT_EQ(form.Session.ChosenComputer(), Computer::Classic);
}
