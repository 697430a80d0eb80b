#include "search.h"

#include "worker.h"

#include <algorithm>
#include <thread>

StrongEngine::StrongEngine(size_t hashMegabytes)
    : table_(std::make_unique<TranspositionTable>(hashMegabytes))
    , shared_(std::make_unique<Shared>())
{
}

StrongEngine::~StrongEngine() = default;

void StrongEngine::ResizeHash(size_t megabytes)
{
    table_ = std::make_unique<TranspositionTable>(megabytes);
}

void StrongEngine::NewGame()
{
    table_->Clear();
    workers_.clear();
}

void StrongEngine::PonderHit()
{
    shared_->start = std::chrono::steady_clock::now();
    shared_->pondering.store(false, std::memory_order_relaxed);
}

SearchResult StrongEngine::Search(const GamePosition& position,
    const std::vector<PastPosition>& history, const SearchLimits& limits,
    const SearchSettings& settings, const SearchCallbacks& callbacks)
{
    stop_.store(false, std::memory_order_relaxed);
    Shared& shared = *shared_;
    shared.start = std::chrono::steady_clock::now();
    shared.pondering.store(limits.infinite, std::memory_order_relaxed);
    shared.limits = limits;
    shared.settings = settings;
    shared.settings.threads = std::max(settings.threads, 1);
    shared.callbacks = &callbacks;
    shared.stop = &stop_;
    shared.table = table_.get();
    shared.workers = &workers_;
    table_->NextSearch();

    while (int(workers_.size()) < shared.settings.threads)
        workers_.push_back(std::make_unique<Worker>(int(workers_.size())));
    for (int i = 0; i < shared.settings.threads; ++i)
        workers_[size_t(i)]->Prepare(shared, position, history);

    std::vector<std::thread> helpers;
    for (int i = 1; i < shared.settings.threads; ++i)
        helpers.emplace_back([this, i] { workers_[size_t(i)]->IterativeDeepening(); });
    Worker& main = *workers_[0];
    main.IterativeDeepening();
    // An infinite or ponder search answers only when told to stop.
    while (!stop_.load(std::memory_order_relaxed)
        && shared.pondering.load(std::memory_order_relaxed) && main.HasRootMoves()) {
        if (callbacks.poll)
            callbacks.poll();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    stop_.store(true, std::memory_order_relaxed);
    for (std::thread& helper : helpers)
        helper.join();
    SearchResult result = main.Result();
    result.nodes = shared.TotalNodes();
    main.ReportLast();
    return result;
}

uint64_t SearchNodesToDepth(const GamePosition& position, int depth, SearchResult* result)
{
    StrongEngine engine(16);
    SearchLimits limits;
    limits.depth = depth;
    const SearchResult r = engine.Search(position, {}, limits, SearchSettings {}, {});
    if (result != nullptr)
        *result = r;
    return r.nodes;
}
