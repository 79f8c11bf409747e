#pragma once

#include "core/Result.h"
#include "files/KeptPieces.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quintora {

// The matrix file (".mzor"): a 142-byte header, the body of K rows of C position bytes, and the
// CRC-32 of everything before it as a 32-bit little-endian trailer.
namespace matrixfile {
inline constexpr char Identifier[] = "matricezorv0001";
inline constexpr char Extension[] = ".mzor";
inline constexpr std::size_t HeaderSize = 142;
inline constexpr std::size_t TrailerSize = 4;
inline constexpr std::size_t PercentageWidth = 10;
inline constexpr std::size_t AuthorWidth = 30;
inline constexpr std::size_t DescriptionWidth = 60;
inline constexpr std::size_t IdentifierWidth = 15;
} // namespace matrixfile

// The header as the program uses it. Texts are UTF-8 without surrounding blanks; the writer pads
// them to their widths in Windows-1252 (cutting what does not fit).
struct MatrixHeader {
    std::uint8_t v = 0;           // numbers the matrix is built for
    std::uint8_t k = 0;           // numbers per matrix column
    std::uint8_t t = 0;           // the guarantee
    std::uint8_t m = 0;           // numbers to be drawn for the guarantee to hold
    std::uint8_t f = 0;           // fixed numbers
    std::int32_t columnCount = 0; // C
    std::string percentage;
    std::string author;
    std::string description;
    double validFrom = 0; // OLE automation dates
    double validTo = 0;
    std::string formatId; // as stored; valid when it equals matrixfile::Identifier

    bool identifierValid() const { return formatId == matrixfile::Identifier; }
};

// A whole matrix: body[(k - 1) * C + (c - 1)] is position k (1..K) of column c (1..C), a
// position 1..V.
struct Matrix {
    MatrixHeader header;
    std::vector<std::uint8_t> body;
    // The header's own bytes of the file it was read from (text padding, the reserved field),
    // written back where the header did not change them.
    KeptPieces kept;

    std::uint8_t position(int k, int c) const {
        return body[static_cast<std::size_t>(k - 1) * static_cast<std::size_t>(header.columnCount) +
                    static_cast<std::size_t>(c - 1)];
    }
};

// The header of the first 142 bytes; a shorter buffer is refused.
Result<MatrixHeader> decodeMatrixHeader(std::span<const std::uint8_t> bytes);

// Whether the last four bytes hold the CRC-32 of the bytes before them (false below 4 bytes).
bool matrixChecksumMatches(std::span<const std::uint8_t> bytes);

// A whole file, checked: identifier, checksum, K = 5, V in 5..50, F in 0..4, C not negative and
// not beyond the body, every position in 1..V and different within its column. Anything else is
// refused with a message.
Result<Matrix> decodeMatrixFile(std::span<const std::uint8_t> bytes);

// The bytes of a matrix file for `matrix` (header C is taken from the body's size); header
// fields whose meaning did not change keep the bytes the matrix was read with.
std::vector<std::uint8_t> encodeMatrixFile(const Matrix& matrix);

// What the catalogue needs of one file, read in one pass: the header as far as the file holds
// it (fields behind the end stay zero or empty) and whether the checksum matches.
struct MatrixFileSummary {
    MatrixHeader header;
    bool headerComplete = false;
    bool checksumValid = false;
};

// Only regular files are read; a folder, FIFO or device is refused with a message.
Result<MatrixFileSummary> inspectMatrixFile(const std::string& path);
// Reads and checks a whole file as decodeMatrixFile does; files far larger than a matrix of
// MaxColumns columns are refused before they are read.
Result<Matrix> readMatrixFile(const std::string& path);
// The bytes of a file that reads as readMatrixFile accepts, unchanged (for copying).
Result<std::vector<std::uint8_t>> readMatrixFileBytes(const std::string& path);
// Writes atomically.
Status saveMatrixFile(const std::string& path, const Matrix& matrix);

} // namespace quintora
