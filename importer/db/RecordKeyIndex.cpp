#include "db/RecordKeyIndex.h"

#include "db/TriDbRecord.h"
#include "db/TriDbTemplate.h"
#include "platform/PrefaultedArray.h"

#include <algorithm>
#include <array>
#include <functional>
#include <utility>

namespace {

constexpr int32_t kEmpty = -1;
constexpr int32_t kRemoved = -2;

uint32_t HashOf(std::string_view key) {
    return static_cast<uint32_t>(std::hash<std::string_view>{}(key));
}

// Filled to three quarters at most: probe runs stay within a cache line or two.
bool Crowded(size_t used, size_t cells) {
    return 4 * used > 3 * cells;
}

// Room for an eighth more slots than expected (the records a merge adds) before the table grows.
size_t CellsFor(size_t slots) {
    return std::max<size_t>(16, (slots + slots / 8) * 4 / 3 + 1);
}

} // namespace

RecordKeyIndex::RecordKeyIndex(int keyField, const TriDbTemplate& recordTemplate, size_t expected)
    : keyField_(keyField), template_(&recordTemplate), field_(recordTemplate.GetField(keyField)) {
    ReservePrefaulted(cells_, CellsFor(expected));
    cells_.assign(CellsFor(expected), Cell{0, kEmpty});
}

// Any table size: the hash, taken as a fraction of one, scaled to the cells.
size_t RecordKeyIndex::Home(uint32_t hash) const {
    return static_cast<size_t>((uint64_t{hash} * cells_.size()) >> 32);
}

size_t RecordKeyIndex::Next(size_t at) const {
    return at + 1 == cells_.size() ? 0 : at + 1;
}

// For a 'C' field the bytes up to and including the first zero byte take part, else the whole width.
size_t RecordKeyIndex::CompareLength(std::string_view bytes) const {
    if (field_.type == 'C' && !bytes.empty()) {
        const size_t zero = bytes.find('\0');
        if (zero != std::string_view::npos)
            return zero + 1;
    }
    return bytes.size();
}

std::string_view RecordKeyIndex::KeyBytes(const TriDbRecord& record, std::string& scratch) const {
    const std::string_view bytes = record.FieldBytes(field_.offset, field_.width, scratch);
    return bytes.substr(0, CompareLength(bytes));
}

void RecordKeyIndex::Add(size_t slot, const TriDbRecord& record) {
    std::string scratch;
    Insert(HashOf(KeyBytes(record, scratch)), slot);
}

void RecordKeyIndex::Insert(uint32_t hash, size_t slot) {
    if (Crowded(used_ + 1, cells_.size()))
        Grow();
    Place({hash, static_cast<int32_t>(slot)});
    ++used_;
}

void RecordKeyIndex::Place(Cell cell) {
    size_t at = Home(cell.hash);
    while (cells_[at].slot != kEmpty)
        at = Next(at);
    cells_[at] = cell;
}

// Places the cells again in the order of their probe runs, starting after an empty cell so that no run
// is cut in two: of equal keys the lower slot stays first.
void RecordKeyIndex::Grow() {
    const std::vector<Cell> old =
        std::exchange(cells_, std::vector<Cell>(cells_.size() + cells_.size() / 2, Cell{0, kEmpty}));
    size_t start = 0;
    while (old[start].slot != kEmpty)
        ++start;
    used_ = 0;
    for (size_t n = 1; n < old.size(); ++n) {
        const Cell& cell = old[(start + n) % old.size()];
        if (cell.slot >= 0) {
            Place(cell);
            ++used_;
        }
    }
}

void RecordKeyIndex::AddAll(const Slots& records) {
    constexpr size_t kAhead = 16;
    std::array<uint32_t, kAhead> hashes{};
    std::string scratch;
    const auto hashAt = [&](size_t slot) {
        return records[slot] ? HashOf(KeyBytes(TriDbRecord::View(template_, records[slot]), scratch)) : 0;
    };
    for (size_t slot = 0; slot < std::min(kAhead, records.size()); ++slot)
        hashes[slot] = hashAt(slot);
    for (size_t slot = 0; slot < records.size(); ++slot) {
        const uint32_t hash = hashes[slot % kAhead];
        if (slot + kAhead < records.size()) {
            hashes[slot % kAhead] = hashAt(slot + kAhead);
            __builtin_prefetch(&cells_[Home(hashes[slot % kAhead])]);
        }
        if (records[slot])
            Insert(hash, slot);
    }
}

uint32_t RecordKeyIndex::HashOfProbe(const TriDbRecord& probe) const {
    std::string scratch;
    return HashOf(KeyBytes(probe, scratch));
}

void RecordKeyIndex::Prefetch(uint32_t hash, const Slots& records, Step step) const {
    size_t at = Home(hash);
    if (step == Step::Cell) {
        __builtin_prefetch(&cells_[at]);
        return;
    }
    for (; cells_[at].slot != kEmpty; at = Next(at)) {
        const Cell& cell = cells_[at];
        if (cell.hash != hash || cell.slot < 0 || static_cast<size_t>(cell.slot) >= records.size())
            continue;
        const uint8_t* const* entry = &records[static_cast<size_t>(cell.slot)];
        if (step == Step::Slot)
            __builtin_prefetch(entry);
        else if (*entry)
            __builtin_prefetch(*entry + field_.offset);
        return;
    }
}

long RecordKeyIndex::Find(const TriDbRecord& probe, const Slots& records) {
    std::string probeScratch;
    const std::string_view key = KeyBytes(probe, probeScratch);
    const uint32_t hash = HashOf(key);
    std::string scratch;
    for (size_t at = Home(hash); cells_[at].slot != kEmpty; at = Next(at)) {
        Cell& cell = cells_[at];
        if (cell.hash != hash || cell.slot == kRemoved)
            continue;
        const auto slot = static_cast<size_t>(cell.slot);
        if (slot >= records.size() || !records[slot]) {
            // A removed record: marked, so that later look-ups pass it without reading the table.
            cell.slot = kRemoved;
            continue;
        }
        if (TriDbRecord::View(template_, records[slot]).FieldBytes(field_.offset, field_.width, scratch).substr(0, key.size()) == key)
            return static_cast<long>(slot);
    }
    return -1;
}
