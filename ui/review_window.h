#pragma once

#include "mistake_practice.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

// The review of a game beside the board: each side's inaccuracies, mistakes and blunders, its
// worst moments explained, each a click or a key away from its position on the board, and the
// practice of one side's mistakes on the board. Real widgets, so that the keyboard reaches every
// part and a screen reader reads it.
class ReviewWindow : public QWidget {
    Q_OBJECT

public:
    // The practice draws through the view, the window whose board it borrows.
    ReviewWindow(QWidget* parent, GameView& view);

    // The record must stay as it is while the window shows its review.
    void SetReview(
        const GameRecord& record, const GameAnalysis& analysis, const GameReview& review);

    bool Practising() const { return practice_.Active(); }
    // A move made on the board: taken and judged while the practice asks for one.
    bool TakeMove(const Move& move);
    // Ends the practice, if any; the board's owner puts its picture back on PracticeEnded.
    void StopPractice();

    QTableWidget* Counts() const { return counts_; }
    QListWidget* Moments() const { return moments_; }
    QLabel* PracticeStatus() const { return status_; }
    QPushButton* PractiseButton(int side) const;

signals:
    // The position before move n (1 the first) is wanted on the board, the one whose best line
    // the best-line buttons step through.
    void PositionPicked(size_t positionBefore);
    void BestLineForward();
    void BestLineBack();
    // The practice is about to borrow the board, shows a position there, or has given it back:
    // the board's owner keeps its picture, titles itself, and puts the picture back.
    void PracticeStarted();
    void PracticeTitle(const QString& title);
    void PracticeEnded();
    // What a screen reader should say now.
    void Said(const QString& message);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FillCounts(const GameReview& review);
    void FillMoments(const GameReview& review);
    void StartPractice(int side);
    void Ask(size_t index);
    void ShowAnswer();
    void Tell(const QString& status, const QString& title);
    void EnablePracticeButtons();

    MistakePractice practice_;
    const GameRecord* record_ = nullptr;
    GameAnalysis analysis_;
    std::vector<size_t> mistakes_[SideSlots];
    QTableWidget* counts_;
    QListWidget* moments_;
    QPushButton* practise_[SideSlots];
    QPushButton* previous_;
    QPushButton* next_;
    QPushButton* tryAgain_;
    QPushButton* answer_;
    QPushButton* stop_;
    QLabel* status_;
};
