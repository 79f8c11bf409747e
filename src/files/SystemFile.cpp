#include "files/SystemFile.h"

#include "core/Encoding.h"
#include "core/Format.h"
#include "files/FileIo.h"

#include <algorithm>
#include <cstring>

namespace quintora {

namespace {

using namespace systemfile;

// Limits against hostile files: the largest file the program writes is far below this.
constexpr std::size_t MaxFileBytes = 64u * 1024 * 1024;
constexpr std::size_t MaxReportedUnknownBlocks = 5;

class ByteWriter {
public:
    void u8(std::uint8_t v) { bytes_.push_back(v); }
    void i16(std::int16_t v) {
        const auto u = static_cast<std::uint16_t>(v);
        u8(static_cast<std::uint8_t>(u & 0xFF));
        u8(static_cast<std::uint8_t>(u >> 8));
    }
    void i32(std::int32_t v) {
        const auto u = static_cast<std::uint32_t>(v);
        for (int shift = 0; shift < 32; shift += 8) {
            u8(static_cast<std::uint8_t>((u >> shift) & 0xFF));
        }
    }
    template <typename Range> void raw(const Range& r) {
        bytes_.insert(bytes_.end(), r.begin(), r.end());
    }
    void reserve(std::size_t n) { bytes_.reserve(n); }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

// Reads little-endian fields; every read checks what is left first.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes)
        : bytes_(bytes) {}

    std::size_t left() const { return bytes_.size() - pos_; }
    bool has(std::size_t n) const { return left() >= n; }
    std::uint8_t u8() { return bytes_[pos_++]; }
    std::int16_t i16() {
        const auto v = static_cast<std::uint16_t>(bytes_[pos_] | bytes_[pos_ + 1] << 8);
        pos_ += 2;
        return static_cast<std::int16_t>(v);
    }
    std::uint16_t u16() { return static_cast<std::uint16_t>(i16()); }
    std::int32_t i32() {
        std::uint32_t v = 0;
        for (int k = 0; k < 4; ++k) {
            v |= static_cast<std::uint32_t>(bytes_[pos_ + k]) << (8 * k);
        }
        pos_ += 4;
        return static_cast<std::int32_t>(v);
    }
    template <typename Array> void into(Array& a) {
        std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(pos_), a.size(), a.begin());
        pos_ += a.size();
    }
    std::string text(std::size_t n) {
        std::string s(reinterpret_cast<const char*>(bytes_.data() + pos_), n);
        pos_ += n;
        return s;
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

void writeFilter(ByteWriter& w, const FilterColumn& f) {
    w.raw(f.members);
    w.i32(f.acceptedHits);
    w.i16(f.active);
}

FilterColumn readFilter(ByteReader& r) {
    FilterColumn f;
    r.into(f.members);
    f.acceptedHits = r.i32();
    f.active = r.i16();
    return f;
}

constexpr std::size_t FilterRecordBytes = MainNumberCount + 4 + 2;
constexpr std::size_t HeadBytesAfterType =
    MainNumberCount + EuroNumberCount + 3 * 2 + 6 * 2 + 2 * 2 + MainNumberCount + 1 + 2 + 1;

Error refused(const std::string& reason) {
    return Error{ErrorTitle, std::string(UnreadableFileText) + "\r\n" + reason};
}

std::string listProblem(std::span<const std::uint8_t> list, int high, const char* what) {
    std::array<bool, MainNumberCount + 1> seen{};
    for (auto n : list) {
        if (n < 1 || n > high) {
            return std::string(what) + " fuori dall'intervallo 1.." + std::to_string(high) + ": " +
                   std::to_string(n);
        }
        if (seen[n]) {
            return std::string(what) + " ripetuto: " + std::to_string(n);
        }
        seen[n] = true;
    }
    return {};
}

} // namespace

std::vector<std::uint8_t> encodeSystemFile(const SystemState& s) {
    ByteWriter w;
    w.reserve(200 + s.columns.size() * 5 + static_cast<std::size_t>(s.filterCount) * 60);
    w.raw(std::string_view(Identifier, 11));

    const auto& h = s.header;
    w.u8(h.numbersInPlayCount);
    w.u8(h.euroCount);
    w.i32(s.columnCount());
    std::string type = windows1252FromUtf8(h.systemType);
    type.resize(std::min<std::size_t>(type.size(), 0xFFFF));
    w.i16(static_cast<std::int16_t>(static_cast<std::uint16_t>(type.size())));
    w.raw(type);
    w.raw(h.numbersInPlay);
    w.raw(h.euroNumbers);

    const auto& c = s.conditions;
    w.i16(c.evenOddActive);
    w.i16(c.sumActive);
    w.i16(c.fixedActive);
    for (auto f : c.evenCountAllowed) {
        w.i16(f);
    }
    w.i16(c.sumFrom);
    w.i16(c.sumTo);
    w.raw(c.fixedNumbers);
    w.u8(c.fixedCount);
    w.i16(c.reducedActive);
    w.u8(c.reducedN);

    for (const auto& col : s.columns) {
        w.raw(col);
    }

    const bool optional = s.filterCount >= 1 || isOn(s.consecutive.consecutiveActive) ||
                          isOn(s.minimumDistance.minDistanceActive) ||
                          isOn(s.excluded.excludedActive);
    if (optional) {
        w.i32(ConditionsMarker);
        if (isOn(s.minimumDistance.minDistanceActive)) {
            w.i32(BlockMinimumDistance);
            w.u8(s.minimumDistance.minDistance);
            w.i16(s.minimumDistance.minDistanceActive);
        }
        const int filters = std::clamp(s.filterCount, 0, MaxFilterColumns);
        for (int i = 0; i < filters; ++i) {
            if (isOn(s.filters[i].active)) {
                w.i32(BlockFilterColumn);
                writeFilter(w, s.filters[i]);
            }
        }
        if (isOn(s.consecutive.consecutiveActive)) {
            w.i32(BlockConsecutive);
            w.i32(s.consecutive.allowedRuns);
            w.i16(s.consecutive.consecutiveActive);
        }
        if (isOn(s.excluded.excludedActive)) {
            const int count = std::clamp(s.excluded.excludedCount, 0, MaxExcluded);
            w.i32(BlockExcluded);
            w.i32(count);
            for (int i = 0; i < count; ++i) {
                w.raw(s.excluded.excludedColumns[i]);
            }
        }
        w.i32(BlockEnd1);
        w.i32(BlockEnd2);
    }
    return w.take();
}

Result<LoadedSystem> decodeSystemFile(std::span<const std::uint8_t> bytes) {
    ByteReader r(bytes);
    if (!r.has(11) || std::memcmp(bytes.data(), Identifier, 11) != 0) {
        return Error{ErrorTitle, UnreadableFileText};
    }
    r.text(11);

    LoadedSystem loaded;
    auto& s = loaded.state;
    auto& h = s.header;
    auto& c = s.conditions;

    if (!r.has(1 + 1 + 4 + 2)) {
        return refused("Il file e' incompleto: termina dentro l'intestazione.");
    }
    h.numbersInPlayCount = r.u8();
    h.euroCount = r.u8();
    const std::int32_t columnCount = r.i32();
    const std::uint16_t typeLength = r.u16();
    if (!r.has(typeLength + HeadBytesAfterType)) {
        return refused("Il file e' incompleto: termina dentro l'intestazione.");
    }
    h.systemType = utf8FromWindows1252(r.text(typeLength));
    r.into(h.numbersInPlay);
    r.into(h.euroNumbers);
    c.evenOddActive = r.i16();
    c.sumActive = r.i16();
    c.fixedActive = r.i16();
    for (auto& f : c.evenCountAllowed) {
        f = r.i16();
    }
    c.sumFrom = r.i16();
    c.sumTo = r.i16();
    r.into(c.fixedNumbers);
    c.fixedCount = r.u8();
    c.reducedActive = r.i16();
    c.reducedN = r.u8();

    if (h.numbersInPlayCount > MainNumberCount) {
        return refused("Il file dichiara " + std::to_string(h.numbersInPlayCount) +
                       " numeri in gioco; al massimo sono 50.");
    }
    if (h.euroCount > EuroNumbersPerSystem) {
        return refused("Il file dichiara " + std::to_string(h.euroCount) +
                       " Euro numeri; al massimo sono 2.");
    }
    if (auto p = listProblem(numbersInPlay(h), MainNumberCount, "Numero in gioco"); !p.empty()) {
        return refused(p + ".");
    }
    if (auto p = listProblem(euroNumbers(h), EuroNumberCount, "Euro numero"); !p.empty()) {
        return refused(p + ".");
    }
    if (columnCount < 0 || columnCount > MaxColumns) {
        return refused("Il file dichiara " + formatCount(columnCount) +
                       " colonne; al massimo se ne possono leggere " + formatCount(MaxColumns) +
                       ".");
    }
    if (!r.has(static_cast<std::size_t>(columnCount) * 5)) {
        return refused("Il file e' incompleto: contiene " +
                       formatCount(static_cast<double>(r.left() / 5)) + " delle " +
                       formatCount(columnCount) + " colonne dichiarate.");
    }
    s.columns.resize(static_cast<std::size_t>(columnCount));
    for (auto& col : s.columns) {
        r.into(col);
    }

    if (!r.has(4) || r.i32() != ConditionsMarker) {
        return loaded;
    }
    std::size_t unknownBlocks = 0;
    auto cutShort = [&] {
        loaded.warnings.push_back(
            "Il file termina dentro una condizione: la condizione incompleta e' stata ignorata.");
    };
    while (r.has(4)) {
        const std::int32_t type = r.i32();
        if (type == BlockEnd1 || type == BlockEnd2) {
            break;
        }
        if (type == BlockMinimumDistance) {
            if (!r.has(3)) {
                cutShort();
                break;
            }
            s.minimumDistance.minDistance = r.u8();
            s.minimumDistance.minDistanceActive = r.i16();
        } else if (type == BlockFilterColumn || type == BlockSecondFilterList) {
            if (!r.has(FilterRecordBytes)) {
                cutShort();
                break;
            }
            const FilterColumn f = readFilter(r);
            // A switched-off filter column takes no part in development and is not saved.
            if (type == BlockFilterColumn && isOn(f.active)) {
                if (s.filterCount >= MaxFilterColumns) {
                    return refused("Il file contiene piu' di " + formatCount(MaxFilterColumns) +
                                   " colonne filtro.");
                }
                s.filters[s.filterCount++] = f;
            }
        } else if (type == BlockConsecutive) {
            if (!r.has(6)) {
                cutShort();
                break;
            }
            s.consecutive.allowedRuns = r.i32();
            s.consecutive.consecutiveActive = r.i16();
        } else if (type == BlockExcluded) {
            if (!r.has(4)) {
                cutShort();
                break;
            }
            const std::int32_t count = r.i32();
            if (count < 0 || count > MaxExcluded) {
                return refused("Il file dichiara " + formatCount(count) +
                               " colonne escluse; al massimo sono " + formatCount(MaxExcluded) +
                               ".");
            }
            if (!r.has(static_cast<std::size_t>(count) * 5)) {
                cutShort();
                break;
            }
            s.excluded.excludedColumns.fill(Column{});
            for (int i = 0; i < count; ++i) {
                r.into(s.excluded.excludedColumns[i]);
            }
            s.excluded.excludedCount = count;
            s.excluded.excludedActive = FlagOn;
        } else {
            if (++unknownBlocks <= MaxReportedUnknownBlocks) {
                loaded.warnings.push_back("Condizione non riconosciuta\r\nID : " +
                                          std::to_string(type));
            }
        }
    }
    if (unknownBlocks > MaxReportedUnknownBlocks) {
        loaded.warnings.push_back("Condizione non riconosciuta\r\n" +
                                  std::to_string(unknownBlocks - MaxReportedUnknownBlocks) +
                                  " altre condizioni non riconosciute sono state ignorate.");
    }
    return loaded;
}

Status saveSystemFile(const std::string& path, const SystemState& state) {
    if (path.empty()) {
        return success();
    }
    const auto bytes = encodeSystemFile(state);
    return writeFileAtomically(path, bytes);
}

Result<LoadedSystem> readSystemFile(const std::string& path) {
    std::string clean;
    std::copy_if(path.begin(), path.end(), std::back_inserter(clean),
                 [](char ch) { return ch != '"'; });
    auto bytes = readWholeFile(clean, MaxFileBytes);
    if (!bytes) {
        return Error{ErrorTitle, bytes.error().message};
    }
    return decodeSystemFile(bytes.value());
}

void adoptLoadedSystem(SystemState& state, SystemState&& loaded) {
    SystemState& s = loaded;
    s.guiLocked = 0;
    s.stopRequested = state.stopRequested;
    s.systemPath = std::move(state.systemPath);
    s.systemFileName = std::move(state.systemFileName);
    s.costPerColumn = state.costPerColumn;
    s.developmentStart = state.developmentStart;
    state = std::move(s);
}

} // namespace quintora
