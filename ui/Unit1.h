#pragma once

#include "control_label.h"
#include "game_session.h"
#include "game_view.h"
#include "hint_coach.h"
#include "notation.h"
#include "picture_box.h"
#include "window_settings.h"

#include <QAction>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class AnalysisWindow;
class ReviewWindow;
class HelpDialog;
class HintFrame;
class Announcer;
class CellArea;
class GameSpeech;
class KeyboardPlay;
class QProgressDialog;

// The game window: the picture of the game, four labels that steer it and the timer that
// gives the computer its turn. The handlers forward to the game flow; the window only draws,
// frames cells, shows captions and opens message boxes.
class TForm1 : public QWidget, public GameView {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);

    // Shows the window centred on its screen.
    void ShowCentred();

    // A whole-number zoom from 1, the designed window, to the largest that fits the screen:
    // picture, labels, font and window all scale by the same factor.
    void SetZoom(int zoom);
    int Zoom() const { return zoom_; }
    int MaxZoom() const;

    PictureBox* Image1; // the picture of the game
    PictureBox* Image2; // invisible: carries the glyph sheet
    ControlLabel* Label1; // "Play" / "Stop"
    ControlLabel* Label2; // who plays the bottom side
    ControlLabel* Label3; // who plays the top side
    ControlLabel* Label4; // the level
    QTimer* Timer1;

    // Opens one modal message box; a test puts an answering function in its place.
    std::function<void(const QString&)> MessageBox;
    // Asks where to save the game; empty when the person cancels. A test answers in its place.
    std::function<QString()> AskSaveName;
    // Asks which file to open; empty when the person cancels. A test answers in its place.
    std::function<QString()> AskOpenName;
    // Asks a yes-or-no question; a test answers in its place.
    std::function<bool(const QString&)> AskYesNo;

    // The game behind the window.
    GameSession Session;

    // What the shortcuts and the context menu offer, in the menu's order.
    QAction* CopyKifAction;
    QAction* CopySfenAction;
    QAction* SaveAction;
    QAction* OpenAction;
    QAction* PasteAction;
    QAction* TakeBackAction;
    QAction* HintAction;
    QAction* BackAction;
    QAction* ForwardAction;
    QAction* StartAction;
    QAction* EndAction;
    QAction* AnalyseAction;
    QAction* BestLineForwardAction;
    QAction* BestLineBackAction;
    QAction* ReviewAction;
    QAction* VelmoraRulesAction;
    QAction* StandardRulesAction;
    QAction* ClassicComputerAction;
    // The strong computer's rungs, as ComputerLadder lists them; the last is full strength.
    std::vector<QAction*> ComputerLevelActions;
    QAction* StrongComputerAction;
    // The strong computer's thinking time, shortest first.
    std::vector<QAction*> ThinkingTimeActions;
    QAction* ZoomInAction;
    QAction* ZoomOutAction;
    QAction* ActualSizeAction;
    QAction* KeysAction;
    QAction* AboutAction;

    // The settings shown: zoom, rules, computer, thinking time and how moves are spoken.
    WindowSettings Settings() const;
    // Chooses each setting as its menu entry would; at start-up, before StoreSettings is set.
    void ApplySettings(const WindowSettings& settings);
    // The spoken notation's stored name, "english", "japanese" or "usi"; a new name is stored.
    const std::string& NotationSetting() const { return notation_; }
    void RememberNotation(const std::string& name);
    // Called with the settings whenever one changes. Empty, as in the tests and with the
    // --defaults option, the window stores nothing.
    std::function<void(const WindowSettings&)> StoreSettings;
    // Playing by keys and hearing the game (window_access.cpp): the parts of the picture that
    // take the keyboard, the announcer a screen reader hears, and the commands that read aloud.
    CellArea* Board;
    CellArea* SenteHand;
    CellArea* GoteHand;
    Announcer* Speaker;
    GameSpeech* Speech;
    KeyboardPlay* Keys;
    std::vector<QAction*> ReadingActions; // in the order of ReadingKeys
    std::vector<QAction*> NotationActions; // English, Japanese, USI
    // The frame of the piece or square a hint shows (window_hints.cpp).
    HintFrame* HintBox;

    // The notation moves are spoken in.
    Notation SpokenNotation() const;
    void SetSpokenNotation(Notation notation);

    void DrawPosition(int p) override;
    void MarkCell(int x, int y) override;
    void ShowMessage(std::string_view text) override;
    void SetCaption(GameLabel label, std::string_view caption) override;
    bool Confirm(std::string_view question) override;
    void SetTitle(std::string_view title) override;
    void MoveComing(const Move& move, const Move* previous) override;
    void GameEnded() override;
    void PositionShown() override;
    bool TakeMove(const Move& move) override;

    // Opens a record or a position from a file, as Ctrl+O and dropping a file do.
    void OpenFile(const QString& path);

    // The graph of the last analysis; null until one has finished.
    AnalysisWindow* Analysis() const { return analysisWindow_; }
    // The review of the last analysis; null until one has been shown.
    ReviewWindow* Review() const { return reviewWindow_; }
    // The list of keys and menu entries; null until F1 or the menu first opens it.
    HelpDialog* Help() const { return help_; }

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The constructor's steps: the designed form, its events, the menu's groups of choices.
    void LayOutDesignedForm();
    void ConnectDesignedEvents();
    void GroupMenuChoices();
    void SetUpKeyboardAndSpeech();
    std::vector<QAction*> AddNotationActions();
    void AddSpeechMenus(QMenu& menu);
    void SetUpHints();
    void GiveHint();
    void PollHint();
    void ShowHint(const Hint& hint);
    // The frame goes once its turn has passed.
    void ClearStaleHint();

    void FormCreate();
    void FormDblClick();
    void Image1MouseDown(Qt::MouseButton button, int X, int Y);
    void Image1MouseUp(Qt::MouseButton button, int X, int Y);
    void Label1MouseDown();
    void Label2MouseDown();
    void Label3Click();
    void Label4MouseDown();
    void Timer1Timer();

    void OpenMessageBox(const QString& text);
    bool OpenQuestionBox(const QString& text);
    QString OpenSaveDialog();
    QString OpenOpenDialog();
    QAction* AddRulesAction(const QString& text, const RuleSet& rules);
    QAction* AddComputerAction(const QString& text, Computer computer);
    std::vector<QAction*> AddComputerLevelActions();
    // The menu shows the computer that plays, which a running game keeps.
    void CheckChosenComputer();
    std::vector<QAction*> AddThinkingTimeActions();
    void StartOrStopTimer();
    QAction* AddAction(
        const QString& text, const QList<QKeySequence>& keys, void (TForm1::*handler)());
    void Centre();

    void CopyKif();
    void CopySfen();
    void SaveGame();
    void TakeBackMove();
    void OpenGame();
    void PasteGame();
    void OpenText(const QString& text);
    void StepBack();
    void StepForward();
    void ToStart();
    void ToEnd();
    void ZoomIn();
    void ZoomOut();
    void ActualSize();
    void AnalyseGame();
    void PollAnalysis();
    void CancelAnalysis();
    void CloseProgress();
    void ShowAnalysis();
    void BestLineForward();
    void BestLineBack();
    // The review of the game, after an analysis of it when it has none.
    void OpenReview();
    void ShowReview();
    // Says that the game just ended against the computer can be reviewed.
    void OfferReview();
    // Learning from mistakes borrows the board; these give it back as it was.
    void EndPractice();
    void RestoreAfterPractice();
    // The graph closes once a game starts or its record is gone: it would show another game.
    void CloseStaleAnalysis();
    void ShowKeys();
    void RememberSettings();

    // The designed geometry of each component, which a zoom multiplies.
    struct DesignedGeometry {
        QWidget* widget;
        QRect geometry;
    };
    std::vector<DesignedGeometry> designed_;
    int zoom_ = 1;
    QString title_ = "Velmora";
    // Counts from window creation; the computer's tick keeps the phase of a timer started then.
    QElapsedTimer clock_;
    // An analysis under way runs on its own thread; the window polls it while the progress shows.
    std::unique_ptr<GameAnalyser> analyser_;
    QProgressDialog* progress_ = nullptr;
    QTimer* analysisPoll_;
    AnalysisWindow* analysisWindow_ = nullptr;
    ReviewWindow* reviewWindow_ = nullptr;
    // "Review game" started the analysis under way: the review opens when it is done.
    bool reviewWanted_ = false;
    // The picture as it was when learning from mistakes borrowed the board.
    QImage practicePicture_;
    HelpDialog* help_ = nullptr;
    std::string notation_ = WindowSettings {}.notation;
    // A hint asked for waits on its search; the window polls it meanwhile.
    HintCoach hints_;
    QTimer* hintPoll_ = nullptr;
};

extern TForm1* Form1;
