// The window's hints: the Hint entry and key, the frame they draw over the picture and what is
// said. The hints themselves come from the game flow's HintCoach; nothing here draws into the
// designed picture.
#include "Unit1.h"

#include "game_speech.h"
#include "hint_frame.h"

namespace {

constexpr int HintPollInterval = 50; // ms

} // namespace

void TForm1::SetUpHints()
{
    HintBox = new HintFrame(Image1);
    hintPoll_ = new QTimer(this);
    hintPoll_->setInterval(HintPollInterval);
    connect(hintPoll_, &QTimer::timeout, this, &TForm1::PollHint);
}

void TForm1::GiveHint()
{
    if (const std::optional<Hint> hint = hints_.Press(SpokenNotation()))
        ShowHint(*hint);
    else if (hints_.Waiting())
        hintPoll_->start();
}

void TForm1::PollHint()
{
    if (const std::optional<Hint> hint = hints_.Poll(SpokenNotation()))
        ShowHint(*hint);
    if (!hints_.Waiting())
        hintPoll_->stop();
}

// The threat is read in a message box, as the window's other sentences are; the piece and its
// square are framed, and said for those who cannot see the frame.
void TForm1::ShowHint(const Hint& hint)
{
    if (hint.step == HintStep::Threat) {
        HintBox->Clear();
        ShowMessage(hint.words);
        return;
    }
    if (hint.x != 0)
        HintBox->Frame(QPoint(hint.x, hint.y));
    Speech->Say(hint.words);
}

void TForm1::ClearStaleHint()
{
    if (!hints_.Current())
        HintBox->Clear();
}
