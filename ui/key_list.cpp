#include "key_list.h"

#include "computer_ladder.h"
#include "keyboard_keys.h"

namespace {

void AddRows(std::vector<KeyRow>& rows, const auto& entries)
{
    for (const KeyEntry& entry : entries)
        rows.push_back(
            { std::string(entry.keys), std::string(entry.menu), std::string(entry.action) });
}

} // namespace

std::vector<KeyRow> WindowKeys()
{
    std::vector<KeyRow> rows;
    AddRows(rows, MenuKeysBeforeSpeech);
    for (const ReadingKey& key : ReadingKeys)
        rows.push_back({ std::string(key.keys), "Read aloud ▸ " + std::string(key.does),
            std::string(key.does) });
    AddRows(rows, SpeechNotationKeys);
    AddRows(rows, MenuKeysAfterSpeech);
    for (const ComputerLevel& level : ComputerLadder)
        rows.push_back({ "", "Computer ▸ " + LevelMenuText(level), std::string(level.does) });
    AddRows(rows, MenuKeysAfterComputers);
    for (const KeyHelp& key : PlayingKeys)
        rows.push_back({ std::string(key.keys), "", std::string(key.does) });
    return rows;
}
