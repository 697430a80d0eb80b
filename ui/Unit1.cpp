#include "Unit1.h"

#include "assets.h"
#include "board_picture.h"
#include "computer_turn.h"
#include "game_control.h"
#include "move_input.h"

#include "rules/pieces.h"

#include <QMessageBox>
#include <QScreen>

TForm1* Form1 = nullptr;

namespace {

constexpr QSize ClientSize(193, 112);
constexpr int TimerInterval = 50; // ms
constexpr int FontPixels = 12;
const QString FontName = QStringLiteral("ＭＳ Ｐゴシック");
// The designed font is seldom installed; IPAPGothic (fonts-ipafont-gothic) is a free proportional
// Gothic of the same kind.
const QString SubstituteFont = QStringLiteral("IPAPGothic");

} // namespace

TForm1::TForm1(QWidget* parent)
    : QWidget(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , Image1(new PictureBox(this))
    , Image2(new PictureBox(this))
    // Made after the picture, the labels lie above it and take the mouse input over it.
    , Label1(new ControlLabel("Play", QRect(144, 18, 32, 12), this))
    , Label2(new ControlLabel("You", QRect(144, 33, 32, 12), this))
    , Label3(new ControlLabel("Com", QRect(16, 67, 32, 12), this))
    , Label4(new ControlLabel("Lv1", QRect(16, 82, 32, 12), this))
    , Timer1(new QTimer(this))
    , MessageBox([this](const QString& text) { OpenMessageBox(text); })
{
    setWindowTitle("Velmora");
    setWindowIcon(LoadWindowIcon());
    setFixedSize(ClientSize);
    QFont::insertSubstitution(FontName, SubstituteFont);
    QFont font(FontName);
    font.setPixelSize(FontPixels);
    setFont(font);

    Image1->setGeometry(8, 8, PictureWidth, PictureHeight);
    Image1->SetPicture(NewPicture());
    Image2->setGeometry(48, 112, 185, 41);
    Image2->SetPicture(LoadGlyphSheet());
    Image2->hide();

    connect(Image1, &PictureBox::MouseDown, this, &TForm1::Image1MouseDown);
    connect(Image1, &PictureBox::MouseUp, this, &TForm1::Image1MouseUp);
    connect(Label1, &ControlLabel::MouseDown, this, &TForm1::Label1MouseDown);
    connect(Label2, &ControlLabel::MouseDown, this, &TForm1::Label2MouseDown);
    connect(Label3, &ControlLabel::Click, this, &TForm1::Label3Click);
    connect(Label4, &ControlLabel::MouseDown, this, &TForm1::Label4MouseDown);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    Timer1->start(TimerInterval);

    FormCreate();
}

void TForm1::ShowCentred()
{
    show();
    // Qt leaves placement to the window system; move() places the frame, so centre the frame.
    const QRect area = screen()->availableGeometry();
    const QRect frame = frameGeometry();
    move(area.left() + (area.width() - frame.width()) / 2,
        area.top() + (area.height() - frame.height()) / 2);
}

void TForm1::DrawPosition(int p) { ::DrawPosition(Image1->Canvas(), Image2->Picture(), p); }

void TForm1::MarkCell(int x, int y) { ::MarkCell(Image1->Canvas(), x, y); }

void TForm1::ShowMessage(std::string_view text)
{
    MessageBox(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void TForm1::SetCaption(GameLabel label, std::string_view caption)
{
    QLabel* const labels[] = { Label1, Label2, Label3, Label4 };
    labels[static_cast<int>(label) - 1]->setText(
        QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
}

void TForm1::mouseDoubleClickEvent(QMouseEvent*) { FormDblClick(); }

void TForm1::FormCreate() { StartUp(*this); }

void TForm1::FormDblClick()
{
    ShowMessage("Velmora: minishogi on a 5 x 5 board. Piece glyphs from GNU Unifont.");
}

void TForm1::Image1MouseDown(Qt::MouseButton button, int X, int Y)
{
    switch (button) {
    case Qt::LeftButton:
        PressOnPicture(*this, X, Y, MouseButton::Left);
        break;
    case Qt::RightButton:
        PressOnPicture(*this, X, Y, MouseButton::Right);
        break;
    case Qt::MiddleButton:
        PressOnPicture(*this, X, Y, MouseButton::Middle);
        break;
    default:
        break; // extra buttons have no meaning on the board
    }
}

void TForm1::Image1MouseUp(Qt::MouseButton, int X, int Y) { ReleaseOnPicture(*this, X, Y); }

void TForm1::Label1MouseDown() { PlayOrStop(*this); }

void TForm1::Label2MouseDown() { TogglePlayer(*this, Sente); }

void TForm1::Label3Click() { TogglePlayer(*this, Gote); }

void TForm1::Label4MouseDown() { CycleLevel(*this); }

void TForm1::Timer1Timer() { TimerTick(*this); }

void TForm1::OpenMessageBox(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, windowTitle(), text, QMessageBox::Ok, this);
    box.exec();
}
