#include "usi_engine.h"

#include <sstream>

namespace {

using Clock = EngineProcess::Clock;

// An engine that takes longer than this to start or to say it is ready is taken as broken.
constexpr std::chrono::seconds HandshakePatience { 10 };
// The words that name the rule set in engines that play several.
constexpr const char* VariantOptions[] = { "USI_Variant", "UCI_Variant" };

std::vector<std::string> Words(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

bool StartsWith(const std::string& line, const std::string& word)
{
    return line.compare(0, word.size(), word) == 0
        && (line.size() == word.size() || line[word.size()] == ' ');
}

// The variant option a declaration line offers with the value among its choices, or "".
std::string VariantOptionOffering(const std::string& line, const std::string& variant)
{
    const std::vector<std::string> words = Words(line);
    if (words.size() < 3 || words[0] != "option" || words[1] != "name")
        return "";
    for (const char* option : VariantOptions)
        if (words[2] == option)
            for (size_t i = 3; i + 1 < words.size(); ++i)
                if (words[i] == "var" && words[i + 1] == variant)
                    return option;
    return "";
}

} // namespace

bool UsiEngine::Start(
    const EngineSetup& setup, const std::string& variant, std::ostream* log, std::string& error)
{
    log_ = log;
    tag_ = setup.command;
    name_ = setup.command;
    swapClocks_ = setup.swapClocks;
    process_ = std::make_unique<EngineProcess>(setup.command, log != nullptr);
    std::vector<std::string> lines;
    if (!Send("usi") || !ReadUntil("usiok", Clock::now() + HandshakePatience, &lines))
        return error = "'" + setup.command + "' did not answer usi with usiok", false;
    std::string variantOption;
    for (const std::string& line : lines) {
        if (StartsWith(line, "id name") && line.size() > 8)
            name_ = line.substr(8);
        if (variantOption.empty())
            variantOption = VariantOptionOffering(line, variant);
    }
    tag_ = name_;
    for (const auto& [name, value] : setup.options)
        if (name == variantOption)
            variantOption.clear();
    if (!variantOption.empty())
        Send("setoption name " + variantOption + " value " + variant);
    for (const auto& [name, value] : setup.options)
        Send("setoption name " + name + " value " + value);
    if (!Send("isready") || !ReadUntil("readyok", Clock::now() + HandshakePatience, nullptr))
        return error = name_ + " did not answer isready with readyok", false;
    return true;
}

UsiEngine::Answer UsiEngine::Think(
    const std::string& position, const std::string& go, std::chrono::milliseconds patience)
{
    Answer answer;
    if (!Send(position) || !Send(go))
        return answer;
    const Clock::time_point start = Clock::now();
    const Clock::time_point deadline = start + patience;
    for (std::string line;;) {
        const EngineProcess::Read read = ReadLine(line, deadline);
        answer.used = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
        if (read == EngineProcess::Read::Closed)
            return answer;
        if (read == EngineProcess::Read::Timeout) {
            answer.reply = Reply::Timeout;
            Send("stop");
            return answer;
        }
        if (StartsWith(line, "bestmove")) {
            const std::vector<std::string> words = Words(line);
            answer.reply = Reply::Move;
            answer.move = words.size() > 1 ? words[1] : "";
            return answer;
        }
    }
}

void UsiEngine::Finish(const std::string& result)
{
    if (!process_)
        return;
    Send("gameover " + result);
    Send("quit");
    process_->Stop(std::chrono::milliseconds(1000));
    process_.reset();
}

bool UsiEngine::Send(const std::string& line)
{
    if (log_)
        *log_ << tag_ << " < " << line << '\n';
    return process_->Send(line);
}

EngineProcess::Read UsiEngine::ReadLine(std::string& line, Clock::time_point deadline)
{
    const EngineProcess::Read read = process_->ReadLine(line, deadline);
    if (log_ && read == EngineProcess::Read::Line)
        *log_ << tag_ << " > " << line << '\n';
    return read;
}

bool UsiEngine::ReadUntil(
    const std::string& word, Clock::time_point deadline, std::vector<std::string>* lines)
{
    for (std::string line; ReadLine(line, deadline) == EngineProcess::Read::Line;) {
        if (lines)
            lines->push_back(line);
        if (StartsWith(line, word))
            return true;
    }
    return false;
}
