#include "input_lines.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

struct InputLines::Queue {
    std::mutex mutex;
    std::condition_variable arrived;
    std::deque<std::string> lines;
    bool ended = false;
    // Lets a poll from inside a search skip the lock while nothing is waiting.
    std::atomic<size_t> waiting { 0 };

    void Push(std::string line, bool last)
    {
        {
            const std::lock_guard lock(mutex);
            lines.push_back(std::move(line));
            ended = last;
            waiting.store(lines.size(), std::memory_order_release);
        }
        arrived.notify_one();
    }

    std::optional<std::string> Pop()
    {
        if (lines.empty())
            return std::nullopt;
        std::string line = std::move(lines.front());
        lines.pop_front();
        waiting.store(lines.size(), std::memory_order_release);
        return line;
    }
};

InputLines::InputLines(std::istream& in)
    : queue_(std::make_shared<Queue>())
{
    // A tied stream (std::cin is tied to std::cout) flushes its tie before each read: from the
    // reader thread that would race the main thread's answers.
    in.tie(nullptr);
    // Detached: a thread blocked in a read cannot be woken, and the program may end before
    // its input does.
    std::thread([queue = queue_, &in] {
        std::string line;
        while (std::getline(in, line))
            queue->Push(line, false);
        queue->Push("quit", true);
    }).detach();
}

std::optional<std::string> InputLines::Next()
{
    std::unique_lock lock(queue_->mutex);
    queue_->arrived.wait(lock, [&] { return !queue_->lines.empty() || queue_->ended; });
    return queue_->Pop();
}

std::optional<std::string> InputLines::Poll()
{
    if (queue_->waiting.load(std::memory_order_acquire) == 0)
        return std::nullopt;
    const std::lock_guard lock(queue_->mutex);
    return queue_->Pop();
}
