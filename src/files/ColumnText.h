#pragma once

#include "core/GameModel.h"
#include "core/Result.h"
#include "core/SystemState.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quintora {

// Column text files: one line per column, " 03 08 15 22 30 " ended by CR LF; no Euro
// numbers, no header.

inline constexpr const char* SystemTypeTextFile = "FILE TXT";
// Far above what 200,000 columns take even with generous spacing.
inline constexpr std::size_t MaxColumnTextBytes = 64u * 1024u * 1024u;

// The export text: per column a blank, then each nonzero number as two digits and a blank.
std::string columnTextLines(std::span<const Column> columns);

// Writes the export text to `path` atomically.
Status saveColumnsText(const std::string& path, std::span<const Column> columns);

struct ColumnTextImport {
    std::vector<Column> columns;
    // Lines with more than five pieces, of which only the first five were read.
    std::int32_t linesWithExtraPieces = 0;
};

// Reads columns from text (LF, CR LF or CR ends a line). The first five blank-separated
// pieces of every non-empty line must be different numbers 1..50; pieces beyond the fifth
// are ignored and the line counted. Otherwise the whole text is refused with a message
// naming the line and the piece. No columns, or more than MaxColumns, is refused too.
Result<ColumnTextImport> importColumnsText(std::string_view text);
// The same for a file, refusing files larger than MaxColumnTextBytes.
Result<ColumnTextImport> importColumnsFile(const std::string& path);

// What to tell the user after an import that ignored pieces; nullopt when none were.
std::optional<std::string> extraPiecesNotice(const ColumnTextImport& imported);

// The columns alone, for callers that do not report ignored pieces.
Result<std::vector<Column>> parseColumnsText(std::string_view text);
Result<std::vector<Column>> readColumnsText(const std::string& path);

// One answer to the "Euro Numeri" question: a Euro number of the rules different from those
// chosen before it. The error carries the message to show before asking again.
Result<std::uint8_t> parseEuroAnswer(std::string_view answer,
                                     std::span<const std::uint8_t> chosenSoFar,
                                     GameRules rules = GameRules::classic());
std::optional<std::string> euroAnswerError(std::string_view answer,
                                           std::span<const std::uint8_t> chosenSoFar,
                                           GameRules rules = GameRules::classic());
// Both answers at once (the batch tool's "A,B").
Result<std::array<std::uint8_t, EuroNumbersPerSystem>>
parseEuroAnswers(std::string_view first, std::string_view second,
                 GameRules rules = GameRules::classic());

// Replaces the system by imported columns: clears it, stores the columns (at most
// MaxColumns), type "FILE TXT", the numbers occurring in them as the numbers in play and
// the two Euro numbers (ascending). The caller sets the file name and locks the window.
void applyImportedColumns(SystemState& state, std::vector<Column> columns,
                          std::array<std::uint8_t, EuroNumbersPerSystem> euro);

} // namespace quintora
