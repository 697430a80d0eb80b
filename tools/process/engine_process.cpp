#include "engine_process.h"

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace {

int MillisecondsUntil(EngineProcess::Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - EngineProcess::Clock::now());
    return int(std::clamp<long long>(left.count(), 0, 1'000'000'000));
}

} // namespace

EngineProcess::EngineProcess(const std::string& command, bool keepStandardError)
{
    int in[2], out[2];
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    if (!keepStandardError)
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    // A process group of its own, so that a kill reaches the engine under the shell too.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    char* argv[] = { const_cast<char*>("sh"), const_cast<char*>("-c"),
        const_cast<char*>(command.c_str()), nullptr };
    const int failed = posix_spawn(&pid_, "/bin/sh", &actions, &attributes, argv, environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    close(out[1]);
    input_ = in[1];
    output_ = out[0];
    if (failed != 0)
        throw std::runtime_error("cannot start /bin/sh for " + command);
    // A write to an engine that died must fail, not end the match or the test with SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);
}

EngineProcess::~EngineProcess() { Stop(std::chrono::milliseconds(0)); }

bool EngineProcess::Write(const std::string& text)
{
    for (size_t done = 0; done < text.size();) {
        const ssize_t n = write(input_, text.data() + done, text.size() - done);
        if (n <= 0)
            return false;
        done += size_t(n);
    }
    return true;
}

void EngineProcess::CloseInput()
{
    if (input_ >= 0)
        close(input_);
    input_ = -1;
}

EngineProcess::Read EngineProcess::ReadLine(std::string& line, Clock::time_point deadline)
{
    for (;;) {
        const size_t end = buffered_.find('\n');
        if (end != std::string::npos) {
            line = buffered_.substr(0, end);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            buffered_.erase(0, end + 1);
            return Read::Line;
        }
        if (closed_)
            return Read::Closed;
        pollfd ready { output_, POLLIN, 0 };
        const int polled = poll(&ready, 1, MillisecondsUntil(deadline));
        if (polled == 0)
            return Read::Timeout;
        char chunk[4096];
        const ssize_t n = polled < 0 ? -1 : read(output_, chunk, sizeof chunk);
        if (n <= 0)
            closed_ = true;
        else
            buffered_.append(chunk, size_t(n));
    }
}

std::optional<int> EngineProcess::Wait(std::chrono::milliseconds patience)
{
    const Clock::time_point deadline = Clock::now() + patience;
    while (pid_ > 0) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        if (Clock::now() >= deadline)
            return std::nullopt;
        usleep(5'000);
    }
    return std::nullopt;
}

void EngineProcess::Stop(std::chrono::milliseconds patience)
{
    CloseInput();
    if (output_ >= 0)
        close(output_);
    output_ = -1;
    if (pid_ > 0 && !Wait(patience)) {
        kill(-pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
}
