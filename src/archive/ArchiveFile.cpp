#include "archive/ArchiveFile.h"

#include "core/Encoding.h"
#include "files/BinaryIo.h"
#include "files/FileIo.h"

#include <filesystem>
#include <system_error>

namespace quintora {

namespace {

Error damaged(Message reason) {
    return Error{"", Message{800, {std::move(reason)}}};
}

Draw readRecord(ByteReader& in) {
    Draw d;
    d.contest = in.i16();
    d.drawDate = utf8FromWindows1252(in.text(DrawDateWidth));
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
        out.fixedText(windows1252FromUtf8(d.drawDate), DrawDateWidth);
        out.bytes(d.numbers);
        out.bytes(d.euro);
    }
    return out.take();
}

Result<DrawArchive> decodeArchive(std::span<const std::uint8_t> bytes) {
    if (bytes.size() % DrawRecordSize != 0) {
        return damaged(Message{802, {std::to_string(bytes.size())}});
    }
    if (bytes.size() > MaxArchiveFileBytes) {
        return damaged(Message{803, {std::to_string(MaxDraws)}});
    }
    DrawArchive archive;
    ByteReader in(bytes);
    for (std::size_t record = 1; !in.atEnd(); ++record) {
        Draw d = readRecord(in);
        if (!in.ok()) {
            return damaged(Message{804, {std::to_string(record)}});
        }
        if (d.isEmpty()) {
            continue;
        }
        if (const auto problem = drawProblem(d)) {
            return damaged(Message{805, {std::to_string(record), *problem}});
        }
        appendDraw(archive.draws, std::move(d));
    }
    finishDraws(archive.draws);
    return archive;
}

Result<DrawArchive> readArchiveFile(const std::string& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found) {
        return DrawArchive{};
    }
    if (ec || !std::filesystem::is_regular_file(status)) {
        return Error{"", Message{810, {path}}};
    }
    const auto bytes = readWholeFile(path, MaxArchiveFileBytes);
    if (!bytes) {
        return bytes.error();
    }
    auto archive = decodeArchive(bytes.value());
    if (!archive) {
        return Error{"", Message{WithFileName, {archive.error().what, path}}};
    }
    return archive;
}

Status saveArchiveFile(const std::string& path, const DrawArchive& archive) {
    return writeFileAtomically(path, encodeArchive(archive));
}

} // namespace quintora
