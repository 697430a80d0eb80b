#include "offscreen_window.h"
#include "ui/Unit1.h"
#include "ui/cell_pixels.h"
#include "ui/game_state.h"

#include "rules/sfen.h"

#include <QFontInfo>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The real window, shown on the offscreen platform, with its message boxes written down.
class Window : public OffscreenWindow {
protected:
    QPoint CellMiddle(int x, int y) const
    {
        return QPoint(CellPixelX[x][y] + 8, CellPixelY[x][y] + 8);
    }

    void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(form.Image1, button, {}, at);
    }
    void Release(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseRelease(form.Image1, button, {}, at);
    }
    void Click(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        Press(at, button);
        Release(at, button);
    }

    std::string Ply1Sfen() const { return WriteSfen(1, SfenHeader { Game.SideToMove, 1 }); }
    QRgb PictureAt(int x, int y) const { return form.Image1->Picture().pixel(x, y) & 0xffffff; }
};

} // namespace

TEST_F(Window, HasTheDesignedLayout)
{
    EXPECT_EQ(form.windowTitle(), "Velmora");
    EXPECT_EQ(form.size(), QSize(193, 112));
    EXPECT_EQ(form.minimumSize(), form.maximumSize()) << "not resizable";
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(form.windowIcon().availableSizes().isEmpty());
    EXPECT_EQ(form.Image1->geometry(), QRect(8, 8, 176, 96));
    EXPECT_FALSE(form.Image2->isVisible());
    EXPECT_EQ(form.Image2->Picture().size(), QSize(176, 32));
    const struct {
        QLabel* label;
        QRect geometry;
        const char* caption;
    } labels[] = {
        { form.Label1, QRect(144, 18, 32, 12), "Play" },
        { form.Label2, QRect(144, 33, 32, 12), "You" },
        { form.Label3, QRect(16, 67, 32, 12), "Com" },
        { form.Label4, QRect(16, 82, 32, 12), "Lv1" },
    };
    for (const auto& l : labels) {
        EXPECT_EQ(l.label->geometry(), l.geometry) << l.caption;
        EXPECT_EQ(l.label->text(), l.caption);
        EXPECT_EQ(l.label->alignment(), Qt::AlignCenter) << l.caption;
    }
    EXPECT_EQ(form.font().pixelSize(), 12);
    EXPECT_EQ(QFontInfo(form.Label1->font()).family(), "IPAPGothic");
    EXPECT_EQ(form.Timer1->interval(), 50);
    EXPECT_FALSE(form.Timer1->isActive()) << "no computer to move, nothing to wake for";
    EXPECT_EQ(PictureAt(0, 0), qRgb(0, 102, 0) & 0xffffff) << "the start position is drawn";
}

TEST_F(Window, LabelsReactToTheirOwnKindOfEvent)
{
    QTest::mousePress(form.Label3, Qt::LeftButton);
    EXPECT_EQ(form.Label3->text(), "Com") << "the top side's label waits for the release";
    QTest::mouseRelease(form.Label3, Qt::LeftButton);
    EXPECT_EQ(form.Label3->text(), "You");
    QTest::mouseClick(form.Label3, Qt::RightButton);
    EXPECT_EQ(form.Label3->text(), "You") << "and reacts to the left button only";

    QTest::mousePress(form.Label2, Qt::RightButton);
    EXPECT_EQ(form.Label2->text(), "Com") << "the others react to a press of any button";
    QTest::mousePress(form.Label4, Qt::MiddleButton);
    EXPECT_EQ(form.Label4->text(), "lv2");
    QTest::mousePress(form.Label1, Qt::LeftButton);
    EXPECT_EQ(form.Label1->text(), "Stop");
}

TEST_F(Window, ADoubleClickOnTheFormShowsTheCreditButNotOnThePictureOrALabel)
{
    QTest::mouseDClick(form.Image1, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseDClick(form.Label4, Qt::LeftButton);
    EXPECT_TRUE(messages.empty());
    QTest::mouseDClick(&form, Qt::LeftButton, {}, QPoint(2, 2));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].find('\n'), std::string::npos) << "one line";
}

// Two persons play with the mouse: a bishop runs out, captures with promotion by the right
// button, is taken back, and Sente drops the bishop it won.
TEST_F(Window, PlaysAShortGameWithTheMouse)
{
    QTest::mouseClick(form.Label3, Qt::LeftButton); // a person plays the top side
    QTest::mousePress(form.Label1, Qt::LeftButton);

    Click(CellMiddle(2, 5)); // pick Sente's bishop
    EXPECT_EQ(PictureAt(48 + 16, 72), qRgb(255, 0, 0) & 0xffffff) << "the pick is framed";
    Click(CellMiddle(5, 2)); // 4e1b
    EXPECT_EQ(Ply1Sfen(), "kgsbr/p3B/5/4P/R1SGK w - 1");

    Click(CellMiddle(1, 2));
    Click(CellMiddle(1, 3)); // 5b5c
    Click(CellMiddle(5, 2));
    Click(CellMiddle(4, 1), Qt::RightButton); // 1b2a+, promoting
    EXPECT_EQ(Ply1Sfen(), "kgs+Br/5/p4/4P/R1SGK w B 1");

    Click(CellMiddle(5, 1));
    Click(CellMiddle(4, 1)); // 1a2a
    EXPECT_EQ(Ply1Sfen(), "kgsr1/5/p4/4P/R1SGK b Bb 1");

    Press(CellMiddle(Bishop, 6)); // pick the bishop in hand
    Release(CellMiddle(Bishop, 6));
    Click(QPoint(64, 40)); // a grid line: nothing happens
    EXPECT_EQ(Ply1Sfen(), "kgsr1/5/p4/4P/R1SGK b Bb 1");
    Click(CellMiddle(3, 3)); // B*3c
    EXPECT_EQ(Ply1Sfen(), "kgsr1/5/p1B2/4P/R1SGK w b 1");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(form.Label1->text(), "Stop");
}
