#include "offscreen_window.h"
#include "record/kif.h"
#include "ui/Unit1.h"
#include "ui/analysis_window.h"
#include "ui/board_picture.h"
#include "ui/cell_pixels.h"
#include "ui/game_state.h"
#include "ui/record_file.h"
#include "ui/record_keeping.h"

#include "rules/ply_snapshot.h"
#include "rules/sfen.h"
#include "rules/usi_move.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QProgressDialog>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>

namespace {

// The real window on the offscreen platform, with its message boxes and questions written down.
class WindowOpens : public OffscreenWindow {
protected:
    void SetUp() override
    {
        OffscreenWindow::SetUp();
        form.AskYesNo = [this](const QString&) { return answer; };
        // Shortcuts go to the active window.
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    void Key(const QKeySequence& keys) { QTest::keySequence(&form, keys); }

    // The picture of a position with the given cells framed, drawn apart from the window.
    QImage Expected(const std::string& sfen, const std::vector<std::pair<int, int>>& frames)
    {
        const PlySnapshot game(1);
        SfenHeader header;
        std::string error;
        EXPECT_TRUE(ReadSfen(sfen, header, error)) << sfen << ": " << error;
        QImage picture = NewPicture();
        DrawPosition(picture, form.Image2->Picture(), 1);
        for (const auto& [x, y] : frames)
            MarkCell(picture, x, y);
        game.Restore(1);
        return picture;
    }

    void WriteFile(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    bool answer = true;
};

// A KIF of three moves from Velmora's start, as another program might write it.
const char* const ThreeMoves = "手合割：5五将棋\n先手：Alice\n後手：Bob\n後手の持駒：なし\n"
                               "  ５ ４ ３ ２ １\n+---------------+\n|v玉v金v銀v角v飛|一\n"
                               "|v歩 ・ ・ ・ ・|二\n| ・ ・ ・ ・ ・|三\n| ・ ・ ・ ・ 歩|四\n"
                               "| 飛 角 銀 金 玉|五\n+---------------+\n先手の持駒：なし\n"
                               "手数----指手---------消費時間--\n   1 ３四角(45)\n"
                               "   2 ５三歩(52)\n   3 ５二角(34)\n";

} // namespace

// Ctrl+V opens the clipboard's KIF at its last position; the arrow keys, Home and End step
// through it, each picture the position with the move that led there framed in red.
TEST_F(WindowOpens, PastedKifStepsWithTheKeysShowingEachPosition)
{
    QGuiApplication::clipboard()->setText(QString::fromUtf8(ThreeMoves));
    Key(QKeySequence::Paste);
    ASSERT_TRUE(messages.empty()) << messages[0];
    struct Step {
        Qt::Key key;
        const char* sfen;
        std::vector<std::pair<int, int>> frames;
        const char* title;
    };
    const Step steps[] = {
        { Qt::Key_unknown, "kgsbr/B4/p4/4P/R1SGK w - 1", { { 3, 4 }, { 1, 2 } },
            "Velmora - move 3 of 3" },
        { Qt::Key_Home, "kgsbr/p4/5/4P/RBSGK b - 1", {}, "Velmora - start of 3 moves" },
        { Qt::Key_Right, "kgsbr/p4/5/2B1P/R1SGK w - 1", { { 2, 5 }, { 3, 4 } },
            "Velmora - move 1 of 3" },
        { Qt::Key_Right, "kgsbr/5/p4/2B1P/R1SGK b - 1", { { 1, 2 }, { 1, 3 } },
            "Velmora - move 2 of 3" },
        { Qt::Key_Left, "kgsbr/p4/5/2B1P/R1SGK w - 1", { { 2, 5 }, { 3, 4 } },
            "Velmora - move 1 of 3" },
        { Qt::Key_End, "kgsbr/B4/p4/4P/R1SGK w - 1", { { 3, 4 }, { 1, 2 } },
            "Velmora - move 3 of 3" },
    };
    for (const Step& step : steps) {
        if (step.key != Qt::Key_unknown)
            Key(QKeySequence(step.key));
        EXPECT_EQ(form.Image1->Picture(), Expected(step.sfen, step.frames)) << step.sfen;
        EXPECT_EQ(form.windowTitle().toStdString(), step.title);
    }
    EXPECT_EQ(Record.playerNames[SideIndex(Sente)], "Alice");
}

// "Play" from a position shown goes on from there: with the computer on the side to move, the
// timer wakes and the computer answers; with a person to move the timer sleeps.
TEST_F(WindowOpens, PlaysOnAndTheTimerRunsOnlyForTheComputer)
{
    EXPECT_FALSE(form.Timer1->isActive());
    QGuiApplication::clipboard()->setText("position startpos moves 1d1c 5b5c 1c1b");
    Key(QKeySequence::Paste);
    Key(QKeySequence(Qt::Key_Left));
    EXPECT_EQ(form.windowTitle(), "Velmora - move 2 of 3");
    QTest::mousePress(form.Label1, Qt::LeftButton); // Sente, a person, is to move
    EXPECT_EQ(form.windowTitle(), "Velmora");
    EXPECT_FALSE(form.Timer1->isActive());
    const QPoint from(CellPixelX[5][3] + 8, CellPixelY[5][3] + 8);
    const QPoint to(CellPixelX[5][2] + 8, CellPixelY[5][2] + 8);
    QTest::mouseClick(form.Image1, Qt::LeftButton, {}, from);
    QTest::mouseClick(form.Image1, Qt::LeftButton, {}, to); // 1c1b
    EXPECT_TRUE(form.Timer1->isActive()) << "the computer is to move";
    ASSERT_TRUE(QTest::qWaitFor([] { return Record.moves.size() == 4; })) << "no reply";
    EXPECT_FALSE(form.Timer1->isActive()) << "the person is to move";
    EXPECT_EQ(
        Record.UsiPosition(3), "position sfen kgsbr/p4/5/4P/RBSGK b - 1 moves 1d1c 5b5c 1c1b");
}

// A .kif in Shift_JIS and the same in UTF-8 open alike, whatever their names say; a file of
// neither, or far too large, is refused with its name.
TEST_F(WindowOpens, TellsTheEncodingFromTheBytes)
{
    QTemporaryDir folder;
    QStringEncoder encoder("Shift_JIS");
    ASSERT_TRUE(encoder.isValid());
    const QByteArray shiftJis = encoder(QString::fromUtf8(ThreeMoves));
    WriteFile(folder.filePath("sjis.kif"), shiftJis);
    WriteFile(folder.filePath("utf8.kif"), QByteArray(ThreeMoves));
    ASSERT_NE(shiftJis, QByteArray(ThreeMoves));

    form.OpenFile(folder.filePath("sjis.kif"));
    ASSERT_TRUE(messages.empty()) << messages[0];
    const GameRecord fromShiftJis = Record;
    form.OpenFile(folder.filePath("utf8.kif"));
    ASSERT_TRUE(messages.empty()) << messages[0];
    EXPECT_TRUE(Record == fromShiftJis);
    EXPECT_EQ(Record.playerNames[SideIndex(Gote)], "Bob");

    WriteFile(folder.filePath("junk.kif"), QByteArray("\x81\xff\x00\x80", 4));
    WriteFile(folder.filePath("huge.kif"), QByteArray(2 << 20, ' '));
    form.OpenFile(folder.filePath("junk.kif"));
    form.OpenFile(folder.filePath("huge.kif"));
    EXPECT_EQ(messages,
        (std::vector<std::string> { "Not opened: junk.kif is not text in UTF-8 or Shift_JIS",
            "Not opened: huge.kif is larger than 1 MB, far more than a game record" }));
    EXPECT_TRUE(Record == fromShiftJis);
}

// Dropping a file on the window opens it; while a game runs, only after a yes.
TEST_F(WindowOpens, DroppedFileOpensAfterAskingDuringAGame)
{
    QTemporaryDir folder;
    WriteFile(folder.filePath("game.kifu"), QByteArray("position startpos moves 1d1c"));
    QMimeData data;
    data.setUrls({ QUrl::fromLocalFile(folder.filePath("game.kifu")) });
    const auto drop = [&] {
        // Straight to the window's handler: the application would look for a drag in progress.
        QDropEvent event(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, {});
        static_cast<QObject&>(form).event(&event);
    };
    QTest::mousePress(form.Label1, Qt::LeftButton); // "Play"
    answer = false;
    drop();
    EXPECT_TRUE(Game.GameRunning);
    EXPECT_TRUE(Record.moves.empty());
    answer = true;
    drop();
    EXPECT_FALSE(Game.GameRunning);
    EXPECT_EQ(form.Label1->text(), "Play");
    EXPECT_EQ(Record.UsiPosition(), "position sfen kgsbr/p4/5/4P/RBSGK b - 1 moves 1d1c");
}

TEST_F(WindowOpens, RulesMenuSetsUpStandardMinishogi)
{
    form.StandardRulesAction->trigger();
    EXPECT_EQ(form.Image1->Picture(), Expected("rbsgk/4p/5/P4/KGSBR b - 1", {}));
    EXPECT_TRUE(form.StandardRulesAction->isChecked());
    form.VelmoraRulesAction->trigger();
    EXPECT_EQ(form.Image1->Picture(), Expected("kgsbr/p4/5/4P/RBSGK b - 1", {}));
    EXPECT_FALSE(form.StandardRulesAction->isChecked());
}

// "Analyse game" shows its progress; "Cancel" keeps nothing of it and leaves the game shown as
// it was. Run to its end, it opens the graph, whose click shows the position picked.
TEST_F(WindowOpens, AnalysisCancelsCleanlyAndItsGraphPicksAPosition)
{
    QGuiApplication::clipboard()->setText("position startpos moves 1d1c 5b5c 1c1b");
    Key(QKeySequence::Paste);
    const GameRecord record = Record;
    const QImage shown = form.Image1->Picture();

    form.AnalyseAction->trigger();
    auto* progress = form.findChild<QProgressDialog*>();
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(progress->isVisible());
    progress->cancel();
    EXPECT_FALSE(progress->isVisible());
    EXPECT_EQ(form.Analysis(), nullptr);
    EXPECT_EQ(form.Session.Analysis(), nullptr);
    EXPECT_EQ(Record, record);
    EXPECT_EQ(form.Image1->Picture(), shown);

    form.AnalyseAction->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.Analysis() != nullptr; }, 120'000));
    EXPECT_TRUE(form.Analysis()->isVisible());
    ASSERT_NE(form.Session.Analysis(), nullptr);
    EXPECT_EQ(form.Session.Analysis()->positions.size(), 4u);
    QTest::mouseClick(
        form.Analysis(), Qt::LeftButton, {}, QPoint(form.Analysis()->width() - 12, 100));
    EXPECT_EQ(form.windowTitle(), "Velmora - move 3 of 3");
    QTest::mouseClick(form.Analysis(), Qt::LeftButton, {}, QPoint(44, 100));
    EXPECT_EQ(form.windowTitle(), "Velmora - start of 3 moves");
    EXPECT_EQ(Record, record);
}

// The graph belongs to the game it analysed: another game opened, a game started (here played on
// from the record) or a change of rules closes it, where it would show the old game's
// evaluations and pick its positions.
TEST_F(WindowOpens, AnAnalysisGraphClosesWhenItsGameIsGone)
{
    const struct {
        const char* name;
        std::function<void(TForm1&)> leave;
    } ways[] = {
        { "another game pasted",
            [](TForm1& form) {
                QGuiApplication::clipboard()->setText("position startpos moves 1d1c 5b5c");
                form.PasteAction->trigger();
            } },
        { "a game played on",
            [](TForm1& form) { QTest::mousePress(form.Label1, Qt::LeftButton); } },
        { "other rules", [](TForm1& form) { form.StandardRulesAction->trigger(); } },
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        form.VelmoraRulesAction->trigger();
        QGuiApplication::clipboard()->setText("position startpos moves 1d1c");
        form.PasteAction->trigger();
        form.AnalyseAction->trigger();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return form.Analysis() != nullptr && form.Analysis()->isVisible(); }, 120'000));
        way.leave(form);
        EXPECT_FALSE(form.Analysis()->isVisible());
        if (Game.GameRunning)
            QTest::mousePress(form.Label1, Qt::LeftButton); // "Stop"
    }
}
