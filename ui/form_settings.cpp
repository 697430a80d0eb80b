// The window's side of its settings: what the menu shows, read as settings, and settings chosen
// through the menu's own entries, so a stored choice behaves exactly as a chosen one.
#include "Unit1.h"

#include <iterator>

WindowSettings TForm1::Settings() const
{
    return { zoom_, std::string(RulesName(*Session.State().Rules)),
        std::string(Session.ChosenComputer() == Computer::Classic
                ? ComputerName(Computer::Classic)
                : LevelName(Session.ChosenLevel())),
        int(Session.ThinkingTime()), notation_ };
}

void TForm1::ApplySettings(const WindowSettings& settings)
{
    SetZoom(settings.zoom);
    (&RulesNamed(settings.rules) == &StandardRules ? StandardRulesAction : VelmoraRulesAction)
        ->trigger();
    (ComputerNamed(settings.computer) == Computer::Strong
            ? ComputerLevelActions[LevelNamed(settings.computer)]
            : ClassicComputerAction)
        ->trigger();
    for (size_t i = 0; i < std::size(ThinkingTimesMs); ++i)
        if (ThinkingTimesMs[i] == settings.thinkingMs)
            ThinkingTimeActions[i]->trigger();
    SetSpokenNotation(NotationNamed(settings.notation));
}

void TForm1::RememberNotation(const std::string& name)
{
    notation_ = name;
    RememberSettings();
}

void TForm1::RememberSettings()
{
    if (StoreSettings)
        StoreSettings(Settings());
}
