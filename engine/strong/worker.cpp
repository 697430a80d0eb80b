#include "worker.h"

#include "evaluation.h"

#include "engine/board/hash.h"
#include "engine/mate/root_mate.h"
#include "rules/repetition.h"
#include "rules/rule_tables.h"

#include <algorithm>
#include <cmath>

namespace {

using Clock = std::chrono::steady_clock;

// The main thread looks at the clock, the input and the node limit this often.
constexpr uint64_t CheckInterval = 512;
// Quiescence follows captures this far below the horizon at most.
constexpr int MaxQuiescencePlies = 16;
// How far back a repetition is looked for: a cycle in a real game is short.
constexpr int MaxRepetitionPlies = 32;
// The first aspiration window around the last depth's score, in centipawns.
constexpr int AspirationWindow = 30;
// A root this far ahead after this depth, without a mate in sight, is given to the proof-number
// solver for up to a quarter of the move's time.
constexpr int MateProofScore = 600;
constexpr int MateProofDepth = 6;

// Reductions of late quiet moves, by depth and by the number of moves tried.
struct ReductionTable {
    int8_t r[64][64];
    ReductionTable()
    {
        for (int d = 1; d < 64; ++d)
            for (int m = 1; m < 64; ++m)
                r[d][m] = int8_t(0.4 + std::log(double(d)) * std::log(double(m)) / 2.1);
    }
    int operator()(int depth, int moves) const
    {
        return r[std::min(depth, 63)][std::min(moves, 63)];
    }
};

const ReductionTable Reductions;

bool IsDecisive(int score) { return score >= RuleWin || score <= -RuleWin; }

// Mate scores are stored as distances from the stored position, not from the root.
int ToTable(int score, int ply)
{
    return score >= MateInMaxPly ? score + ply : score <= -MateInMaxPly ? score - ply : score;
}

int FromTable(int score, int ply)
{
    return score >= MateInMaxPly ? score - ply : score <= -MateInMaxPly ? score + ply : score;
}

// Skill below full strength: how deep it looks, and how far its judgement of a position strays.
int SkillDepth(int skill) { return skill >= 20 ? MaxSearchPly - 1 : 1 + skill / 3; }
int SkillNoise(int skill) { return skill >= 20 ? 0 : (20 - skill) * 12; }

} // namespace

int64_t StrongEngine::Shared::Elapsed() const
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

uint64_t StrongEngine::Shared::TotalNodes() const
{
    uint64_t total = 0;
    for (int i = 0; i < settings.threads; ++i)
        total += (*workers)[size_t(i)]->Nodes();
    return total;
}

StrongEngine::Worker::Worker(int id)
    : id_(id)
{
}

void StrongEngine::Worker::Prepare(
    Shared& shared, const GamePosition& root, const std::vector<PastPosition>& history)
{
    shared_ = &shared;
    root_ = root;
    path_ = history;
    rootIndex_ = path_.size();
    path_.resize(rootIndex_ + MaxSearchPly + 4);
    nodes_.store(0, std::memory_order_relaxed);
    nextCheck_ = CheckInterval;
    completedDepth_ = 0;
    selDepth_ = 0;
    bestMoveChanges_ = 0;
    mateTried_ = false;
    reportedMate_ = {};
    rootMoves_.clear();
    MoveList list;
    GenerateLegalMoves(root.board, root.side, *root.rules, list);
    for (int i = 0; i < list.size; ++i)
        rootMoves_.push_back(RootMove { list.moves[i], -Infinite, -Infinite, Bound::Exact, {} });
    for (Frame& f : frames_)
        f = Frame {};
    frames_[0].key = HashOf(root.board, root.side);
    frames_[0].inCheck = KingAttacked(root.board, root.side);
    path_[rootIndex_] = PastPosition { frames_[0].key, frames_[0].inCheck };
}

void StrongEngine::Worker::CountNode()
{
    const uint64_t n = nodes_.load(std::memory_order_relaxed) + 1;
    nodes_.store(n, std::memory_order_relaxed);
    if (id_ != 0)
        return;
    const SearchLimits& limits = shared_->limits;
    // With one thread a node limit is exact, so a given limit gives the same search every time.
    if (limits.nodes != 0 && shared_->TotalNodes() >= limits.nodes)
        shared_->stop->store(true, std::memory_order_relaxed);
    if (n >= nextCheck_) {
        nextCheck_ = n + CheckInterval;
        CheckLimits();
    }
}

void StrongEngine::Worker::CheckLimits()
{
    if (shared_->callbacks->poll)
        shared_->callbacks->poll();
    const SearchLimits& limits = shared_->limits;
    if (limits.timed && !shared_->pondering.load(std::memory_order_relaxed)
        && shared_->Elapsed() >= limits.time.maximum && completedDepth_ >= 1)
        shared_->stop->store(true, std::memory_order_relaxed);
}

void StrongEngine::Worker::EnterChild(
    int ply, const SearchBoard& child, int childSide, uint64_t key)
{
    Frame& f = frames_[ply + 1];
    f.key = key;
    f.inCheck = KingAttacked(child, childSide);
    f.killers[0] = f.killers[1] = SearchMove {};
    f.moveKey = -1;
    path_[rootIndex_ + size_t(ply) + 1] = PastPosition { key, f.inCheck };
}

int StrongEngine::Worker::Evaluation(const SearchBoard& b, int s, uint64_t key) const
{
    const int eval = Evaluate(b, s);
    const int noise = SkillNoise(shared_->settings.skill);
    if (noise == 0)
        return std::clamp(eval, -RuleWin + 1, RuleWin - 1);
    // A weaker player misjudges positions, but always the same position the same way, so that
    // it plays consistently rather than blundering at random.
    const uint64_t h = (key ^ GoldenGamma) * MixMultiplier1;
    const int stray = int((h >> 40) % uint64_t(2 * noise + 1)) - noise;
    return std::clamp(eval + stray, -RuleWin + 1, RuleWin - 1);
}

bool StrongEngine::Worker::RepetitionScore(int ply, int s, int& score) const
{
    const size_t here = rootIndex_ + size_t(ply);
    const size_t oldest = here > MaxRepetitionPlies ? here - MaxRepetitionPlies : 0;
    // Coming back to a position once is as good as the fourth time: the side that can repeat
    // can repeat again. A repetition the rules let go on leads nowhere and scores even.
    const RepetitionVerdict verdict = JudgeRepetition(*root_.rules,
        std::span<const PastPosition>(path_).subspan(oldest, here - oldest + 1), s, 2);
    if (!verdict.repeated)
        return false;
    score = verdict.winner == 0 ? 0 : verdict.winner == s ? RuleWin : -RuleWin;
    return true;
}

int StrongEngine::Worker::Quiesce(
    const SearchBoard& b, int s, int alpha, int beta, int ply, int qdepth)
{
    pvLength_[ply] = ply; // quiescence adds nothing to the line above it
    if (shared_->Stopped())
        return 0;
    CountNode();
    selDepth_ = std::max(selDepth_, ply);
    Frame& frame = frames_[ply];
    const bool inCheck = frame.inCheck;
    if (ply >= MaxSearchPly)
        return inCheck ? 0 : Evaluation(b, s, frame.key);

    TableEntry entry;
    const bool hit = shared_->table->Probe(frame.key, entry);
    if (hit) {
        const int score = FromTable(entry.score, ply);
        if ((entry.bound == Bound::Exact) || (entry.bound == Bound::Lower && score >= beta)
            || (entry.bound == Bound::Upper && score <= alpha))
            return score;
    }

    int best = -Infinite;
    int standPat = 0;
    MoveList list;
    if (inCheck) {
        GenerateLegalMoves(b, s, *root_.rules, list);
        if (list.size == 0)
            return -MateValue + ply;
    } else {
        standPat = hit && entry.eval != 0 ? entry.eval : Evaluation(b, s, frame.key);
        if (standPat >= beta || qdepth >= MaxQuiescencePlies)
            return standPat;
        alpha = std::max(alpha, standPat);
        best = standPat;
        GenerateTacticalMoves(b, s, list);
    }
    int earlier[2];
    EarlierMoves(ply, earlier);
    ScoreMoves(b, s, list, hit ? entry.move : 0, frame.killers, history_, continuation_, earlier);
    const int enemyKing = b.king[SideIndex(-s)];
    for (int i = 0; i < list.size; ++i) {
        const SearchMove& m = PickNext(list, i);
        if (!inCheck && !IsMateScore(alpha)) {
            // Neither a capture that cannot lift the score to alpha, nor one that loses the
            // exchange, is worth following.
            if (list.scores[i] < 0)
                continue;
            if (m.promote == 0 && b.code[m.to] != 0) {
                const int gained = CaptureGain(-b.code[m.to] * s) * CentipawnsPerUnit;
                if (standPat + gained + 200 < alpha && !GivesCheck(b, s, m, enemyKing))
                    continue;
            }
        }
        SearchBoard child = b;
        Play(child, s, m);
        EnterChild(ply, child, -s, HashOf(child, -s));
        const int score = -Quiesce(child, -s, -beta, -alpha, ply + 1, qdepth + 1);
        if (shared_->Stopped())
            return 0;
        if (score > best) {
            best = score;
            if (score > alpha) {
                alpha = score;
                if (score >= beta)
                    break;
            }
        }
    }
    return best;
}

int StrongEngine::Worker::Search(
    const SearchBoard& b, int s, int alpha, int beta, int depth, int ply, bool pvNode, bool cutNode)
{
    if (depth <= 0)
        return Quiesce(b, s, alpha, beta, ply, 0);
    const bool rootNode = ply == 0;
    pvLength_[ply] = ply; // every early answer below ends the line here
    if (shared_->Stopped())
        return 0;
    CountNode();
    if (pvNode)
        selDepth_ = std::max(selDepth_, ply + 1);
    Frame& frame = frames_[ply];
    const bool inCheck = frame.inCheck;
    const PackedMove excluded = frame.excluded;

    // Step 1. A repetition, the ply limit, and bounds no mate from here can beat.
    if (!rootNode) {
        int repeated;
        if (RepetitionScore(ply, s, repeated))
            return repeated;
        if (ply >= MaxSearchPly - 2)
            return inCheck ? 0 : Evaluation(b, s, frame.key);
        alpha = std::max(alpha, -MateValue + ply);
        beta = std::min(beta, MateValue - ply - 1);
        if (alpha >= beta)
            return alpha;
    }

    // Step 2. What the table knows.
    TableEntry entry;
    const bool hit = shared_->table->Probe(frame.key, entry);
    const int tableScore = hit ? FromTable(entry.score, ply) : 0;
    const PackedMove tableMove = rootNode && !rootMoves_.empty()
        ? Pack(rootMoves_[size_t(pvIndex_)].move)
        : hit ? entry.move
              : 0;
    if (!pvNode && excluded == 0 && hit && entry.depth >= depth
        && (entry.bound == Bound::Exact || (entry.bound == Bound::Lower && tableScore >= beta)
            || (entry.bound == Bound::Upper && tableScore <= alpha)))
        return tableScore;

    // Step 3. The static evaluation, and cutting hopeless or overwhelming positions short.
    int eval = 0;
    if (!inCheck) {
        eval = hit && entry.eval != 0 ? entry.eval : Evaluation(b, s, frame.key);
        frame.staticEval = eval;
    } else {
        frame.staticEval = -Infinite;
    }
    const bool improving = !inCheck && ply >= 2 && frames_[ply - 2].staticEval != -Infinite
        && eval > frames_[ply - 2].staticEval;

    if (!pvNode && !inCheck && excluded == 0 && !IsDecisive(beta)) {
        // Reverse futility: far above beta, a shallow search will not fall below it.
        if (depth <= 7 && eval - (80 - 20 * improving) * depth >= beta)
            return eval;
        // Razoring: far below alpha, only captures might bring it back.
        if (depth <= 3 && eval + 250 * depth < alpha) {
            const int score = Quiesce(b, s, alpha, alpha + 1, ply, 0);
            if (score <= alpha)
                return score;
        }
        // Null move: if passing still holds beta, a real move surely does.
        if (depth >= 3 && eval >= beta && ply >= 1 && !frames_[ply - 1].nullMove) {
            const int r = 3 + depth / 4 + std::min((eval - beta) / 200, 3);
            frame.nullMove = true;
            frame.moveKey = -1;
            const uint64_t key = frame.key ^ ZobristKeys.goteToMove;
            EnterChild(ply, b, -s, key);
            const int score = -Search(b, -s, -beta, -beta + 1, depth - r, ply + 1, false, !cutNode);
            frame.nullMove = false;
            if (shared_->Stopped())
                return 0;
            if (score >= beta)
                return IsDecisive(score) ? beta : score;
        }
    }
    frame.nullMove = false;

    // Step 4. Without a move from the table, a PV or cut node is searched one ply less.
    if (!rootNode && tableMove == 0 && depth >= 4 && (pvNode || cutNode))
        --depth;

    MoveList list;
    if (rootNode) {
        list.size = 0;
        for (size_t i = size_t(pvIndex_); i < rootMoves_.size(); ++i)
            list.Add(rootMoves_[i].move);
        for (int i = 0; i < list.size; ++i)
            list.scores[i] = list.size - i;
    } else {
        GenerateLegalMoves(b, s, *root_.rules, list);
        if (list.size == 0)
            return -MateValue + ply; // mated, or without a move, which also loses
        int earlier[2];
        EarlierMoves(ply, earlier);
        ScoreMoves(b, s, list, tableMove, frame.killers, history_, continuation_, earlier);
    }

    // Step 5. The moves.
    const int enemyKing = b.king[SideIndex(-s)];
    const int originalAlpha = alpha;
    int best = -Infinite;
    SearchMove bestMove {};
    int tried = 0;
    for (int i = 0; i < list.size; ++i) {
        const SearchMove m = PickNext(list, i);
        const bool quiet = IsQuiet(b, m);
        if (excluded != 0 && Pack(m) == excluded)
            continue;
        const bool givesCheck = GivesCheck(b, s, m, enemyKing);
        ++tried;

        // Near the horizon, late and futile quiet moves are not tried, nor moves that lose too
        // much in the exchange on their square.
        if (!rootNode && !inCheck && !givesCheck && !IsMateScore(best) && best > -Infinite) {
            if (quiet && depth <= 6 && tried > 3 + depth * depth * (1 + improving))
                continue;
            if (quiet && depth <= 5 && !pvNode && eval + 120 + 110 * depth <= alpha)
                continue;
            if (depth <= 6 && !ExchangeAtLeast(b, s, m, quiet ? -30 * depth * depth : -220 * depth))
                continue;
        }

        // A lone reply to a check is followed one ply further.
        int extension = inCheck && list.size == 1 ? 1 : 0;
        // The table's move, if every other move falls well short of its score, is followed one
        // ply further; if even without it the node holds beta, the node is cut at once.
        if (!rootNode && extension == 0 && depth >= 6 && tried == 1 && Pack(m) == tableMove
            && excluded == 0 && hit && entry.depth >= depth - 3 && entry.bound != Bound::Upper
            && !IsDecisive(tableScore)) {
            const int singularBeta = tableScore - 2 * depth;
            frame.excluded = Pack(m);
            const int score = Search(
                b, s, singularBeta - 1, singularBeta, (depth - 1) / 2, ply, false, cutNode);
            frame.excluded = 0;
            if (shared_->Stopped())
                return 0;
            if (score < singularBeta)
                extension = 1;
            else if (singularBeta >= beta)
                return singularBeta;
        }
        frame.moveKey = ContinuationHistory::Key(b, s, m);
        SearchBoard child = b;
        Play(child, s, m);
        EnterChild(ply, child, -s, HashOf(child, -s));

        const int newDepth = depth - 1 + extension;
        int score;
        if (tried == 1) {
            score = -Search(child, -s, -beta, -alpha, newDepth, ply + 1, pvNode, false);
        } else {
            int reduction = 0;
            if (depth >= 3 && quiet && !givesCheck && !inCheck) {
                reduction = Reductions(depth, tried);
                reduction += !pvNode;
                reduction += cutNode;
                reduction -= improving;
                if (SameMove(m, frame.killers[0]) || SameMove(m, frame.killers[1]))
                    --reduction;
                reduction -= list.scores[i] / 8000;
                reduction = std::clamp(reduction, 0, newDepth - 1);
            }
            score = -Search(
                child, -s, -alpha - 1, -alpha, newDepth - reduction, ply + 1, false, true);
            if (score > alpha && reduction > 0)
                score = -Search(child, -s, -alpha - 1, -alpha, newDepth, ply + 1, false, !cutNode);
            if (score > alpha && pvNode && (rootNode || score < beta))
                score = -Search(child, -s, -beta, -alpha, newDepth, ply + 1, true, false);
        }
        if (shared_->Stopped())
            return 0;

        if (rootNode) {
            RootMove& rm = *std::find_if(rootMoves_.begin(), rootMoves_.end(),
                [&](const RootMove& r) { return SameMove(r.move, m); });
            if (tried == 1 || score > alpha) {
                rm.score = score;
                rm.bound = score >= beta ? Bound::Lower
                    : score <= alpha     ? Bound::Upper
                                         : Bound::Exact;
                rm.pv.assign(1, m);
                for (int k = ply + 1; k < pvLength_[ply + 1]; ++k)
                    rm.pv.push_back(pv_[ply + 1][k]);
                if (tried > 1 && pvIndex_ == 0)
                    ++bestMoveChanges_;
            } else {
                rm.score = -Infinite;
            }
        }

        if (score > best) {
            best = score;
            if (score > alpha) {
                bestMove = m;
                if (pvNode) {
                    pv_[ply][ply] = m;
                    for (int k = ply + 1; k < pvLength_[ply + 1]; ++k)
                        pv_[ply][k] = pv_[ply + 1][k];
                    pvLength_[ply] = std::max(pvLength_[ply + 1], ply + 1);
                }
                if (score >= beta) {
                    if (quiet)
                        UpdateQuietStats(b, s, ply, m, list, i, depth);
                    break;
                }
                alpha = score;
            }
        }
    }

    if (excluded != 0 && best == -Infinite)
        return alpha; // the left-out move was the only one

    // Step 6. What was learnt goes to the table.
    const Bound bound = best >= beta ? Bound::Lower
        : best > originalAlpha       ? Bound::Exact
                                     : Bound::Upper;
    if (!(rootNode && pvIndex_ > 0) && excluded == 0)
        shared_->table->Store(frame.key,
            TableEntry { best > originalAlpha ? Pack(bestMove) : PackedMove(0),
                int16_t(ToTable(best, ply)), int16_t(inCheck ? 0 : eval), int8_t(depth), bound });
    return best;
}

void StrongEngine::Worker::UpdateQuietStats(const SearchBoard& b, int s, int ply,
    const SearchMove& best, const MoveList& list, int tried, int depth)
{
    Frame& frame = frames_[ply];
    if (!SameMove(frame.killers[0], best)) {
        frame.killers[1] = frame.killers[0];
        frame.killers[0] = best;
    }
    const int bonus = std::min(depth * depth * 16, 1600);
    int earlier[2];
    EarlierMoves(ply, earlier);
    const auto update = [&](const SearchMove& m, int by) {
        history_.Update(b, s, m, by);
        const int key = ContinuationHistory::Key(b, s, m);
        continuation_.Update(earlier[0], key, by);
        continuation_.Update(earlier[1], key, by);
    };
    update(best, bonus);
    for (int j = 0; j < tried; ++j)
        if (IsQuiet(b, list.moves[j]))
            update(list.moves[j], -bonus);
}

void StrongEngine::Worker::EarlierMoves(int ply, int earlier[2]) const
{
    earlier[0] = ply >= 1 ? frames_[ply - 1].moveKey : -1;
    earlier[1] = ply >= 2 ? frames_[ply - 2].moveKey : -1;
}

int StrongEngine::Worker::AspirationSearch(int depth)
{
    RootMove& line = rootMoves_[size_t(pvIndex_)];
    int delta = AspirationWindow;
    int alpha = -Infinite, beta = Infinite;
    if (depth >= 4 && line.previousScore != -Infinite && !IsDecisive(line.previousScore)) {
        alpha = std::max(line.previousScore - delta, -Infinite);
        beta = std::min(line.previousScore + delta, Infinite);
    }
    for (;;) {
        const int score = Search(root_.board, root_.side, alpha, beta, depth, 0, true, false);
        std::stable_sort(rootMoves_.begin() + pvIndex_, rootMoves_.end(),
            [](const RootMove& a, const RootMove& b) { return a.score > b.score; });
        if (shared_->Stopped())
            return score;
        if (score <= alpha) {
            beta = (alpha + beta) / 2;
            alpha = std::max(score - delta, -Infinite);
        } else if (score >= beta) {
            beta = std::min(score + delta, Infinite);
        } else {
            return score;
        }
        delta += delta / 2 + 10;
        if (delta > 1500) {
            alpha = -Infinite;
            beta = Infinite;
        }
        if (id_ == 0 && shared_->Elapsed() > 2000)
            Report(depth);
    }
}

void StrongEngine::Worker::IterativeDeepening()
{
    if (rootMoves_.empty())
        return;
    const SearchSettings& settings = shared_->settings;
    const int lastDepth
        = std::min({ shared_->limits.depth > 0 ? shared_->limits.depth : MaxSearchPly - 1,
            SkillDepth(settings.skill), MaxSearchPly - 1 });
    const int lines = std::clamp(settings.multiPV, 1, int(rootMoves_.size()));
    for (int depth = 1 + (id_ % 2); depth <= lastDepth; ++depth) {
        for (RootMove& rm : rootMoves_)
            rm.previousScore = rm.score;
        if (id_ == 0)
            bestMoveChanges_ /= 2;
        for (pvIndex_ = 0; pvIndex_ < lines; ++pvIndex_) {
            selDepth_ = 0;
            AspirationSearch(depth);
            std::stable_sort(rootMoves_.begin(), rootMoves_.begin() + pvIndex_ + 1,
                [](const RootMove& a, const RootMove& b) { return a.score > b.score; });
            if (shared_->Stopped())
                break;
        }
        pvIndex_ = 0;
        if (shared_->Stopped())
            break;
        completedDepth_ = depth;
        if (id_ != 0)
            continue;
        Report(depth);
        // An open-ended search has nothing left to find once a mate is seen to its end; it
        // waits for stop without printing the same mate at every further depth.
        if (ProvedMateAtRoot(depth) || ShouldStopAfterIteration(depth)
            || (shared_->limits.infinite && MateSeenToItsEnd(depth)))
            break;
    }
    if (id_ == 0 && !shared_->pondering.load(std::memory_order_relaxed))
        shared_->stop->store(true, std::memory_order_relaxed);
}

// A won position may still need a long mate that alpha-beta reaches only slowly; the
// proof-number solver proves many of them at once, and the proved line is then played out
// without a slip. Only a timed search at full strength asks it, so that a depth or a node limit
// stays the same search every time.
bool StrongEngine::Worker::ProvedMateAtRoot(int depth)
{
    const SearchLimits& limits = shared_->limits;
    const int score = rootMoves_[0].score;
    if (mateTried_ || !limits.timed || limits.infinite || shared_->settings.skill < 20
        || shared_->settings.multiPV > 1 || shared_->pondering.load(std::memory_order_relaxed)
        || depth < MateProofDepth || score < MateProofScore || IsMateScore(score))
        return false;
    mateTried_ = true;
    const int64_t deadline
        = std::min(shared_->Elapsed() + limits.time.optimum / 4, limits.time.maximum);
    uint64_t solverNodes = 0;
    const std::vector<SearchMove> line = ProveMateLine(
        root_,
        [&] {
            CheckLimits();
            return shared_->Stopped() || shared_->Elapsed() >= deadline;
        },
        solverNodes);
    nodes_.store(Nodes() + solverNodes, std::memory_order_relaxed);
    const auto proved = std::find_if(rootMoves_.begin(), rootMoves_.end(),
        [&](const RootMove& r) { return !line.empty() && SameMove(r.move, line[0]); });
    if (proved == rootMoves_.end())
        return false;
    std::rotate(rootMoves_.begin(), proved, proved + 1);
    rootMoves_[0].score = MateValue - int(line.size());
    rootMoves_[0].bound = Bound::Exact;
    rootMoves_[0].pv = line;
    Report(depth);
    return true;
}

bool StrongEngine::Worker::MateSeenToItsEnd(int depth) const
{
    const int score = rootMoves_[0].score;
    return IsMateScore(score) && depth >= std::abs(MatePliesOf(score)) + 2;
}

bool StrongEngine::Worker::ShouldStopAfterIteration(int depth)
{
    const SearchLimits& limits = shared_->limits;
    if (shared_->pondering.load(std::memory_order_relaxed))
        return false;
    // A forced move, or a mate for either side that the search has seen to its end.
    if (!limits.infinite && limits.timed && rootMoves_.size() == 1 && depth >= 1)
        return true;
    if (!limits.infinite && MateSeenToItsEnd(depth) && limits.depth == 0)
        return !limits.timed || shared_->Elapsed() >= limits.time.minimum;
    if (!limits.timed)
        return false;
    const int64_t elapsed = shared_->Elapsed();
    if (elapsed < limits.time.minimum)
        return false;
    // An unsettled best move earns more time; the next depth costs about twice this one.
    const double instability = 1.0 + 0.6 * bestMoveChanges_;
    return double(elapsed) >= 0.55 * double(limits.time.optimum) * instability
        || elapsed >= limits.time.maximum;
}

SearchResult StrongEngine::Worker::Result() const
{
    SearchResult r;
    if (rootMoves_.empty()) {
        r.score = -MateValue;
        return r;
    }
    const RootMove& best = rootMoves_[0];
    r.hasMove = true;
    r.best = best.move;
    r.score = best.score == -Infinite ? best.previousScore : best.score;
    if (best.pv.size() >= 2) {
        r.hasPonder = true;
        r.ponder = best.pv[1];
    }
    return r;
}

SearchInfo StrongEngine::Worker::Info() const
{
    SearchInfo info;
    info.depth = completedDepth_;
    info.selDepth = std::max(selDepth_, completedDepth_);
    info.nodes = shared_->TotalNodes();
    info.milliseconds = shared_->Elapsed();
    info.hashfull = shared_->table->Hashfull();
    const int lines = std::clamp(shared_->settings.multiPV, 1, int(rootMoves_.size()));
    for (int i = 0; i < lines; ++i) {
        const RootMove& rm = rootMoves_[size_t(i)];
        const bool fresh = rm.score != -Infinite;
        PvLine line;
        line.score = fresh ? rm.score : rm.previousScore;
        line.bound = fresh ? rm.bound : Bound::Exact;
        line.moves = rm.pv.empty() ? std::vector<SearchMove> { rm.move } : rm.pv;
        info.lines.push_back(std::move(line));
    }
    return info;
}

void StrongEngine::Worker::Report(int depth)
{
    if (!shared_->callbacks->info || rootMoves_.empty())
        return;
    // A mate is announced once: the same mate with the same first move says nothing new.
    const RootMove& best = rootMoves_[0];
    const ReportedMate mate { best.score, Pack(best.move) };
    if (IsMateScore(best.score) && best.bound == Bound::Exact && mate == reportedMate_)
        return;
    reportedMate_ = IsMateScore(best.score) ? mate : ReportedMate {};
    SearchInfo info = Info();
    info.depth = depth;
    shared_->callbacks->info(info);
}

void StrongEngine::Worker::ReportLast() { Report(completedDepth_); }
