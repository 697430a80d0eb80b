#include "engine_process.h"

#include <csignal>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

int MillisecondsUntil(Clock::time_point deadline)
{
    const auto left
        = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return int(std::max<long long>(left.count(), 0));
}

} // namespace

EngineProcess::EngineProcess(const std::string& program)
{
    int in[2], out[2];
    if (pipe(in) != 0 || pipe(out) != 0)
        throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    for (const int fd : { in[0], in[1], out[0], out[1] })
        posix_spawn_file_actions_addclose(&actions, fd);
    char* argv[] = { const_cast<char*>(program.c_str()), nullptr };
    const int failed = posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    close(out[1]);
    input_ = in[1];
    output_ = out[0];
    if (failed != 0)
        throw std::runtime_error("cannot start " + program);
    // A program that ends early must fail the test, not kill it by a write to a closed pipe.
    std::signal(SIGPIPE, SIG_IGN);
}

EngineProcess::~EngineProcess()
{
    CloseInput();
    if (output_ >= 0)
        close(output_);
    if (pid_ > 0 && !Wait(std::chrono::seconds(5))) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

void EngineProcess::Write(const std::string& text)
{
    for (size_t done = 0; done < text.size();) {
        const ssize_t n = write(input_, text.data() + done, text.size() - done);
        if (n <= 0)
            return;
        done += size_t(n);
    }
}

void EngineProcess::CloseInput()
{
    if (input_ >= 0)
        close(input_);
    input_ = -1;
}

std::optional<std::string> EngineProcess::ReadLine(std::chrono::seconds patience)
{
    const Clock::time_point deadline = Clock::now() + patience;
    for (;;) {
        const size_t end = buffered_.find('\n');
        if (end != std::string::npos) {
            std::string line = buffered_.substr(0, end);
            buffered_.erase(0, end + 1);
            return line;
        }
        pollfd ready { output_, POLLIN, 0 };
        if (poll(&ready, 1, MillisecondsUntil(deadline)) <= 0)
            return std::nullopt;
        char chunk[4096];
        const ssize_t n = read(output_, chunk, sizeof chunk);
        if (n <= 0)
            return std::nullopt;
        buffered_.append(chunk, size_t(n));
    }
}

std::vector<std::string> EngineProcess::ReadThrough(const std::string& prefix)
{
    std::vector<std::string> lines;
    while (const auto line = ReadLine()) {
        lines.push_back(*line);
        if (line->rfind(prefix, 0) == 0)
            return lines;
    }
    return {};
}

std::optional<int> EngineProcess::Wait(std::chrono::seconds patience)
{
    const Clock::time_point deadline = Clock::now() + patience;
    while (pid_ > 0) {
        int status = 0;
        const pid_t done = waitpid(pid_, &status, WNOHANG);
        if (done == pid_) {
            pid_ = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        if (Clock::now() >= deadline)
            return std::nullopt;
        usleep(10'000);
    }
    return std::nullopt;
}
