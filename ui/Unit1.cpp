#include "Unit1.h"

#include "assets.h"
#include "board_picture.h"
#include "computer_turn.h"
#include "game_control.h"
#include "game_record.h"
#include "kif.h"
#include "move_input.h"
#include "record_file.h"
#include "take_back.h"

#include "rules/pieces.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>

#include <algorithm>

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
    , AskSaveName([this] { return OpenSaveDialog(); })
    , CopyKifAction(AddAction("Copy the game as KIF", { QKeySequence::Copy }, &TForm1::CopyKif))
    , CopySfenAction(AddAction(
          "Copy the position as SFEN", { QKeySequence("Ctrl+Shift+C") }, &TForm1::CopySfen))
    , SaveAction(AddAction("Save the game...", { QKeySequence::Save }, &TForm1::SaveGame))
    , TakeBackAction(AddAction("Take back", { QKeySequence::Undo }, &TForm1::TakeBackMove))
    // Ctrl+= is Ctrl+plus without the shift on most keyboards.
    , ZoomInAction(
          AddAction("Zoom in", { QKeySequence::ZoomIn, QKeySequence("Ctrl+=") }, &TForm1::ZoomIn))
    , ZoomOutAction(AddAction("Zoom out", { QKeySequence::ZoomOut }, &TForm1::ZoomOut))
    , ActualSizeAction(AddAction("Actual size", { QKeySequence("Ctrl+0") }, &TForm1::ActualSize))
    , AboutAction(AddAction("About Velmora", {}, &TForm1::FormDblClick))
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
    designed_ = { { Image1, Image1->geometry() }, { Image2, Image2->geometry() },
        { Label1, Label1->geometry() }, { Label2, Label2->geometry() },
        { Label3, Label3->geometry() }, { Label4, Label4->geometry() } };
    // A right press on the picture or a label is game input; the menu belongs to the surface.
    for (QWidget* widget :
        std::initializer_list<QWidget*> { Image1, Label1, Label2, Label3, Label4 })
        widget->setContextMenuPolicy(Qt::PreventContextMenu);

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
    Centre();
}

void TForm1::Centre()
{
    // Qt leaves placement to the window system; move() places the frame, so centre the frame.
    const QRect area = screen()->availableGeometry();
    const QRect frame = frameGeometry();
    move(area.left() + (area.width() - frame.width()) / 2,
        area.top() + (area.height() - frame.height()) / 2);
}

int TForm1::MaxZoom() const
{
    const QSize area = screen()->availableGeometry().size();
    const QSize border = frameGeometry().size() - size();
    const int fit = std::min((area.width() - border.width()) / ClientSize.width(),
        (area.height() - border.height()) / ClientSize.height());
    return std::max(fit, 1);
}

void TForm1::SetZoom(int zoom)
{
    zoom_ = std::clamp(zoom, 1, MaxZoom());
    for (const DesignedGeometry& d : designed_)
        d.widget->setGeometry(QRect(d.geometry.topLeft() * zoom_, d.geometry.size() * zoom_));
    QFont scaled = font();
    scaled.setPixelSize(FontPixels * zoom_);
    setFont(scaled);
    setFixedSize(ClientSize * zoom_);
    if (isVisible())
        Centre();
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

void TForm1::contextMenuEvent(QContextMenuEvent* event)
{
    CopyKifAction->setEnabled(Record.started);
    CopySfenAction->setEnabled(Record.started);
    SaveAction->setEnabled(Record.started);
    TakeBackAction->setEnabled(MovesToTakeBack() > 0);
    ZoomInAction->setEnabled(zoom_ < MaxZoom());
    ZoomOutAction->setEnabled(zoom_ > 1);
    ActualSizeAction->setEnabled(zoom_ > 1);
    QMenu menu(this);
    menu.addActions({ CopyKifAction, CopySfenAction, SaveAction });
    menu.addSeparator();
    menu.addAction(TakeBackAction);
    menu.addSeparator();
    menu.addActions({ ZoomInAction, ZoomOutAction, ActualSizeAction });
    menu.addSeparator();
    menu.addAction(AboutAction);
    menu.exec(event->globalPos());
    // Shortcuts stay live whatever the menu showed; each handler checks for itself.
    for (QAction* action : actions())
        action->setEnabled(true);
}

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

QAction* TForm1::AddAction(
    const QString& text, const QList<QKeySequence>& keys, void (TForm1::*handler)())
{
    auto* action = new QAction(text, this);
    action->setShortcuts(keys);
    connect(action, &QAction::triggered, this, handler);
    addAction(action);
    return action;
}

void TForm1::CopyKif()
{
    if (Record.started)
        QGuiApplication::clipboard()->setText(QString::fromStdString(WriteKif(Record)));
}

void TForm1::CopySfen()
{
    if (Record.started)
        QGuiApplication::clipboard()->setText(
            QString::fromStdString(Record.CurrentSfen() + "\n" + Record.UsiPosition() + "\n"));
}

void TForm1::SaveGame()
{
    if (!Record.started)
        return;
    // The record is written as it stands now; it stays in memory whatever becomes of the file.
    const std::string kif = WriteKif(Record);
    const QString name = AskSaveName();
    if (name.isEmpty())
        return;
    const QString error = SaveKif(name, kif);
    if (!error.isEmpty())
        MessageBox(error);
}

QString TForm1::OpenSaveDialog()
{
    return QFileDialog::getSaveFileName(
        this, "Save the game", "velmora.kifu", "KIF, UTF-8 (*.kifu);;KIF, Shift_JIS (*.kif)");
}

void TForm1::TakeBackMove() { ::TakeBack(*this); }

void TForm1::ZoomIn() { SetZoom(zoom_ + 1); }

void TForm1::ZoomOut() { SetZoom(zoom_ - 1); }

void TForm1::ActualSize() { SetZoom(1); }

void TForm1::OpenMessageBox(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, windowTitle(), text, QMessageBox::Ok, this);
    box.exec();
}
