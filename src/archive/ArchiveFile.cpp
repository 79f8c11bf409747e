#include "archive/ArchiveFile.h"

#include "files/BinaryIo.h"
#include "files/FileIo.h"

#include <filesystem>
#include <system_error>

namespace quintora {

namespace {

Error damaged(Message reason) {
    return Error{"", Message{text::ArchiveDamaged, {std::move(reason)}}};
}

// A record and whether its date is a day written "DD/MM/YYYY"; a record whose date is not
// keeps the default date and counts as invalid.
Draw readRecord(ByteReader& in, bool& dateRead) {
    Draw d;
    d.contest = in.i16();
    const std::string text = in.text(DrawDateWidth);
    const auto date = parseDate(text);
    dateRead = date && formatDate(*date) == text;
    if (dateRead) {
        d.date = *date;
    }
    in.take(d.numbers);
    in.take(d.euro);
    return d;
}

} // namespace

std::vector<std::uint8_t> encodeArchive(const DrawArchive& archive) {
    ByteWriter out;
    out.reserve(archive.draws.size() * DrawRecordSize);
    for (const auto& d : archive.draws) {
        out.i16(d.contest);
        out.fixedText(d.dateText(), DrawDateWidth);
        out.bytes(d.numbers);
        out.bytes(d.euro);
    }
    return out.take();
}

Result<DrawArchive> decodeArchive(std::span<const std::uint8_t> bytes, SkippedRecords& skipped) {
    skipped = {};
    if (bytes.size() > MaxArchiveFileBytes) {
        return damaged(Message{text::ArchiveTooManyDraws, {std::to_string(MaxDraws)}});
    }
    skipped.strayBytes = bytes.size() % DrawRecordSize;
    DrawArchive archive;
    ByteReader in(bytes.first(bytes.size() - skipped.strayBytes));
    while (!in.atEnd()) {
        bool dateRead = false;
        Draw d = readRecord(in, dateRead);
        if (d.isEmpty()) {
            continue;
        }
        if (!dateRead || drawProblem(d)) {
            ++skipped.invalid;
            continue;
        }
        appendDraw(archive.draws, std::move(d));
    }
    finishDraws(archive.draws);
    return archive;
}

Result<DrawArchive> decodeArchive(std::span<const std::uint8_t> bytes) {
    SkippedRecords skipped;
    return decodeArchive(bytes, skipped);
}

Message skippedRecordsText(const SkippedRecords& skipped) {
    return Message{text::InvalidRecordsSkipped, {std::to_string(skipped.count())}};
}

Result<DrawArchive> readArchiveFile(const std::string& path, SkippedRecords& skipped) {
    skipped = {};
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found) {
        return DrawArchive{};
    }
    if (ec || !std::filesystem::is_regular_file(status)) {
        return Error{"", Message{text::ArchiveNotAFile, {path}}};
    }
    const auto bytes = readWholeFile(path, MaxArchiveFileBytes);
    if (!bytes) {
        return bytes.error();
    }
    auto archive = decodeArchive(bytes.value(), skipped);
    if (!archive) {
        return Error{"", Message{text::WithDetail, {archive.error().what, path}}};
    }
    return archive;
}

Result<DrawArchive> readArchiveFile(const std::string& path) {
    SkippedRecords skipped;
    return readArchiveFile(path, skipped);
}

Status saveArchiveFile(const std::string& path, const DrawArchive& archive) {
    return writeFileAtomically(path, encodeArchive(archive));
}

} // namespace quintora
