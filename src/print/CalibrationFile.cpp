#include "print/CalibrationFile.h"

#include "core/Encoding.h"
#include "files/BinaryIo.h"
#include "files/FileIo.h"
#include "settings/Settings.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <system_error>

namespace quintora {

namespace {

constexpr std::uint16_t IntegerTypeCode = 2;
constexpr float LargestMeasure = 300.0F;

Error damaged(TextId reason) {
    return Error{Message{text::ErrorTitle},
                 Message{text::CalibrationFileDamaged, {Message{reason}}}};
}

void padRecord(ByteWriter& out, std::size_t record) {
    while (out.size() < record * CalibrationRecordSize) {
        out.u8(0);
    }
}

std::array<float*, 8> measures(SlipLayout& l) {
    return {&l.spacingX, &l.spacingY, &l.gridTop, &l.gridLeft,
            &l.headerX,  &l.headerY,  &l.nameX,   &l.nameY};
}

constexpr std::size_t RecordCount = 10;

// The ten records of a file's bytes, as far as it holds them; the last runs to the end.
std::array<std::span<const std::uint8_t>, RecordCount>
recordsOf(std::span<const std::uint8_t> bytes) {
    std::array<std::span<const std::uint8_t>, RecordCount> records;
    for (std::size_t k = 0; k < RecordCount; ++k) {
        const std::size_t start = std::min(bytes.size(), k * CalibrationRecordSize);
        const std::size_t end = k + 1 == RecordCount
                                    ? bytes.size()
                                    : std::min(bytes.size(), (k + 1) * CalibrationRecordSize);
        records[k] = bytes.subspan(start, end - start);
    }
    return records;
}

} // namespace

std::string calibrationPath(const std::string& dataFolder, SlipType type) {
    return (std::filesystem::path(dataFolder) / calibrationFileName(type)).string();
}

std::string standardCalibrationPath(SlipType type) {
    return calibrationPath(std::filesystem::path(standardSettingsPath()).parent_path().string(),
                           type);
}

std::vector<std::uint8_t> encodeCalibration(const SlipLayout& layout) {
    SlipLayout copy = layout;
    ByteWriter out;
    std::size_t record = 0;
    for (const float* m : measures(copy)) {
        padRecord(out, record++);
        out.f32(*m);
    }
    padRecord(out, record++);
    out.u16(IntegerTypeCode);
    out.i16(layout.printQuality);
    padRecord(out, record);
    std::string name = windows1252FromUtf8(layout.printerName);
    if (name.size() > 65535) {
        name.resize(65535);
    }
    out.u16(static_cast<std::uint16_t>(name.size()));
    out.bytes(std::span(reinterpret_cast<const std::uint8_t*>(name.data()), name.size()));
    return out.take();
}

std::vector<std::uint8_t> encodeCalibration(const SlipLayout& layout, const KeptPieces& kept) {
    const auto normal = encodeCalibration(layout);
    const auto records = recordsOf(normal);
    std::array<std::span<const std::uint8_t>, RecordCount> chosen;
    // Each value sits at a fixed offset: a record the file holds cut short (it ended early)
    // stays so only while nothing is written after it.
    bool bytesAfter = false;
    for (std::size_t k = RecordCount; k-- > 0;) {
        chosen[k] = kept.choose(k, records[k]);
        if (chosen[k].size() != records[k].size() && bytesAfter) {
            chosen[k] = records[k];
        }
        bytesAfter = bytesAfter || !chosen[k].empty();
    }
    std::vector<std::uint8_t> out;
    for (const auto& record : chosen) {
        out.insert(out.end(), record.begin(), record.end());
    }
    return out;
}

Result<StoredCalibration> decodeStoredCalibration(std::span<const std::uint8_t> bytes) {
    auto layout = decodeCalibration(bytes);
    if (!layout) {
        return layout.error();
    }
    StoredCalibration stored{std::move(layout.value()), {}};
    const auto normal = encodeCalibration(stored.layout);
    const auto normalRecords = recordsOf(normal);
    const auto found = recordsOf(bytes);
    for (std::size_t k = 0; k < RecordCount; ++k) {
        stored.kept.add({normalRecords[k].begin(), normalRecords[k].end()}, found[k]);
    }
    return stored;
}

Result<SlipLayout> decodeCalibration(std::span<const std::uint8_t> bytes) {
    if (bytes.size() > MaxCalibrationFileSize) {
        return damaged(text::CalibrationTooLarge);
    }
    SlipLayout layout;
    std::size_t record = 0;
    for (float* m : measures(layout)) {
        const std::size_t start = record++ * CalibrationRecordSize;
        if (bytes.size() < start + 4) {
            return layout;
        }
        ByteReader in(bytes.subspan(start, 4));
        const float value = in.f32();
        if (!std::isfinite(value) || value < 0.0F || value > LargestMeasure) {
            return damaged(text::CalibrationMeasureOutOfRange);
        }
        *m = value;
    }
    const std::size_t qualityAt = 8 * CalibrationRecordSize;
    if (bytes.size() < qualityAt + 4) {
        return layout;
    }
    ByteReader quality(bytes.subspan(qualityAt, 4));
    if (quality.u16() != IntegerTypeCode) {
        return damaged(text::CalibrationQualityNotWhole);
    }
    layout.printQuality = quality.i16();
    const std::size_t nameAt = 9 * CalibrationRecordSize;
    if (bytes.size() < nameAt + 2) {
        return layout;
    }
    ByteReader in(bytes.subspan(nameAt));
    const std::size_t length = in.u16();
    if (!in.has(length)) {
        return layout; // the name is cut short: no printer chosen
    }
    const std::string name = in.text(length);
    if (!in.atEnd()) {
        return damaged(text::CalibrationDataAfterPrinter);
    }
    layout.printerName = utf8FromWindows1252(name);
    return layout;
}

Result<StoredCalibration> loadStoredCalibration(const std::string& path, SlipType type,
                                                bool applyDefaults) {
    std::error_code ec;
    StoredCalibration stored;
    // A dangling link counts as present, so the reader names what is wrong with it.
    if (std::filesystem::exists(std::filesystem::symlink_status(path, ec))) {
        auto bytes = readWholeFile(path, MaxCalibrationFileSize);
        if (!bytes) {
            return bytes.error();
        }
        auto decoded = decodeStoredCalibration(bytes.value());
        if (!decoded) {
            return decoded.error();
        }
        stored = std::move(decoded.value());
    }
    if (applyDefaults) {
        stored.layout = withDefaults(std::move(stored.layout), type);
    }
    return stored;
}

Result<SlipLayout> loadSlipLayout(const std::string& path, SlipType type, bool applyDefaults) {
    auto stored = loadStoredCalibration(path, type, applyDefaults);
    if (!stored) {
        return stored.error();
    }
    return std::move(stored.value().layout);
}

Status saveSlipLayout(const std::string& path, const SlipLayout& layout) {
    return writeFileAtomically(path, encodeCalibration(layout));
}

Status saveSlipLayout(const std::string& path, const SlipLayout& layout, const KeptPieces& kept) {
    return writeFileAtomically(path, encodeCalibration(layout, kept));
}

} // namespace quintora
