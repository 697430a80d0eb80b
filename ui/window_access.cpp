// The window's keyboard play and speech: the parts of TForm1 that serve a player without a
// mouse or with a screen reader. Nothing here draws into the designed picture.
#include "Unit1.h"
#include "window_settings.h"

#include "announcer.h"
#include "cell_area.h"
#include "game_speech.h"
#include "keyboard_keys.h"
#include "keyboard_play.h"
#include "spoken_text.h"

#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QTimer>

namespace {

// How often a review waiting to be offered looks whether the end's message boxes are closed.
constexpr int ModalBoxPollMs = 200;

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

struct NotationChoice {
    Notation notation;
    const char* text;
};
constexpr NotationChoice NotationChoices[] = {
    { Notation::English, "English" },
    { Notation::Japanese, "Japanese" },
    { Notation::Usi, "USI" },
};

} // namespace

void TForm1::SetUpKeyboardAndSpeech()
{
    Board = new CellArea(0, Image1);
    SenteHand = new CellArea(Sente, Image1);
    GoteHand = new CellArea(Gote, Image1);
    Speaker = new Announcer(this);
    Speech = new GameSpeech(Speaker, Session, this);
    Keys = new KeyboardPlay(Board, SenteHand, GoteHand, this,
        { [this](Qt::MouseButton button, int x, int y) { Image1MouseDown(button, x, y); },
            [this](Qt::MouseButton button, int x, int y) { Image1MouseUp(button, x, y); },
            [this] { Session.CancelPick(); },
            [this](std::string_view text) { Speech->Say(text); } });

    Board->Name = [] { return QStringLiteral("Board"); };
    Board->CellName = [](QPoint cell) { return Text(SquareDescription(1, cell.x(), cell.y())); };
    for (CellArea* hand : { SenteHand, GoteHand }) {
        hand->Name = [hand] { return Text(HandDescription(1, hand->Side())); };
        hand->CellName
            = [hand](QPoint cell) { return Text(PieceLocations(1, hand->Side(), cell.x())); };
    }
    // While a record can be stepped through, the plain arrows step it, as they always have.
    Board->ArrowsAreMine = [this] { return !Session.CanReplay(); };

    setTabOrder(Board, SenteHand);
    setTabOrder(SenteHand, GoteHand);
    setTabOrder(GoteHand, Label1);
    setTabOrder(Label1, Label2);
    setTabOrder(Label2, Label3);
    setTabOrder(Label3, Label4);
    Board->setFocus(Qt::OtherFocusReason);

    for (const ReadingKey& command : ReadingKeys) {
        auto* action = new QAction(Text(command.does), this);
        action->setShortcut(QKeySequence(Text(command.keys)));
        connect(action, &QAction::triggered, this,
            [this, &command] { Speech->Read(command, Board->Cursor()); });
        addAction(action);
        ReadingActions.push_back(action);
    }
    NotationActions = AddNotationActions();
}

std::vector<QAction*> TForm1::AddNotationActions()
{
    std::vector<QAction*> actions;
    auto* group = new QActionGroup(this);
    for (const NotationChoice& choice : NotationChoices) {
        auto* action = new QAction(choice.text, this);
        action->setCheckable(true);
        action->setChecked(choice.notation == Speech->SpokenNotation());
        connect(action, &QAction::triggered, this,
            [this, notation = choice.notation] { SetSpokenNotation(notation); });
        group->addAction(action);
        actions.push_back(action);
    }
    return actions;
}

void TForm1::AddSpeechMenus(QMenu& menu)
{
    menu.addMenu("Read aloud")->addActions({ ReadingActions.begin(), ReadingActions.end() });
    menu.addMenu("Speech notation")->addActions({ NotationActions.begin(), NotationActions.end() });
}

Notation TForm1::SpokenNotation() const { return Speech->SpokenNotation(); }

void TForm1::SetSpokenNotation(Notation notation)
{
    Speech->SetSpokenNotation(notation);
    for (size_t i = 0; i < NotationActions.size(); ++i)
        NotationActions[i]->setChecked(NotationChoices[i].notation == notation);
    RememberNotation(std::string(NotationName(notation)));
}

void TForm1::MoveComing(const Move& move, const Move* previous)
{
    Speech->MoveComing(move, previous);
}

void TForm1::GameEnded()
{
    Speech->GameEnded();
    ClearStaleHint();
    // The review is offered without a box or a change to the picture: said, and in the menu.
    const GameRecord& record = Session.Record();
    const bool againstComputer
        = record.computerPlays[SideIndex(Sente)] || record.computerPlays[SideIndex(Gote)];
    if (againstComputer && record.end != GameEnd::Stopped)
        QTimer::singleShot(0, this, &TForm1::OfferReview);
}

void TForm1::OfferReview()
{
    // After the end's message boxes, so that their words come first.
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(ModalBoxPollMs, this, &TForm1::OfferReview);
        return;
    }
    Speaker->Say(tr("The game can be reviewed: Ctrl+R"));
}

void TForm1::PositionShown() { Speech->PositionShown(title_.toStdString()); }
