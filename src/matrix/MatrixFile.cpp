#include "matrix/MatrixFile.h"

#include "core/Encoding.h"
#include "core/GameModel.h"
#include "files/BinaryIo.h"
#include "files/FileIo.h"
#include "files/PieceWriter.h"
#include "matrix/Crc32.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quintora {

namespace {

using namespace matrixfile;

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string fixedText(ByteReader& in, std::size_t width) {
    return trimmed(utf8FromWindows1252(in.text(width)));
}

// Reads the header fields in file order; past the end the reader fails and the rest stays zero.
MatrixHeader readHeader(ByteReader& in) {
    MatrixHeader h;
    h.v = in.u8();
    h.k = in.u8();
    h.t = in.u8();
    h.m = in.u8();
    h.f = in.u8();
    h.columnCount = in.i32();
    h.percentage = fixedText(in, PercentageWidth);
    h.author = fixedText(in, AuthorWidth);
    h.description = fixedText(in, DescriptionWidth);
    h.validFrom = in.f64();
    h.validTo = in.f64();
    in.skip(2);
    h.formatId = in.text(IdentifierWidth);
    return h;
}

// The header as pieces that a file read and written again keeps as it held them: the numbers
// and the count, the three texts, the two dates, the reserved field, the identifier.
constexpr std::array<std::size_t, 8> HeaderPieceSizes{9, 10, 30, 60, 8, 8, 2, 15};

void writeHeader(PieceWriter& p, const MatrixHeader& h, std::size_t columns) {
    p.piece([&](ByteWriter& w) {
        w.u8(h.v);
        w.u8(h.k);
        w.u8(h.t);
        w.u8(h.m);
        w.u8(h.f);
        w.i32(static_cast<std::int32_t>(columns));
    });
    p.piece(
        [&](ByteWriter& w) { w.fixedText(windows1252FromUtf8(h.percentage), PercentageWidth); });
    p.piece([&](ByteWriter& w) { w.fixedText(windows1252FromUtf8(h.author), AuthorWidth); });
    p.piece(
        [&](ByteWriter& w) { w.fixedText(windows1252FromUtf8(h.description), DescriptionWidth); });
    p.piece([&](ByteWriter& w) { w.f64(h.validFrom); });
    p.piece([&](ByteWriter& w) { w.f64(h.validTo); });
    p.piece([&](ByteWriter& w) { w.u16(0); });
    p.piece([&](ByteWriter& w) { w.fixedText(h.formatId, IdentifierWidth); });
}

std::size_t columnsOf(const Matrix& matrix) {
    return matrix.header.k == 0 ? 0 : matrix.body.size() / matrix.header.k;
}

std::string reason() {
    return std::strerror(errno);
}

// A regular file opened for reading (never blocking on a FIFO), closed on destruction.
class InputFile {
public:
    explicit InputFile(const std::string& path)
        : fd_(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {}
    ~InputFile() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // The file's size, or an error when it cannot be opened or is not a regular file.
    Result<std::uint64_t> size(const std::string& path) const {
        if (fd_ < 0) {
            return Error{"", Message{text::CannotOpenFile, {path, reason()}}};
        }
        struct stat st {};
        if (::fstat(fd_, &st) != 0) {
            return Error{"", Message{text::CannotReadFile, {path, reason()}}};
        }
        if (!S_ISREG(st.st_mode)) {
            return Error{"", Message{text::NotAFile, {path}}};
        }
        return static_cast<std::uint64_t>(st.st_size);
    }

    // Reads exactly out.size() bytes from `at`; false on an error or a short file.
    bool readAt(std::uint64_t at, std::span<std::uint8_t> out) const {
        std::size_t done = 0;
        while (done < out.size()) {
            const auto n =
                ::pread(fd_, out.data() + done, out.size() - done, static_cast<off_t>(at + done));
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                return false;
            }
            done += static_cast<std::size_t>(n);
        }
        return true;
    }

private:
    int fd_;
};

} // namespace

Result<MatrixHeader> decodeMatrixHeader(std::span<const std::uint8_t> bytes) {
    ByteReader in(bytes);
    MatrixHeader h = readHeader(in);
    if (!in.ok()) {
        return Error{"", Message{text::MatrixHeaderIncomplete}};
    }
    return h;
}

bool matrixChecksumMatches(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < TrailerSize) {
        return false;
    }
    const auto data = bytes.first(bytes.size() - TrailerSize);
    ByteReader trailer(bytes.last(TrailerSize));
    return crc32Of(data) == trailer.u32();
}

Result<Matrix> decodeMatrixFile(std::span<const std::uint8_t> bytes) {
    auto header = decodeMatrixHeader(bytes);
    if (!header) {
        return header.error();
    }
    Matrix matrix{std::move(header.value()), {}, {}};
    const MatrixHeader& h = matrix.header;
    if (!h.identifierValid()) {
        return Error{"", Message{text::NotAMatrixFile}};
    }
    if (!matrixChecksumMatches(bytes)) {
        return Error{"", Message{text::MatrixCrcError}};
    }
    if (h.k != NumbersPerColumn) {
        return Error{"", Message{text::MatrixColumnSizeWrong, {std::to_string(h.k)}}};
    }
    if (h.v < NumbersPerColumn || h.v > MainNumberCount) {
        return Error{"", Message{text::MatrixNumbersOutOfRange, {std::to_string(h.v)}}};
    }
    if (h.f > MaxFixedNumbers) {
        return Error{"", Message{text::MatrixTooManyFixed, {std::to_string(h.f)}}};
    }
    if (h.columnCount < 0) {
        return Error{"", Message{text::MatrixColumnCountInvalid, {std::to_string(h.columnCount)}}};
    }
    const std::uint64_t bodySize = std::uint64_t{h.k} * static_cast<std::uint64_t>(h.columnCount);
    if (bytes.size() != HeaderSize + bodySize + TrailerSize) {
        return Error{"", Message{text::MatrixLengthMismatch,
                                 {std::to_string(bytes.size()), std::to_string(h.columnCount)}}};
    }
    matrix.body.assign(bytes.begin() + HeaderSize,
                       bytes.begin() + static_cast<std::ptrdiff_t>(HeaderSize + bodySize));
    for (int c = 1; c <= h.columnCount; ++c) {
        NumberSet seen;
        for (int k = 1; k <= h.k; ++k) {
            const int p = matrix.position(k, c);
            if (p < 1 || p > h.v) {
                return Error{"",
                             Message{text::MatrixPositionOutOfRange,
                                     {std::to_string(c), std::to_string(p), std::to_string(h.v)}}};
            }
            if (seen.contains(p)) {
                return Error{"", Message{text::MatrixPositionRepeated,
                                         {std::to_string(c), std::to_string(p)}}};
            }
            seen.insert(p);
        }
    }
    std::vector<std::vector<std::uint8_t>> normal;
    PieceWriter record(normal);
    writeHeader(record, matrix.header, columnsOf(matrix));
    std::size_t at = 0;
    for (std::size_t i = 0; i < HeaderPieceSizes.size(); ++i) {
        matrix.kept.add(std::move(normal[i]), bytes.subspan(at, HeaderPieceSizes[i]));
        at += HeaderPieceSizes[i];
    }
    return matrix;
}

std::vector<std::uint8_t> encodeMatrixFile(const Matrix& matrix) {
    ByteWriter out;
    out.reserve(HeaderSize + matrix.body.size() + TrailerSize);
    PieceWriter pieces(out, &matrix.kept);
    writeHeader(pieces, matrix.header, columnsOf(matrix));
    out.bytes(matrix.body);
    auto bytes = out.take();
    ByteWriter trailer;
    trailer.u32(crc32Of(bytes));
    const auto crc = trailer.take();
    bytes.insert(bytes.end(), crc.begin(), crc.end());
    return bytes;
}

Result<MatrixFileSummary> inspectMatrixFile(const std::string& path) {
    const InputFile file(path);
    const auto size = file.size(path);
    if (!size) {
        return size.error();
    }
    MatrixFileSummary summary;
    std::array<std::uint8_t, HeaderSize> head{};
    const auto headBytes =
        static_cast<std::size_t>(std::min<std::uint64_t>(size.value(), HeaderSize));
    if (!file.readAt(0, std::span(head).first(headBytes))) {
        return Error{"", Message{text::CannotReadFileNamed, {path}}};
    }
    ByteReader in(std::span<const std::uint8_t>(head).first(headBytes));
    summary.header = readHeader(in);
    summary.headerComplete = in.ok();

    if (size.value() >= TrailerSize) {
        const std::uint64_t dataSize = size.value() - TrailerSize;
        std::vector<std::uint8_t> chunk(1 << 16);
        std::uint32_t crc = 0;
        for (std::uint64_t at = 0; at < dataSize;) {
            const auto n =
                static_cast<std::size_t>(std::min<std::uint64_t>(chunk.size(), dataSize - at));
            if (!file.readAt(at, std::span(chunk).first(n))) {
                return Error{"", Message{text::CannotReadFileNamed, {path}}};
            }
            crc = crc32Update(crc, std::span(chunk).first(n));
            at += n;
        }
        std::array<std::uint8_t, TrailerSize> stored{};
        if (!file.readAt(dataSize, stored)) {
            return Error{"", Message{text::CannotReadFileNamed, {path}}};
        }
        summary.checksumValid = crc == ByteReader(stored).u32();
    }
    return summary;
}

Result<std::vector<std::uint8_t>> readMatrixFileBytes(const std::string& path) {
    const InputFile file(path);
    const auto size = file.size(path);
    if (!size) {
        return size.error();
    }
    constexpr std::uint64_t largest =
        HeaderSize + std::uint64_t{NumbersPerColumn} * MaxColumns + TrailerSize;
    if (size.value() > largest) {
        return Error{"", Message{text::MatrixFileTooLarge, {path, std::to_string(size.value())}}};
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size.value()));
    if (!file.readAt(0, bytes)) {
        return Error{"", Message{text::CannotReadFileNamed, {path}}};
    }
    if (auto checked = decodeMatrixFile(bytes); !checked) {
        return checked.error();
    }
    return bytes;
}

Result<Matrix> readMatrixFile(const std::string& path) {
    const auto bytes = readMatrixFileBytes(path);
    if (!bytes) {
        return bytes.error();
    }
    return decodeMatrixFile(bytes.value());
}

Status saveMatrixFile(const std::string& path, const Matrix& matrix) {
    return writeFileAtomically(path, encodeMatrixFile(matrix));
}

} // namespace quintora
