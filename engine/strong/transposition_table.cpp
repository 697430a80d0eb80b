#include "transposition_table.h"

#include <bit>
#include <new>

TranspositionTable::TranspositionTable(size_t megabytes)
    : mask_(std::bit_floor(std::max<size_t>(megabytes * 1024 * 1024 / sizeof(Slot) / Ways, 1)) - 1)
{
    Clear();
}

void TranspositionTable::Clear()
{
    // Fresh zeroed memory rather than a loop over the old: no search runs now, and the pages
    // are cleared by the system only as a search first touches them.
    slots_.reset();
    Slot* fresh = static_cast<Slot*>(std::calloc((mask_ + 1) * Ways, sizeof(Slot)));
    if (fresh == nullptr)
        throw std::bad_alloc();
    slots_.reset(fresh);
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
        const uint64_t data = Load(bucket[i].data);
        if ((Load(bucket[i].check) ^ data) == key && data != 0) {
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
        const uint64_t data = Load(bucket[i].data);
        if ((Load(bucket[i].check) ^ data) == key) {
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
    Save(victim->check, key ^ data);
    Save(victim->data, data);
}

int TranspositionTable::Hashfull() const
{
    constexpr int Sample = 1000;
    int used = 0;
    const size_t slots = std::min<size_t>(Sample, (mask_ + 1) * Ways);
    for (size_t i = 0; i < slots; ++i) {
        const uint64_t data = Load(slots_[i].data);
        used += data != 0 && GenerationOf(data) == (generation_ & 0x3f);
    }
    return int(used * 1000 / slots);
}
