#pragma once

#include "keyboard_keys.h"
#include "notation.h"

#include "rules/moves.h"

#include <QObject>
#include <QPoint>
#include <QString>

#include <string>
#include <string_view>

class Announcer;
class GameSession;

// The game read aloud: each move of either side, the end of a game and what its messages mean,
// the positions of a record shown, the computer's thinking, and the reading commands. The words
// come from the Qt-free texts; this only decides when to say them and through the announcer.
class GameSpeech : public QObject {
    Q_OBJECT

public:
    GameSpeech(Announcer* announcer, const GameSession& session, QObject* parent);

    // The notation moves are said in.
    Notation SpokenNotation() const { return notation_; }
    void SetSpokenNotation(Notation notation) { notation_ = notation; }

    void Say(std::string_view text);

    // What the game view is told, passed on.
    void MoveComing(const Move& move, const Move* previous);
    void GameEnded();
    void PositionShown(std::string_view title);
    void MessageShown(std::string_view message);
    // A record is about to be opened; its position shown is said as opened.
    void RecordOpening() { opening_ = true; }
    void GameStarted();
    void TakenBack();
    // A timer tick with the computer to move: said once a turn.
    void ComputerToMove();

    // A reading command; the cursor is the board's.
    void Read(const ReadingKey& command, QPoint cursor);

private:
    std::string LastMoveText() const;
    std::string KindText(int type) const;

    Announcer* announcer_;
    const GameSession& session_;
    Notation notation_ = Notation::English;
    std::string shownMove_; // the words of the move that led to the record's position shown
    bool shownPending_ = false;
    bool opening_ = false;
    std::string shownTitle_;
    size_t thinkingSaidAt_ = SIZE_MAX; // the record's length when "thinking" was said last
};
