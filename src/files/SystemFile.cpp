#include "files/SystemFile.h"

#include "core/Encoding.h"
#include "core/Format.h"
#include "files/BinaryIo.h"
#include "files/FileIo.h"
#include "files/PieceWriter.h"

#include <algorithm>
#include <cstring>

namespace quintora {

namespace {

using namespace systemfile;

// Limits against hostile files: the largest file the program writes is far below this.
constexpr std::size_t MaxFileBytes = 64u * 1024 * 1024;
constexpr std::size_t MaxReportedUnknownBlocks = 5;
constexpr std::size_t IdentifierBytes = sizeof Identifier - 1;
constexpr int EvenCountFlags = NumbersPerColumn + 1; // one flag per even count 0..5

std::span<const std::uint8_t> bytesOf(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// A file holds a flag as -1 (on) or 0 (off); any other nonzero value reads as on.
using Flag = std::int16_t;
constexpr Flag FlagOn = -1;
constexpr Flag FlagOff = 0;
constexpr bool isOn(Flag f) {
    return f != 0;
}
constexpr Flag storedFlag(bool on) {
    return on ? FlagOn : FlagOff;
}

// Sets of numbers 1..50 are stored as 50 bytes, entry n-1 being 1 when n is a member.
std::array<std::uint8_t, MainNumberCount> storedMarks(NumberSet numbers) {
    std::array<std::uint8_t, MainNumberCount> marks{};
    for (int n = 1; n <= MainNumberCount; ++n) {
        marks[static_cast<std::size_t>(n - 1)] = numbers.contains(n) ? 1 : 0;
    }
    return marks;
}

// Only an entry of exactly 1 marks a member: the development never counted other values.
NumberSet markedNumbers(std::span<const std::uint8_t, MainNumberCount> marks) {
    NumberSet numbers;
    for (int n = 1; n <= MainNumberCount; ++n) {
        if (marks[static_cast<std::size_t>(n - 1)] == 1) {
            numbers.insert(n);
        }
    }
    return numbers;
}

// A number list as the file keeps it: ascending from the first entry, zeros behind; returns
// the count written beside it.
template <std::size_t N>
std::uint8_t storedList(std::array<std::uint8_t, N>& list, NumberSet numbers) {
    std::size_t count = 0;
    for (const int n : numbers) {
        if (count < N) {
            list[count++] = static_cast<std::uint8_t>(n);
        }
    }
    return static_cast<std::uint8_t>(count);
}

// ---- Writing, section by section ----
// The head is written as pieces that a file opened and saved unchanged keeps as it held them
// (see KeptPieces): the sizes of the head's pieces, the system type's (2 + its length) aside.
constexpr std::array<std::size_t, 15> HeadPieceSizes{2,  4, 0, 50, 10, 2, 2, 2,
                                                     12, 2, 2, 50, 1,  2, 1};
constexpr std::size_t SystemTypePiece = 2;

void writeHead(PieceWriter& p, const SystemState& s) {
    const auto& h = s.header;
    std::array<std::uint8_t, MainNumberCount> numbers{};
    std::array<std::uint8_t, EuroListSlots> euros{};
    const auto numberCount = storedList(numbers, h.numbers());
    const auto euroCount = storedList(euros, h.euros());
    p.piece([&](ByteWriter& w) {
        w.u8(numberCount);
        w.u8(euroCount);
    });
    p.piece([&](ByteWriter& w) { w.i32(s.columnCount()); });
    p.piece([&](ByteWriter& w) {
        std::string type = windows1252FromUtf8(h.systemType);
        type.resize(std::min<std::size_t>(type.size(), 0xFFFF));
        w.u16(static_cast<std::uint16_t>(type.size()));
        w.bytes(bytesOf(type));
    });
    p.piece([&](ByteWriter& w) { w.bytes(numbers); });
    p.piece([&](ByteWriter& w) { w.bytes(euros); });
}

void writeConditionGroups(PieceWriter& p, const ConditionSet& c) {
    const auto flag = [&p](bool on) {
        p.piece([on](ByteWriter& w) { w.i16(storedFlag(on)); });
    };
    flag(c.evenOddOn());
    flag(c.sumOn());
    flag(c.fixedOn());
    p.piece([&](ByteWriter& w) {
        for (int k = 0; k < EvenCountFlags; ++k) {
            w.i16(storedFlag(c.evenCounts().contains(k)));
        }
    });
    p.piece([&](ByteWriter& w) { w.i16(c.sumFrom); });
    p.piece([&](ByteWriter& w) { w.i16(c.sumTo); });
    p.piece([&](ByteWriter& w) { w.bytes(storedMarks(c.fixed())); });
    p.piece([&](ByteWriter& w) { w.u8(static_cast<std::uint8_t>(c.fixedCount())); });
    flag(c.reducedOn());
    p.piece([&](ByteWriter& w) { w.u8(c.reducedN); });
}

void writeColumns(ByteWriter& w, std::span<const Column> columns) {
    for (const auto& col : columns) {
        w.bytes(col);
    }
}

void writeFilter(ByteWriter& w, const FilterColumn& f) {
    w.bytes(storedMarks(f.memberSet()));
    w.i32(static_cast<std::int32_t>(f.hits().bits()));
    w.i16(storedFlag(f.on()));
}

bool hasConditionsSection(const SystemState& s) {
    return s.filterCount >= 1 || s.consecutive.on() || s.minimumDistance.on() || s.excluded.on();
}

// The typed blocks in the writer's order; switched-off filter columns are not written.
void writeConditionsSection(ByteWriter& w, const SystemState& s) {
    w.i32(ConditionsMarker);
    if (s.minimumDistance.on()) {
        w.i32(BlockMinimumDistance);
        w.u8(s.minimumDistance.minDistance);
        w.i16(FlagOn);
    }
    const int filters = std::clamp(s.filterCount, 0, MaxFilterColumns);
    for (int i = 0; i < filters; ++i) {
        if (s.filters[i].on()) {
            w.i32(BlockFilterColumn);
            writeFilter(w, s.filters[i]);
        }
    }
    if (s.consecutive.on()) {
        w.i32(BlockConsecutive);
        w.i32(static_cast<std::int32_t>(s.consecutive.runs().bits()));
        w.i16(FlagOn);
    }
    if (s.excluded.on()) {
        const auto columns = s.excluded.columns();
        w.i32(BlockExcluded);
        w.i32(static_cast<std::int32_t>(columns.size()));
        writeColumns(w, columns);
    }
    w.i32(BlockEnd1);
    w.i32(BlockEnd2);
}

// ---- Reading, section by section: each reads over the checked reader, then looks at ok() ----

Error refused(Message reason) {
    return Error{ErrorTitle, Message::lines({UnreadableFileText, std::move(reason)})};
}

// The entries for a number out of range and a repeated number of the list.
struct ListEntries {
    TextId outOfRange;
    TextId repeated;
};
constexpr ListEntries NumbersInPlayEntries{text::NumberInPlayOutOfRange,
                                           text::NumberInPlayRepeated};
constexpr ListEntries EuroNumbersEntries{text::EuroNumberOutOfRange, text::EuroNumberRepeated};

std::optional<Message> listProblem(std::span<const std::uint8_t> list, int high,
                                   ListEntries entries) {
    std::array<bool, MainNumberCount + 1> seen{};
    for (auto n : list) {
        if (n < 1 || n > high) {
            return Message{entries.outOfRange, {std::to_string(high), std::to_string(n)}};
        }
        if (seen[n]) {
            return Message{entries.repeated, {std::to_string(n)}};
        }
        seen[n] = true;
    }
    return std::nullopt;
}

bool readIdentifier(ByteReader& r) {
    return r.text(IdentifierBytes) == std::string_view(Identifier, IdentifierBytes) && r.ok();
}

// The head as the file stores it: the lists with their counts beside them, the entries behind
// a count unused.
struct StoredHead {
    std::uint8_t numberCount = 0;
    std::uint8_t euroCount = 0;
    std::int32_t columnCount = 0;
    std::string systemType;
    std::array<std::uint8_t, MainNumberCount> numbers{};
    std::array<std::uint8_t, EuroListSlots> euros{};

    std::span<const std::uint8_t> numberList() const {
        return std::span(numbers).first(std::min<std::size_t>(numberCount, numbers.size()));
    }
    std::span<const std::uint8_t> euroList() const {
        return std::span(euros).first(std::min<std::size_t>(euroCount, euros.size()));
    }
};

StoredHead readHead(ByteReader& r) {
    StoredHead h;
    h.numberCount = r.u8();
    h.euroCount = r.u8();
    h.columnCount = r.i32();
    const std::uint16_t typeLength = r.u16();
    h.systemType = utf8FromWindows1252(r.text(typeLength));
    r.take(h.numbers);
    r.take(h.euros);
    return h;
}

// The stored count of fixed numbers is not kept: the program always writes the number of
// marks, and the marks alone say which numbers a column must hold.
void readConditionGroups(ByteReader& r, ConditionSet& c) {
    c.setEvenOddOn(isOn(r.i16()));
    c.setSumOn(isOn(r.i16()));
    c.setFixedOn(isOn(r.i16()));
    CountSet evenCounts;
    for (int k = 0; k < EvenCountFlags; ++k) {
        evenCounts.set(k, isOn(r.i16()));
    }
    c.setEvenCounts(evenCounts);
    c.sumFrom = r.i16();
    c.sumTo = r.i16();
    std::array<std::uint8_t, MainNumberCount> fixed{};
    r.take(fixed);
    c.setFixed(markedNumbers(fixed));
    r.u8();
    c.setReducedOn(isOn(r.i16()));
    c.reducedN = r.u8();
}

std::optional<Message> headProblem(const StoredHead& h) {
    const std::int32_t columnCount = h.columnCount;
    if (h.numberCount > MainNumberCount) {
        return Message{text::FileTooManyNumbersInPlay, {std::to_string(h.numberCount)}};
    }
    if (h.euroCount > EuroNumbersPerSystem) {
        return Message{text::FileTooManyEuroNumbers, {std::to_string(h.euroCount)}};
    }
    // The file's sentence ends with a full stop; the list's entries have none.
    if (auto p = listProblem(h.numberList(), MainNumberCount, NumbersInPlayEntries)) {
        return Message::lines({std::move(*p), "."}, "");
    }
    if (auto p = listProblem(h.euroList(), GameRules::widest().euroMax(), EuroNumbersEntries)) {
        return Message::lines({std::move(*p), "."}, "");
    }
    if (columnCount < 0 || columnCount > MaxColumns) {
        return Message{text::FileTooManyColumns,
                       {Message::count(columnCount), Message::count(MaxColumns)}};
    }
    return std::nullopt;
}

// `storage`, when given, is the table whose own storage holds the file's bytes (readSystemFile
// reads the file there): the columns move to its front and it becomes the table, so a large
// system is neither copied nor held twice.
Status readColumnTable(ByteReader& r, std::int32_t count, std::vector<Column>& columns,
                       std::vector<Column>* storage) {
    const auto wanted = static_cast<std::size_t>(count);
    if (!r.has(wanted * NumbersPerColumn)) {
        return refused(Message{text::FileMissesColumns,
                               {Message::count(static_cast<long long>(r.left() / NumbersPerColumn)),
                                Message::count(count)}});
    }
    // The table is stored as it lies in memory: five bytes a column, read in one piece.
    static_assert(sizeof(Column) == NumbersPerColumn);
    const std::size_t bytes = wanted * NumbersPerColumn;
    if (storage != nullptr) {
        // The bytes after the table (the conditions section) stay where they are; the storage
        // becomes the table once they are read.
        auto* front = reinterpret_cast<std::uint8_t*>(storage->data());
        std::memmove(front, front + r.position(), bytes);
        r.skip(bytes);
        return success();
    }
    columns.resize(wanted);
    r.take(std::span(reinterpret_cast<std::uint8_t*>(columns.data()), bytes));
    return success();
}

// One block of the conditions section after its type.
enum class BlockRead { Kept, CutShort };

BlockRead readMinimumDistance(ByteReader& r, MinimumDistance& out) {
    MinimumDistance d;
    d.minDistance = r.u8();
    d.setOn(isOn(r.i16()));
    if (!r.ok()) {
        return BlockRead::CutShort;
    }
    out = d;
    return BlockRead::Kept;
}

BlockRead readConsecutive(ByteReader& r, ConsecutiveCondition& out) {
    // Bits other than 1..5 stand for no run a column can have.
    ConsecutiveCondition c;
    c.setRuns(CountSet::fromBits(static_cast<std::uint32_t>(r.i32())));
    c.setOn(isOn(r.i16()));
    if (!r.ok()) {
        return BlockRead::CutShort;
    }
    out = c;
    return BlockRead::Kept;
}

// A filter column; switched-off ones take no part in a development, so they are dropped
// and the table holds the switched-on ones in the file's order, as a save writes them.
Result<BlockRead> readFilterColumn(ByteReader& r, std::int32_t type, SystemState& s) {
    std::array<std::uint8_t, MainNumberCount> members{};
    r.take(members);
    const std::int32_t hits = r.i32();
    const bool on = isOn(r.i16());
    if (!r.ok()) {
        return BlockRead::CutShort;
    }
    if (type != BlockFilterColumn || !on) {
        return BlockRead::Kept; // read over
    }
    if (s.filterCount >= MaxFilterColumns) {
        return refused(Message{text::FileTooManyFilterColumns, {Message::count(MaxFilterColumns)}});
    }
    // Bits above 5 stand for no hit count a column can have.
    auto& f = s.filters[static_cast<std::size_t>(s.filterCount++)];
    f.setMembers(markedNumbers(members));
    f.setHits(CountSet::fromBits(static_cast<std::uint32_t>(hits)));
    f.setOn(true);
    return BlockRead::Kept;
}

Result<BlockRead> readExcluded(ByteReader& r, ExcludedSet& out) {
    const std::int32_t count = r.i32();
    if (!r.ok()) {
        return BlockRead::CutShort;
    }
    if (count < 0 || count > MaxExcluded) {
        return refused(Message{text::FileTooManyExcludedColumns,
                               {Message::count(count), Message::count(MaxExcluded)}});
    }
    if (!r.has(static_cast<std::size_t>(count) * NumbersPerColumn)) {
        return BlockRead::CutShort;
    }
    std::vector<Column> columns(static_cast<std::size_t>(count));
    for (auto& col : columns) {
        r.take(col);
    }
    out.setColumns(columns);
    out.setOn(true);
    return BlockRead::Kept;
}

// Reads typed blocks up to an end value or the end of the file. A block cut by the end of
// the file is dropped with a warning; unknown blocks are reported (a flood is summed up).
Status readConditionsSection(ByteReader& r, LoadedSystem& loaded) {
    auto& s = loaded.state;
    std::size_t unknownBlocks = 0;
    while (r.has(4)) {
        const std::int32_t type = r.i32();
        if (type == BlockEnd1 || type == BlockEnd2) {
            break;
        }
        Result<BlockRead> block = BlockRead::Kept;
        if (type == BlockMinimumDistance) {
            block = readMinimumDistance(r, s.minimumDistance);
        } else if (type == BlockFilterColumn || type == BlockSecondFilterList) {
            block = readFilterColumn(r, type, s);
        } else if (type == BlockConsecutive) {
            block = readConsecutive(r, s.consecutive);
        } else if (type == BlockExcluded) {
            block = readExcluded(r, s.excluded);
        } else if (++unknownBlocks <= MaxReportedUnknownBlocks) {
            loaded.warnings.push_back(
                Message::lines({Message{text::UnknownCondition}, "ID : " + std::to_string(type)}));
        }
        if (!block) {
            return block.error();
        }
        if (block.value() == BlockRead::CutShort) {
            loaded.warnings.push_back(Message{text::FileEndsInCondition});
            break;
        }
    }
    if (unknownBlocks > MaxReportedUnknownBlocks) {
        loaded.warnings.push_back(
            Message::lines({Message{text::UnknownCondition},
                            Message{text::MoreUnknownConditions,
                                    {std::to_string(unknownBlocks - MaxReportedUnknownBlocks)}}}));
    }
    return success();
}

} // namespace

namespace {

// Everything behind the identifier: the head's pieces, the columns, and what follows them as
// one last piece (the conditions section, or nothing).
void writeSystem(PieceWriter& p, const SystemState& s) {
    writeHead(p, s);
    writeConditionGroups(p, s.conditions);
    p.plain([&](ByteWriter& w) { writeColumns(w, s.columns); });
    p.piece([&](ByteWriter& w) {
        if (hasConditionsSection(s)) {
            writeConditionsSection(w, s);
        }
    });
}

// The file's own bytes of every piece beside the program's for the state as read. `head` is
// the file from the end of the identifier to the columns, `tail` what follows the columns.
KeptPieces keptPieces(const SystemState& state, std::span<const std::uint8_t> head,
                      std::span<const std::uint8_t> tail) {
    std::vector<std::vector<std::uint8_t>> normal;
    PieceWriter record(normal);
    writeSystem(record, state);
    KeptPieces kept;
    if (normal.size() != HeadPieceSizes.size() + 1) {
        return kept;
    }
    std::size_t at = 0;
    for (std::size_t i = 0; i < HeadPieceSizes.size(); ++i) {
        std::size_t size = HeadPieceSizes[i];
        if (i == SystemTypePiece) {
            size = 2 + (head.size() > at + 1 ? (head[at] | (head[at + 1] << 8)) : 0);
        }
        if (at + size > head.size()) {
            return KeptPieces{};
        }
        kept.add(std::move(normal[i]), head.subspan(at, size));
        at += size;
    }
    kept.add(std::move(normal.back()), tail);
    return kept;
}

} // namespace

std::vector<std::uint8_t> encodeSystemFile(const SystemState& s, const KeptPieces& kept) {
    ByteWriter w;
    w.reserve(200 + s.columns.size() * NumbersPerColumn +
              static_cast<std::size_t>(std::max(s.filterCount, 0)) * 62);
    for (const char c : std::string_view(Identifier, IdentifierBytes)) {
        w.u8(static_cast<std::uint8_t>(c));
    }
    PieceWriter p(w, &kept);
    writeSystem(p, s);
    return w.take();
}

std::vector<std::uint8_t> encodeSystemFile(const SystemState& s) {
    return encodeSystemFile(s, KeptPieces{});
}

namespace {

Result<LoadedSystem> decode(std::span<const std::uint8_t> bytes, std::vector<Column>* storage) {
    ByteReader r(bytes);
    if (!readIdentifier(r)) {
        return Error{ErrorTitle, UnreadableFileText};
    }
    LoadedSystem loaded;
    auto& s = loaded.state;
    const StoredHead head = readHead(r);
    readConditionGroups(r, s.conditions);
    if (!r.ok()) {
        return refused(Message{text::FileEndsInHeader});
    }
    if (auto problem = headProblem(head)) {
        return refused(std::move(*problem));
    }
    const std::int32_t columnCount = head.columnCount;
    s.header.systemType = head.systemType;
    s.header.setNumbers(NumberSet::of(head.numberList()));
    s.header.setEuros(NumberSet::of(head.euroList()));
    // Taken before the columns move over the head in `storage`.
    const std::vector<std::uint8_t> headBytes(bytes.begin() + IdentifierBytes,
                                              bytes.begin() + static_cast<long>(r.position()));
    if (auto table = readColumnTable(r, columnCount, s.columns, storage); !table) {
        return table.error();
    }
    const auto tailBytes = bytes.subspan(r.position());
    const std::vector<std::uint8_t> tail(tailBytes.begin(), tailBytes.end());
    // Anything after the columns that is not the section's marker is not ours: ignored, and
    // kept for a save.
    if (r.has(4) && r.i32() == ConditionsMarker) {
        if (auto section = readConditionsSection(r, loaded); !section) {
            return section.error();
        }
    }
    if (storage != nullptr) {
        storage->resize(static_cast<std::size_t>(columnCount));
        s.columns = std::move(*storage);
    }
    loaded.kept = keptPieces(s, headBytes, tail);
    return loaded;
}

} // namespace

Result<LoadedSystem> decodeSystemFile(std::span<const std::uint8_t> bytes) {
    return decode(bytes, nullptr);
}

Status saveSystemFile(const std::string& path, const SystemState& state) {
    PosixSaveDevice device;
    return saveSystemFile(path, state, device);
}

Status saveSystemFile(const std::string& path, const SystemState& state, SaveDevice& device) {
    return writeFileAtomically(path, encodeSystemFile(state), device);
}

Status saveSystemFile(const std::string& path, const SystemState& state, const KeptPieces& kept) {
    return writeFileAtomically(path, encodeSystemFile(state, kept));
}

Result<LoadedSystem> readSystemFile(const std::string& path) {
    std::string clean;
    std::copy_if(path.begin(), path.end(), std::back_inserter(clean),
                 [](char ch) { return ch != '"'; });
    // The file is read straight into the storage of the column table it holds.
    std::vector<Column> table;
    auto got = readWholeFileInto(clean, MaxFileBytes, [&table](std::size_t size) {
        table.resize(size / NumbersPerColumn + 1);
        return std::span(reinterpret_cast<std::uint8_t*>(table.data()), size);
    });
    if (!got) {
        return Error{ErrorTitle, got.error().what};
    }
    return decode(std::span(reinterpret_cast<const std::uint8_t*>(table.data()), got.value()),
                  &table);
}

} // namespace quintora
