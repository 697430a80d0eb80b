#include "Unit1.h"

#include "analysis_window.h"
#include "announcer.h"
#include "assets.h"
#include "board_accessible.h"
#include "board_picture.h"
#include "cell_area.h"
#include "game_speech.h"
#include "help_dialog.h"
#include "record_file.h"
#include "review_window.h"

#include "record/kif.h"
#include "record/record_reader.h"
#include "rules/pieces.h"

#include <QActionGroup>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressDialog>
#include <QScreen>

#include <algorithm>
#include <optional>
#include <utility>

TForm1* Form1 = nullptr;

namespace {

constexpr QSize ClientSize(193, 112);
constexpr int TimerInterval = 50; // ms
constexpr int FontPixels = 12;
constexpr int AnalysisPollInterval = 100; // ms
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
    , AskOpenName([this] { return OpenOpenDialog(); })
    , AskYesNo([this](const QString& text) { return OpenQuestionBox(text); })
    , Session(*this)
    , CopyKifAction(AddAction("Copy the game as KIF", { QKeySequence::Copy }, &TForm1::CopyKif))
    , CopySfenAction(AddAction(
          "Copy the position as SFEN", { QKeySequence("Ctrl+Shift+C") }, &TForm1::CopySfen))
    , SaveAction(AddAction("Save the game...", { QKeySequence::Save }, &TForm1::SaveGame))
    , OpenAction(AddAction("Open a game...", { QKeySequence::Open }, &TForm1::OpenGame))
    , PasteAction(
          AddAction("Paste a game or position", { QKeySequence::Paste }, &TForm1::PasteGame))
    , TakeBackAction(AddAction("Take back", { QKeySequence::Undo }, &TForm1::TakeBackMove))
    , HintAction(AddAction("Hint", { QKeySequence("Ctrl+H") }, &TForm1::GiveHint))
    , BackAction(AddAction("Back one move", { QKeySequence(Qt::Key_Left) }, &TForm1::StepBack))
    , ForwardAction(
          AddAction("Forward one move", { QKeySequence(Qt::Key_Right) }, &TForm1::StepForward))
    , StartAction(AddAction("To the start", { QKeySequence(Qt::Key_Home) }, &TForm1::ToStart))
    , EndAction(AddAction("To the end", { QKeySequence(Qt::Key_End) }, &TForm1::ToEnd))
    , AnalyseAction(
          AddAction("Analyse game", { QKeySequence("Ctrl+Shift+A") }, &TForm1::AnalyseGame))
    , BestLineForwardAction(AddAction(
          "Best line: next move", { QKeySequence("Ctrl+Right") }, &TForm1::BestLineForward))
    , BestLineBackAction(
          AddAction("Best line: back", { QKeySequence("Ctrl+Left") }, &TForm1::BestLineBack))
    , ReviewAction(AddAction("Review game", { QKeySequence("Ctrl+R") }, &TForm1::OpenReview))
    , VelmoraRulesAction(AddRulesAction("Velmora", VelmoraRules))
    , StandardRulesAction(AddRulesAction("Standard minishogi", StandardRules))
    , ClassicComputerAction(AddComputerAction("Classic", Computer::Classic))
    , ComputerLevelActions(AddComputerLevelActions())
    , StrongComputerAction(ComputerLevelActions[FullStrength])
    , ThinkingTimeActions(AddThinkingTimeActions())
    // Ctrl+= is Ctrl+plus without the shift on most keyboards.
    , ZoomInAction(
          AddAction("Zoom in", { QKeySequence::ZoomIn, QKeySequence("Ctrl+=") }, &TForm1::ZoomIn))
    , ZoomOutAction(AddAction("Zoom out", { QKeySequence::ZoomOut }, &TForm1::ZoomOut))
    , ActualSizeAction(AddAction("Actual size", { QKeySequence("Ctrl+0") }, &TForm1::ActualSize))
    , KeysAction(AddAction("Keys and menus…", { QKeySequence(Qt::Key_F1) }, &TForm1::ShowKeys))
    , AboutAction(AddAction("About Velmora", {}, &TForm1::FormDblClick))
    , analyser_(std::make_unique<GameAnalyser>())
    , analysisPoll_(new QTimer(this))
{
    LayOutDesignedForm();
    ConnectDesignedEvents();
    GroupMenuChoices();
    setAcceptDrops(true);
    SetUpKeyboardAndSpeech();
    SetUpHints();

    FormCreate();
}

void TForm1::LayOutDesignedForm()
{
    InstallBoardAccessibility();
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
}

void TForm1::ConnectDesignedEvents()
{
    connect(Image1, &PictureBox::MouseDown, this, &TForm1::Image1MouseDown);
    connect(Image1, &PictureBox::MouseUp, this, &TForm1::Image1MouseUp);
    connect(Label1, &ControlLabel::MouseDown, this, &TForm1::Label1MouseDown);
    connect(Label2, &ControlLabel::MouseDown, this, &TForm1::Label2MouseDown);
    connect(Label3, &ControlLabel::Click, this, &TForm1::Label3Click);
    connect(Label4, &ControlLabel::MouseDown, this, &TForm1::Label4MouseDown);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    analysisPoll_->setInterval(AnalysisPollInterval);
    connect(analysisPoll_, &QTimer::timeout, this, &TForm1::PollAnalysis);
    // The timer runs only while the computer is to move, on the ticks of one started now.
    Timer1->setInterval(TimerInterval);
    clock_.start();
}

// The rules and the computers are each one choice of several, checked in the menu.
void TForm1::GroupMenuChoices()
{
    VelmoraRulesAction->setChecked(true);
    auto* rules = new QActionGroup(this);
    rules->addAction(VelmoraRulesAction);
    rules->addAction(StandardRulesAction);
    ClassicComputerAction->setChecked(true);
    auto* computers = new QActionGroup(this);
    computers->addAction(ClassicComputerAction);
    for (QAction* level : ComputerLevelActions)
        computers->addAction(level);
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
    RememberSettings();
}

void TForm1::DrawPosition(int p)
{
    ::DrawPosition(Image1->Canvas(), Image2->Picture(), p);
    for (CellArea* area : { Board, SenteHand, GoteHand })
        area->PositionChanged();
    ClearStaleHint();
}

void TForm1::MarkCell(int x, int y) { ::MarkCell(Image1->Canvas(), x, y); }

void TForm1::ShowMessage(std::string_view text)
{
    Speech->MessageShown(text);
    MessageBox(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void TForm1::SetCaption(GameLabel label, std::string_view caption)
{
    QLabel* const labels[] = { Label1, Label2, Label3, Label4 };
    labels[static_cast<int>(label) - 1]->setText(
        QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
    if (label == GameLabel::PlayStop && caption == "Stop")
        Speech->GameStarted();
}

bool TForm1::Confirm(std::string_view question)
{
    return AskYesNo(QString::fromUtf8(question.data(), static_cast<qsizetype>(question.size())));
}

void TForm1::SetTitle(std::string_view title)
{
    title_ = QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size()));
    setWindowTitle(title_);
}

void TForm1::mouseDoubleClickEvent(QMouseEvent*) { FormDblClick(); }

void TForm1::contextMenuEvent(QContextMenuEvent* event)
{
    const bool recorded = Session.Record().started;
    CopyKifAction->setEnabled(recorded);
    CopySfenAction->setEnabled(recorded);
    SaveAction->setEnabled(recorded);
    TakeBackAction->setEnabled(Session.CanTakeBack());
    HintAction->setEnabled(HintCoach::Available());
    for (QAction* step :
        { BackAction, ForwardAction, StartAction, EndAction, AnalyseAction, ReviewAction })
        step->setEnabled(Session.CanReplay());
    BestLineForwardAction->setEnabled(Session.CanStepBestLine());
    BestLineBackAction->setEnabled(Session.CanStepBestLine() && Session.LineShown() > 0);
    const bool idle = !Session.State().GameRunning;
    VelmoraRulesAction->setEnabled(idle);
    StandardRulesAction->setEnabled(idle);
    ClassicComputerAction->setEnabled(idle);
    for (QAction* level : ComputerLevelActions)
        level->setEnabled(idle);
    ZoomInAction->setEnabled(zoom_ < MaxZoom());
    ZoomOutAction->setEnabled(zoom_ > 1);
    ActualSizeAction->setEnabled(zoom_ > 1);
    QMenu menu(this);
    menu.addActions({ CopyKifAction, CopySfenAction, SaveAction });
    menu.addActions({ OpenAction, PasteAction });
    menu.addSeparator();
    menu.addActions({ TakeBackAction, HintAction });
    menu.addSeparator();
    menu.addActions({ BackAction, ForwardAction, StartAction, EndAction });
    menu.addSeparator();
    menu.addActions({ AnalyseAction, BestLineForwardAction, BestLineBackAction, ReviewAction });
    menu.addSeparator();
    // Before the settings, so that the menu's end keeps its places for those who count from it.
    AddSpeechMenus(menu);
    menu.addSeparator();
    QMenu* rules = menu.addMenu("Rules");
    rules->addActions({ VelmoraRulesAction, StandardRulesAction });
    QMenu* computers = menu.addMenu("Computer");
    computers->addAction(ClassicComputerAction);
    computers->addActions({ ComputerLevelActions.begin(), ComputerLevelActions.end() });
    menu.addMenu("Thinking time")
        ->addActions({ ThinkingTimeActions.begin(), ThinkingTimeActions.end() });
    menu.addSeparator();
    menu.addActions({ ZoomInAction, ZoomOutAction, ActualSizeAction });
    menu.addSeparator();
    menu.addActions({ KeysAction, AboutAction });
    menu.exec(event->globalPos());
    // Shortcuts stay live whatever the menu showed; each handler checks for itself.
    for (QAction* action : actions())
        action->setEnabled(true);
}

void TForm1::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls() || event->mimeData()->hasText())
        event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event)
{
    const QMimeData* data = event->mimeData();
    if (data->hasUrls() && data->urls().first().isLocalFile())
        OpenFile(data->urls().first().toLocalFile());
    else if (data->hasText())
        OpenText(data->text());
    event->acceptProposedAction();
}

void TForm1::FormCreate() { Session.StartUp(); }

void TForm1::FormDblClick()
{
    ShowMessage("Velmora: minishogi on a 5 x 5 board. Piece glyphs from GNU Unifont.");
}

void TForm1::Image1MouseDown(Qt::MouseButton button, int X, int Y)
{
    switch (button) {
    case Qt::LeftButton:
        Session.Press(X, Y, MouseButton::Left);
        break;
    case Qt::RightButton:
        Session.Press(X, Y, MouseButton::Right);
        break;
    case Qt::MiddleButton:
        Session.Press(X, Y, MouseButton::Middle);
        break;
    default:
        break; // extra buttons have no meaning on the board
    }
    StartOrStopTimer();
}

void TForm1::Image1MouseUp(Qt::MouseButton, int X, int Y) { Session.Release(X, Y); }

void TForm1::Label1MouseDown()
{
    EndPractice();
    Session.PlayOrStop();
    CloseStaleAnalysis();
    StartOrStopTimer();
}

void TForm1::Label2MouseDown() { Session.TogglePlayer(Sente); }

void TForm1::Label3Click() { Session.TogglePlayer(Gote); }

void TForm1::Label4MouseDown() { Session.CycleLevel(); }

void TForm1::Timer1Timer()
{
    // The first tick after a start waits for the phase; the ones after it are a whole interval.
    Timer1->setInterval(TimerInterval);
    if (Session.ComputerIsToMove())
        Speech->ComputerToMove();
    Session.Tick();
    StartOrStopTimer();
}

void TForm1::StartOrStopTimer()
{
    if (!Session.ComputerIsToMove())
        Timer1->stop();
    else if (!Timer1->isActive())
        Timer1->start(int(TimerInterval - clock_.elapsed() % TimerInterval));
}

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
    if (Session.Record().started)
        QGuiApplication::clipboard()->setText(QString::fromStdString(Session.Kif()));
}

void TForm1::CopySfen()
{
    if (Session.Record().started)
        QGuiApplication::clipboard()->setText(
            QString::fromStdString(Session.ShownSfen() + "\n" + Session.ShownUsiPosition() + "\n"));
}

void TForm1::SaveGame()
{
    if (!Session.Record().started)
        return;
    // The record is written as it stands now; it stays in memory whatever becomes of the file.
    const std::string kif = Session.Kif();
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

QString TForm1::OpenOpenDialog()
{
    return QFileDialog::getOpenFileName(this, "Open a game", {},
        "Games and positions (*.kif *.kifu *.sfen *.usi *.txt);;All files (*)");
}

void TForm1::TakeBackMove()
{
    EndPractice();
    if (Session.TakeBack())
        Speech->TakenBack();
    StartOrStopTimer();
}

void TForm1::OpenGame()
{
    const QString name = AskOpenName();
    if (!name.isEmpty())
        OpenFile(name);
}

void TForm1::OpenFile(const QString& path)
{
    EndPractice();
    QString error;
    const std::optional<std::string> text = ReadRecordFile(path, MaxRecordBytes, error);
    if (!text) {
        MessageBox("Not opened: " + error);
    } else {
        Speech->RecordOpening();
        Session.Open(*text);
    }
    CloseStaleAnalysis();
    StartOrStopTimer();
}

void TForm1::PasteGame()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data && data->hasUrls() && data->urls().first().isLocalFile())
        OpenFile(data->urls().first().toLocalFile());
    else
        OpenText(QGuiApplication::clipboard()->text());
}

void TForm1::OpenText(const QString& text)
{
    EndPractice();
    Speech->RecordOpening();
    Session.Open(text.toStdString());
    CloseStaleAnalysis();
    StartOrStopTimer();
}

void TForm1::StepBack() { Session.StepBack(); }

void TForm1::StepForward() { Session.StepForward(); }

void TForm1::ToStart() { Session.ToStart(); }

void TForm1::ToEnd() { Session.ToEnd(); }

QAction* TForm1::AddRulesAction(const QString& text, const RuleSet& rules)
{
    auto* action = new QAction(text, this);
    action->setCheckable(true);
    connect(action, &QAction::triggered, this, [this, rules = &rules, action] {
        Session.ChangeRules(*rules);
        CloseStaleAnalysis();
        // While a game runs the rules stay; the menu shows the ones in force.
        action->setChecked(Session.State().Rules == rules);
        (rules == &VelmoraRules ? StandardRulesAction : VelmoraRulesAction)
            ->setChecked(Session.State().Rules != rules);
        RememberSettings();
    });
    return action;
}

void TForm1::AnalyseGame()
{
    if (!Session.CanReplay() || analyser_->Running())
        return;
    analyser_->Start(Session.Record(), *Session.State().Rules);
    const int total = int(analyser_->PositionsTotal());
    progress_ = new QProgressDialog("Analysing the game...", "Cancel", 0, total, this);
    progress_->setWindowTitle("Velmora");
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setMinimumDuration(0);
    progress_->setAutoReset(false);
    progress_->setAttribute(Qt::WA_DeleteOnClose);
    connect(progress_, &QProgressDialog::canceled, this, &TForm1::CancelAnalysis);
    progress_->show();
    analysisPoll_->start();
}

void TForm1::PollAnalysis()
{
    if (!progress_)
        return;
    progress_->setValue(int(analyser_->PositionsDone()));
    if (!analyser_->Done())
        return;
    analysisPoll_->stop();
    Session.SetAnalysis(analyser_->Take());
    CloseProgress();
    ShowAnalysis();
    if (std::exchange(reviewWanted_, false))
        ShowReview();
}

void TForm1::CancelAnalysis()
{
    analysisPoll_->stop();
    analyser_->Cancel();
    reviewWanted_ = false;
    CloseProgress();
}

void TForm1::CloseProgress()
{
    if (QProgressDialog* dialog = std::exchange(progress_, nullptr)) {
        dialog->disconnect(this); // closing the box is no cancel once the analysis is over
        dialog->close();
    }
}

void TForm1::ShowAnalysis()
{
    if (!analysisWindow_) {
        analysisWindow_ = new AnalysisWindow(this);
        connect(analysisWindow_, &AnalysisWindow::PositionPicked, this, [this](size_t n) {
            // The graph may have outlived its record: a new game or record drops the analysis.
            if (Session.Analysis() && Session.CanReplay())
                Session.ShowMove(n);
        });
    }
    analysisWindow_->SetAnalysis(*Session.Analysis());
    analysisWindow_->show();
    analysisWindow_->raise();
}

void TForm1::CloseStaleAnalysis()
{
    const bool stale = !Session.Analysis() || Session.State().GameRunning;
    if (analysisWindow_ && stale)
        analysisWindow_->close();
    if (reviewWindow_ && stale)
        reviewWindow_->close();
}

void TForm1::OpenReview()
{
    EndPractice();
    if (!Session.CanReplay())
        return;
    if (Session.Analysis()) {
        ShowReview();
    } else if (!analyser_->Running()) {
        reviewWanted_ = true;
        AnalyseGame();
    }
}

void TForm1::ShowReview()
{
    if (!reviewWindow_) {
        reviewWindow_ = new ReviewWindow(this, *this);
        connect(reviewWindow_, &ReviewWindow::PositionPicked, this, [this](size_t n) {
            if (Session.Analysis() && Session.CanReplay())
                Session.ShowMove(n);
        });
        connect(reviewWindow_, &ReviewWindow::BestLineForward, this, &TForm1::BestLineForward);
        connect(reviewWindow_, &ReviewWindow::BestLineBack, this, &TForm1::BestLineBack);
        connect(reviewWindow_, &ReviewWindow::PracticeTitle, this, &QWidget::setWindowTitle);
        connect(reviewWindow_, &ReviewWindow::PracticeStarted, this,
            [this] { practicePicture_ = Image1->Picture().copy(); });
        connect(reviewWindow_, &ReviewWindow::PracticeEnded, this, &TForm1::RestoreAfterPractice);
        connect(reviewWindow_, &ReviewWindow::Said, Speaker, &Announcer::Say);
    }
    const GameAnalysis& analysis = *Session.Analysis();
    reviewWindow_->SetReview(
        Session.Record(), analysis, ReviewGame(Session.Record(), analysis, *Session.State().Rules));
    reviewWindow_->show();
    reviewWindow_->raise();
}

bool TForm1::TakeMove(const Move& move) { return reviewWindow_ && reviewWindow_->TakeMove(move); }

void TForm1::EndPractice()
{
    if (reviewWindow_)
        reviewWindow_->StopPractice();
}

void TForm1::RestoreAfterPractice()
{
    // Ply 1 is back as it was; so are its picture, frames and all, and the title.
    Image1->SetPicture(practicePicture_);
    for (CellArea* area : { Board, SenteHand, GoteHand })
        area->PositionChanged();
    setWindowTitle(title_);
}

void TForm1::BestLineForward() { Session.BestLineForward(); }

void TForm1::BestLineBack() { Session.BestLineBack(); }

QAction* TForm1::AddComputerAction(const QString& text, Computer computer)
{
    auto* action = new QAction(text, this);
    action->setCheckable(true);
    connect(action, &QAction::triggered, this, [this, computer] {
        Session.ChooseComputer(computer);
        CheckChosenComputer();
        RememberSettings();
    });
    return action;
}

std::vector<QAction*> TForm1::AddComputerLevelActions()
{
    std::vector<QAction*> levels;
    for (size_t rung = 0; rung < std::size(ComputerLadder); ++rung) {
        auto* action
            = new QAction(QString::fromStdString(LevelMenuText(ComputerLadder[rung])), this);
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, rung] {
            Session.ChooseLevel(rung);
            CheckChosenComputer();
            RememberSettings();
        });
        levels.push_back(action);
    }
    return levels;
}

void TForm1::CheckChosenComputer()
{
    (Session.ChosenComputer() == Computer::Classic ? ClassicComputerAction
                                                   : ComputerLevelActions[Session.ChosenLevel()])
        ->setChecked(true);
}

std::vector<QAction*> TForm1::AddThinkingTimeActions()
{
    std::vector<QAction*> times;
    auto* group = new QActionGroup(this);
    for (const int ms : ThinkingTimesMs) {
        auto* action = new QAction(QString("%1 s").arg(ms / 1000), this);
        action->setCheckable(true);
        action->setChecked(ms == Session.ThinkingTime());
        connect(action, &QAction::triggered, this, [this, ms] {
            Session.SetThinkingTime(ms);
            RememberSettings();
        });
        group->addAction(action);
        times.push_back(action);
    }
    return times;
}

void TForm1::ShowKeys()
{
    if (!help_)
        help_ = new HelpDialog(this);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void TForm1::ZoomIn() { SetZoom(zoom_ + 1); }

void TForm1::ZoomOut() { SetZoom(zoom_ - 1); }

void TForm1::ActualSize() { SetZoom(1); }

void TForm1::OpenMessageBox(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, "Velmora", text, QMessageBox::Ok, this);
    box.exec();
}

bool TForm1::OpenQuestionBox(const QString& text)
{
    QMessageBox box(
        QMessageBox::Question, "Velmora", text, QMessageBox::Yes | QMessageBox::No, this);
    return box.exec() == QMessageBox::Yes;
}
