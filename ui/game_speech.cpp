#include "game_speech.h"

#include "announcer.h"
#include "game_session.h"
#include "key_prompts.h"
#include "spoken_text.h"

#include <QTimer>

namespace {

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::optional<std::pair<int, int>> Destination(const Move* move)
{
    if (!move)
        return std::nullopt;
    return std::pair<int, int>(move->toX, move->toY);
}

// The kind's promoted type, said along with it: a tokin is where a pawn went.
int PromotedKind(int type) { return IsPromotable(type) ? type + PromotionOffset : 0; }

} // namespace

GameSpeech::GameSpeech(Announcer* announcer, const GameSession& session, QObject* parent)
    : QObject(parent)
    , announcer_(announcer)
    , session_(session)
{
}

void GameSpeech::Say(std::string_view text) { announcer_->Say(Text(text)); }

void GameSpeech::MoveComing(const Move& move, const Move* previous)
{
    const std::string words
        = ::SpokenMove(FactsOfMove(1, move, Game.SideToMove, Destination(previous)), notation_);
    if (!Game.GameRunning) {
        // A record's position is about to be shown; it is said once it is.
        shownMove_ = words;
        return;
    }
    Say(words);
}

void GameSpeech::GameEnded()
{
    const GameRecord& record = session_.Record();
    Say(GameEndSentence(record.end, record.winner));
}

void GameSpeech::PositionShown(std::string_view title)
{
    shownTitle_ = title;
    if (session_.ShownMove() == 0 && session_.LineShown() == 0)
        shownMove_.clear();
    // Showing a best line shows its record position first; only the last position is said.
    if (std::exchange(shownPending_, true))
        return;
    QTimer::singleShot(0, this, [this] {
        shownPending_ = false;
        Say(ShownText(shownTitle_, shownMove_, std::exchange(opening_, false)));
    });
}

void GameSpeech::MessageShown(std::string_view message) { Say(MessageInWords(message)); }

void GameSpeech::GameStarted()
{
    thinkingSaidAt_ = SIZE_MAX;
    Read({ "", "", Reading::Turn }, {});
}

void GameSpeech::TakenBack()
{
    if (session_.Record().moves.empty())
        Say(TakenBackToStart);
    else
        Say(TakenBackText(LastMoveText()));
}

void GameSpeech::ComputerToMove()
{
    const size_t n = session_.Record().moves.size();
    if (std::exchange(thinkingSaidAt_, n) != n)
        Say(ComputerThinking);
}

std::string GameSpeech::LastMoveText() const
{
    if (session_.Replaying())
        return shownMove_.empty() ? std::string(NoMoveYet) : shownMove_;
    const GameRecord& record = session_.Record();
    if (record.moves.empty())
        return std::string(NoMoveYet);
    return ::SpokenMove(FactsOfRecordedMove(record, record.moves.size()), notation_);
}

std::string GameSpeech::KindText(int type) const
{
    std::string text;
    for (const int side : { Sente, Gote })
        for (const int kind : { type, PromotedKind(type) })
            if (kind != 0)
                text += (text.empty() ? "" : ". ") + PieceLocations(1, side, kind);
    return text;
}

void GameSpeech::Read(const ReadingKey& command, QPoint cursor)
{
    const GameState& game = session_.State();
    switch (command.reading) {
    case Reading::LastMove:
        Say(LastMoveText());
        break;
    case Reading::Hands:
        Say(HandDescription(1, Sente) + ". " + HandDescription(1, Gote));
        break;
    case Reading::Turn: {
        const bool computer = game.ComputerPlays[0] || game.ComputerPlays[1];
        const std::string opponent = !computer               ? "two players"
            : session_.ChosenComputer() == Computer::Classic ? "against the classic computer"
            : session_.ChosenLevel() == FullStrength         ? "against the strong computer"
                                                             : "against the computer at the "
                + std::string(ComputerLadder[session_.ChosenLevel()].name) + " level";
        const std::string turn
            = TurnDescription(game.SideToMove, SpokenRulesName(*game.Rules), game.Level, opponent);
        Say(game.GameRunning ? turn : "No game is running. " + turn);
        break;
    }
    case Reading::Square:
        Say(SquareDescription(1, cursor.x(), cursor.y()));
        break;
    case Reading::Rank:
        Say(RankDescription(1, cursor.y()));
        break;
    case Reading::File:
        Say(FileDescription(1, BoardSize + 1 - cursor.x()));
        break;
    case Reading::Attackers:
        Say(AttackersOf(1, cursor.x(), cursor.y()));
        break;
    case Reading::Kind:
        Say(KindText(command.pieceType));
        break;
    case Reading::Repeat:
        announcer_->Say(announcer_->Last());
        break;
    }
}
