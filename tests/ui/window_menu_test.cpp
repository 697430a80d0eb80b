#include "offscreen_window.h"
#include "record/kif.h"
#include "ui/Unit1.h"
#include "ui/cell_pixels.h"
#include "ui/game_state.h"
#include "ui/record_keeping.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QPainter>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// The real window on the offscreen platform after one move of a person against the computer.
class WindowAdditions : public OffscreenWindow {
protected:
    void SetUp() override
    {
        OffscreenWindow::SetUp();
        QTest::mousePress(form.Label1, Qt::LeftButton); // "Play"
        ClickCell(5, 5); // the king on 1e
        ClickCell(4, 4); // 1e2d
        ASSERT_TRUE(QTest::qWaitFor([] { return Game.SideToMove == Sente; })) << "no reply";
    }

    void ClickCell(int x, int y, int zoom = 1)
    {
        const QPoint middle((CellPixelX[x][y] + 8) * zoom, (CellPixelY[x][y] + 8) * zoom);
        QTest::mouseClick(form.Image1, Qt::LeftButton, {}, middle);
    }
};

std::string Utf8(const QString& text) { return text.toStdString(); }

} // namespace

TEST_F(WindowAdditions, ContextMenuOnTheSurfaceListsTheActionsWithTheirShortcuts)
{
    std::vector<std::string> entries;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions())
            if (!action->isSeparator())
                entries.push_back(Utf8(action->text() + " " + action->shortcut().toString()));
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), form.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&form, &event);
    EXPECT_EQ(entries,
        (std::vector<std::string> { "Copy the game as KIF Ctrl+C",
            "Copy the position as SFEN Ctrl+Shift+C", "Save the game... Ctrl+S",
            "Open a game... Ctrl+O", "Paste a game or position Ctrl+V", "Take back Ctrl+Z",
            "Hint Ctrl+H", "Back one move Left", "Forward one move Right", "To the start Home",
            "To the end End", "Analyse game Ctrl+Shift+A", "Best line: next move Ctrl+Right",
            "Best line: back Ctrl+Left", "Review game Ctrl+R", "Read aloud ", "Speech notation ",
            "Rules ", "Computer ", "Thinking time ", "Zoom in Ctrl++", "Zoom out Ctrl+-",
            "Actual size Ctrl+0", "Keys and menus… F1", "About Velmora " }));
    form.AboutAction->trigger();
    ASSERT_EQ(messages.size(), 1u) << "About Velmora shows the credit";
}

TEST_F(WindowAdditions, CopiesTheGameAsKifAndThePositionAsSfen)
{
    form.CopyKifAction->trigger();
    EXPECT_EQ(Utf8(QGuiApplication::clipboard()->text()), WriteKif(Record));
    form.CopySfenAction->trigger();
    EXPECT_EQ(Utf8(QGuiApplication::clipboard()->text()),
        Record.CurrentSfen() + "\n" + Record.UsiPosition() + "\n");
    EXPECT_EQ(Record.moves.size(), 2u) << "the move and the computer's reply";
}

TEST_F(WindowAdditions, SavesKifInUtf8OrShiftJisAndSaysWhenAWriteFails)
{
    QTemporaryDir folder;
    QString name;
    form.AskSaveName = [&] { return name; };
    const std::string kif = WriteKif(Record);

    name = folder.filePath("game.kifu");
    form.SaveAction->trigger();
    QFile utf8(name);
    ASSERT_TRUE(utf8.open(QIODevice::ReadOnly));
    EXPECT_EQ(utf8.readAll().toStdString(), kif);

    name = folder.filePath("game.kif");
    form.SaveAction->trigger();
    QFile shiftJis(name);
    ASSERT_TRUE(shiftJis.open(QIODevice::ReadOnly));
    const QByteArray bytes = shiftJis.readAll();
    EXPECT_NE(bytes.toStdString(), kif) << "not UTF-8";
    QStringDecoder decode("Shift_JIS");
    EXPECT_EQ(Utf8(decode(bytes)), kif);
    EXPECT_TRUE(messages.empty());

    name = folder.filePath("no such folder/game.kifu");
    form.SaveAction->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].starts_with("Could not save")) << messages[0];
    EXPECT_EQ(WriteKif(Record), kif) << "the record stays";
}

TEST_F(WindowAdditions, TakeBackUndoesTheMoveAndTheReply)
{
    const auto key = [&](const char* sequence) {
        QTest::keySequence(&form, QKeySequence(QString::fromLatin1(sequence)));
    };
    key("Ctrl+Z");
    EXPECT_TRUE(Record.moves.empty());
    EXPECT_EQ(Game.SideToMove, Sente);
    key("Ctrl+Z");
    EXPECT_TRUE(Record.moves.empty()) << "nothing more to take back";
}

// Every component, the font and the window grow by the same whole factor, the picture with
// every pixel a k x k block; presses are mapped back to picture pixels by flooring.
TEST_F(WindowAdditions, ZoomScalesEverythingByOneWholeFactor)
{
    const QImage zoom1 = form.Image1->grab().toImage();
    for (int zoom : { 2, 3 }) {
        form.SetZoom(zoom);
        ASSERT_EQ(form.Zoom(), zoom);
        EXPECT_EQ(form.size(), QSize(193, 112) * zoom);
        EXPECT_EQ(form.Image1->geometry(), QRect(8 * zoom, 8 * zoom, 176 * zoom, 96 * zoom));
        EXPECT_EQ(form.Label4->geometry(), QRect(16 * zoom, 82 * zoom, 32 * zoom, 12 * zoom));
        EXPECT_EQ(form.Label1->font().pixelSize(), 12 * zoom);
        EXPECT_EQ(form.Image1->grab().toImage().convertToFormat(QImage::Format_RGB32),
            zoom1.scaled(zoom1.size() * zoom).convertToFormat(QImage::Format_RGB32))
            << "zoom " << zoom;
    }
    ClickCell(4, 4, 3); // the king on 2d
    EXPECT_EQ(Game.SelectedCell.x, 4);
    EXPECT_EQ(Game.SelectedCell.y, 4);
    QTest::mouseClick(form.Image1, Qt::LeftButton, {}, QPoint(96 * 3 + 2, 64 * 3)); // grid line
    QTest::mouseClick(form.Image1, Qt::LeftButton, {}, QPoint(5 * 3, 5 * 3)); // the margin
    EXPECT_EQ(Game.SelectedCell.x, 4) << "a line or the margin picks nothing";
    form.SetZoom(0);
    EXPECT_EQ(form.Zoom(), 1);
    EXPECT_EQ(form.size(), QSize(193, 112));
    form.SetZoom(1000);
    EXPECT_EQ(form.Zoom(), form.MaxZoom()) << "no larger than the screen";
}

// Each caption, drawn centred in its label as the label draws it but without clipping, keeps
// its ink inside the label at every zoom and on a screen of twice the density.
TEST_F(WindowAdditions, CaptionsFitTheirLabelsAtEveryZoom)
{
    for (int zoom : { 1, 2, 3 }) {
        form.SetZoom(zoom);
        const QRect label = form.Label1->contentsRect();
        for (int density : { 1, 2 })
            for (const char* caption :
                { "Play", "Stop", "You", "Com", "Lv1", "lv1", "lv2", "lv3" }) {
                const int margin = label.height();
                QImage ink((label.size() + QSize(0, 2 * margin)) * density, QImage::Format_RGB32);
                ink.setDevicePixelRatio(density);
                ink.fill(Qt::white);
                QPainter painter(&ink);
                painter.setFont(form.Label1->font());
                painter.drawText(label.translated(0, margin), Qt::AlignCenter, caption);
                painter.end();
                for (int y = 0; y < ink.height(); ++y) {
                    const bool inside
                        = y >= margin * density && y < (margin + label.height()) * density;
                    for (int x = 0; x < ink.width() && !inside; ++x)
                        ASSERT_EQ(ink.pixel(x, y), qRgb(255, 255, 255))
                            << caption << " at zoom " << zoom << ", density " << density
                            << ": ink on device row " << y - margin * density;
                }
            }
    }
}
