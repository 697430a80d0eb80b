#include "review_window.h"

#include "review/review_texts.h"

#include "rules/usi_move.h"

#include <QApplication>
#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>
#include <cmath>

namespace {

constexpr QSize WindowSize(560, 420);
// The judgements in the order of the table's columns.
constexpr Judgement Columns[] = { Judgement::Inaccuracy, Judgement::Mistake, Judgement::Blunder };
// Where a moment's item keeps the number of its move.
constexpr int MoveNumberRole = Qt::UserRole;

QString Text(const std::string& text) { return QString::fromStdString(text); }

QString Usi(const Move& move) { return Text(WriteUsiMove(move)); }

// The expected score in per cent, as the review's texts say a winning chance.
long Percent(double chance) { return std::lround(50 * (chance + 1)); }

QLabel* Heading(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QPushButton* Button(const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    return button;
}

} // namespace

ReviewWindow::ReviewWindow(QWidget* parent, GameView& view)
    : QWidget(parent, Qt::Window)
    , practice_(view)
    , counts_(new QTableWidget(SideSlots, int(std::size(Columns)), this))
    , moments_(new QListWidget(this))
    , practise_ { Button(tr("Learn from &Sente's mistakes"), this),
        Button(tr("Learn from &Gote's mistakes"), this) }
    , previous_(Button(tr("&Previous mistake"), this))
    , next_(Button(tr("&Next mistake"), this))
    , tryAgain_(Button(tr("&Try again"), this))
    , answer_(Button(tr("Show &answer"), this))
    , stop_(Button(tr("Stop &learning"), this))
    , status_(new QLabel(this))
{
    setWindowTitle(tr("Velmora - review"));
    resize(WindowSize);

    counts_->setAccessibleName(tr("Inaccuracies, mistakes and blunders"));
    counts_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    counts_->setSelectionMode(QAbstractItemView::NoSelection);
    counts_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    counts_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    moments_->setAccessibleName(tr("Worst moments"));
    moments_->setWordWrap(true);
    status_->setWordWrap(true);
    status_->setAccessibleName(tr("Learning"));
    status_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);

    auto* bestBack = Button(tr("Best line: &back"), this);
    auto* bestForward = Button(tr("Best line: ne&xt move"), this);
    auto* lineRow = new QHBoxLayout;
    lineRow->addWidget(bestBack);
    lineRow->addWidget(bestForward);
    auto* startRow = new QHBoxLayout;
    for (QPushButton* button : practise_)
        startRow->addWidget(button);
    auto* stepRow = new QHBoxLayout;
    for (QPushButton* button : { previous_, tryAgain_, answer_, next_, stop_ })
        stepRow->addWidget(button);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Heading(tr("&Inaccuracies, mistakes and blunders"), counts_, this));
    layout->addWidget(counts_);
    layout->addWidget(Heading(tr("&Worst moments"), moments_, this));
    layout->addWidget(moments_, 1);
    layout->addLayout(lineRow);
    layout->addWidget(Heading(tr("Learn from your mistakes"), practise_[0], this));
    layout->addLayout(startRow);
    layout->addLayout(stepRow);
    layout->addWidget(status_);

    auto pick = [this](QListWidgetItem* item) {
        const size_t n = item->data(MoveNumberRole).value<size_t>();
        if (n == 0)
            return; // a heading
        StopPractice();
        emit PositionPicked(n - 1);
    };
    connect(moments_, &QListWidget::itemClicked, this, pick);
    connect(moments_, &QListWidget::itemActivated, this, pick);
    connect(bestForward, &QPushButton::clicked, this, &ReviewWindow::BestLineForward);
    connect(bestBack, &QPushButton::clicked, this, &ReviewWindow::BestLineBack);
    for (const int side : { Sente, Gote })
        connect(practise_[SideIndex(side)], &QPushButton::clicked, this,
            [this, side] { StartPractice(side); });
    connect(previous_, &QPushButton::clicked, this, [this] { Ask(practice_.Index() - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { Ask(practice_.Index() + 1); });
    connect(tryAgain_, &QPushButton::clicked, this, [this] { Ask(practice_.Index()); });
    connect(answer_, &QPushButton::clicked, this, &ReviewWindow::ShowAnswer);
    connect(stop_, &QPushButton::clicked, this, &ReviewWindow::StopPractice);
    EnablePracticeButtons();
}

QPushButton* ReviewWindow::PractiseButton(int side) const { return practise_[SideIndex(side)]; }

void ReviewWindow::SetReview(
    const GameRecord& record, const GameAnalysis& analysis, const GameReview& review)
{
    StopPractice();
    record_ = &record;
    analysis_ = analysis;
    for (const int side : { Sente, Gote })
        mistakes_[SideIndex(side)] = MistakesOf(review, side);
    FillCounts(review);
    FillMoments(review);
    status_->clear();
    EnablePracticeButtons();
}

void ReviewWindow::FillCounts(const GameReview& review)
{
    QStringList columns;
    for (const Judgement j : Columns)
        columns << Text(JudgementPlural(j));
    counts_->setHorizontalHeaderLabels(columns);
    QStringList rows;
    for (const SideReview& side : review.sides) {
        const int row = int(rows.size());
        rows << Text(SideName(side.side));
        for (size_t c = 0; c < std::size(Columns); ++c) {
            auto* item = new QTableWidgetItem(QString::number(side.counts[size_t(Columns[c])]));
            item->setTextAlignment(Qt::AlignCenter);
            counts_->setItem(row, int(c), item);
        }
    }
    counts_->setVerticalHeaderLabels(rows);
    // As tall as its rows, so that the worst moments get the room.
    int height = counts_->horizontalHeader()->sizeHint().height() + 2 * counts_->frameWidth();
    for (int row = 0; row < counts_->rowCount(); ++row)
        height += counts_->rowHeight(row);
    counts_->setFixedHeight(height);
}

void ReviewWindow::FillMoments(const GameReview& review)
{
    moments_->clear();
    auto addHeading = [this](const std::string& text) {
        auto* item = new QListWidgetItem(Text(text), moments_);
        item->setFlags(Qt::ItemIsEnabled);
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
    };
    for (const SideReview& side : review.sides) {
        addHeading(WorstMomentsHeading(side.side));
        if (side.worst.empty())
            new QListWidgetItem(Text(NoWorstMomentsText()), moments_);
        for (const ReviewedMove& m : side.worst) {
            auto* item = new QListWidgetItem(Text(MomentText(m)), moments_);
            item->setData(MoveNumberRole, QVariant::fromValue(m.number));
        }
    }
}

void ReviewWindow::StartPractice(int side)
{
    StopPractice();
    const std::vector<size_t>& moves = mistakes_[SideIndex(side)];
    if (moves.empty() || record_ == nullptr)
        return;
    emit PracticeStarted();
    practice_.Start(*record_, analysis_, moves);
    // From the worst moment chosen in the list, when it is one of this side's.
    const QListWidgetItem* chosen = moments_->currentItem();
    const size_t n = chosen ? chosen->data(MoveNumberRole).value<size_t>() : 0;
    const auto at = std::find(moves.begin(), moves.end(), n);
    Ask(at == moves.end() ? 0 : size_t(at - moves.begin()));
}

void ReviewWindow::Ask(size_t index)
{
    if (!practice_.Active() || index >= practice_.Count())
        return;
    practice_.Ask(index);
    const size_t n = practice_.MoveNumber();
    const QString played = Usi(record_->moves[n - 1].move);
    Tell(tr("Move %1, %2 of %3: %4 played %5 here. Find a better move on the board.")
             .arg(n)
             .arg(index + 1)
             .arg(practice_.Count())
             .arg(Text(SideName(analysis_.MoverOf(n - 1))), played),
        tr("Velmora - learning, move %1").arg(n));
}

bool ReviewWindow::TakeMove(const Move& move)
{
    if (!practice_.Active())
        return false;
    if (!practice_.Asking())
        return true; // the board shows a verdict or the answer: no move until asked again
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const RetryVerdict verdict = practice_.Try(move);
    QApplication::restoreOverrideCursor();
    const size_t n = practice_.MoveNumber();
    const QString tried = Usi(verdict.tried);
    if (verdict.accepted) {
        Tell(tr("%1 is accepted: it keeps a winning chance of %2%, the best move %3%.")
                 .arg(tried)
                 .arg(Percent(verdict.chance))
                 .arg(Percent(verdict.bestChance)),
            tr("Velmora - learning, move %1: %2 accepted").arg(n).arg(tried));
    } else if (verdict.reply) {
        const QString reply = Usi(*verdict.reply);
        Tell(tr("%1 is refuted by %2: the winning chance falls to %3%, against %4% after the best "
                "move.")
                 .arg(tried, reply)
                 .arg(Percent(verdict.chance))
                 .arg(Percent(verdict.bestChance)),
            tr("Velmora - learning, move %1: %2 refuted by %3").arg(n).arg(tried, reply));
    } else {
        Tell(tr("%1 is refuted: it loses the game at once.").arg(tried),
            tr("Velmora - learning, move %1: %2 refuted").arg(n).arg(tried));
    }
    return true;
}

void ReviewWindow::ShowAnswer()
{
    if (!practice_.Active())
        return;
    const std::optional<Move> best = practice_.BestMove();
    if (!best)
        return;
    practice_.ShowAnswer();
    const QString answer = Usi(*best);
    Tell(tr("The answer: %1.").arg(answer),
        tr("Velmora - learning, move %1: the answer %2").arg(practice_.MoveNumber()).arg(answer));
}

void ReviewWindow::StopPractice()
{
    if (!practice_.Active())
        return;
    practice_.Stop();
    status_->clear();
    EnablePracticeButtons();
    emit PracticeEnded();
}

void ReviewWindow::closeEvent(QCloseEvent* event)
{
    StopPractice();
    QWidget::closeEvent(event);
}

void ReviewWindow::Tell(const QString& status, const QString& title)
{
    status_->setText(status);
    EnablePracticeButtons();
    emit PracticeTitle(title);
    emit Said(status);
}

void ReviewWindow::EnablePracticeButtons()
{
    for (const int side : { Sente, Gote })
        practise_[SideIndex(side)]->setEnabled(!mistakes_[SideIndex(side)].empty());
    const bool active = practice_.Active();
    previous_->setEnabled(active && practice_.Index() > 0);
    next_->setEnabled(active && practice_.Index() + 1 < practice_.Count());
    tryAgain_->setEnabled(active && !practice_.Asking());
    answer_->setEnabled(active && practice_.BestMove().has_value());
    stop_->setEnabled(active);
}
