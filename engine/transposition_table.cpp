#include "transposition_table.h"

#include <bit>

TranspositionTable::TranspositionTable(size_t megabytes)
    : mask_(std::bit_floor(std::max<size_t>(megabytes * 1024 * 1024 / sizeof(Slot) / Ways, 1)) - 1)
    , slots_(new Slot[(mask_ + 1) * Ways])
{
    Clear();
}

void TranspositionTable::Clear()
{
    for (size_t i = 0; i < (mask_ + 1) * Ways; ++i) {
        slots_[i].check.store(0, std::memory_order_relaxed);
        slots_[i].data.store(0, std::memory_order_relaxed);
    }
    generation_ = 0;
}

uint64_t TranspositionTable::Encode(const TableEntry& e, uint8_t generation)
{
    return uint64_t(e.move) | uint64_t(uint16_t(e.score)) << 16 | uint64_t(uint16_t(e.eval)) << 32
        | uint64_t(uint8_t(e.depth)) << 48 | uint64_t(generation & 0x3f) << 56
        | uint64_t(e.bound) << 62;
}

TableEntry TranspositionTable::Decode(uint64_t d)
{
    return TableEntry { PackedMove(d), int16_t(uint16_t(d >> 16)), int16_t(uint16_t(d >> 32)),
        int8_t(uint8_t(d >> 48)), Bound(d >> 62) };
}

bool TranspositionTable::Probe(uint64_t key, TableEntry& entry) const
{
    Slot* bucket = Bucket(key);
    for (int i = 0; i < Ways; ++i) {
        const uint64_t data = bucket[i].data.load(std::memory_order_relaxed);
        if ((bucket[i].check.load(std::memory_order_relaxed) ^ data) == key && data != 0) {
            entry = Decode(data);
            return true;
        }
    }
    return false;
}

void TranspositionTable::Store(uint64_t key, const TableEntry& entry)
{
    // The same position's slot, else the shallowest slot of an older search, else the shallowest.
    Slot* bucket = Bucket(key);
    Slot* victim = &bucket[0];
    int victimWorth = INT32_MAX;
    TableEntry stored = entry;
    for (int i = 0; i < Ways; ++i) {
        const uint64_t data = bucket[i].data.load(std::memory_order_relaxed);
        if ((bucket[i].check.load(std::memory_order_relaxed) ^ data) == key) {
            victim = &bucket[i];
            // A shallower result without a move keeps the move known before.
            if (stored.move == 0)
                stored.move = Decode(data).move;
            break;
        }
        const int age = uint8_t(generation_ - GenerationOf(data)) & 0x3f;
        const int worth = data == 0 ? INT32_MIN : Decode(data).depth - 8 * age;
        if (worth < victimWorth) {
            victimWorth = worth;
            victim = &bucket[i];
        }
    }
    const uint64_t data = Encode(stored, generation_);
    victim->check.store(key ^ data, std::memory_order_relaxed);
    victim->data.store(data, std::memory_order_relaxed);
}

int TranspositionTable::Hashfull() const
{
    constexpr int Sample = 1000;
    int used = 0;
    const size_t slots = std::min<size_t>(Sample, (mask_ + 1) * Ways);
    for (size_t i = 0; i < slots; ++i) {
        const uint64_t data = slots_[i].data.load(std::memory_order_relaxed);
        used += data != 0 && GenerationOf(data) == (generation_ & 0x3f);
    }
    return int(used * 1000 / slots);
}
