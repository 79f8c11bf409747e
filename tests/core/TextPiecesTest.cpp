#include "core/TextPieces.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace quintora::text {
namespace {

std::vector<std::string> linesOf(std::string_view text, LineEnds ends) {
    std::vector<std::string> lines;
    LineSplitter splitter(text, ends);
    while (const auto line = splitter.next()) {
        lines.emplace_back(*line);
    }
    return lines;
}

struct LinesCase {
    const char* name;
    std::string text;
    std::vector<std::string> anyEnd;  // LineEnds::LfCrLfOrCr
    std::vector<std::string> iniEnds; // LineEnds::LfOrCrLf
};

class Lines : public ::testing::TestWithParam<LinesCase> {};

TEST_P(Lines, SplitAtTheirLineEnds) {
    EXPECT_EQ(linesOf(GetParam().text, LineEnds::LfCrLfOrCr), GetParam().anyEnd);
    EXPECT_EQ(linesOf(GetParam().text, LineEnds::LfOrCrLf), GetParam().iniEnds);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Lines,
    ::testing::Values(LinesCase{"empty", "", {}, {}}, LinesCase{"noLineEnd", "a", {"a"}, {"a"}},
                      LinesCase{"finalLineEnd", "a\r\n", {"a"}, {"a"}},
                      LinesCase{"mixed", "a\nb\r\nc", {"a", "b", "c"}, {"a", "b", "c"}},
                      LinesCase{"emptyLines", "\n\r\n\n", {"", "", ""}, {"", "", ""}},
                      LinesCase{"loneCr", "a\rb\r", {"a", "b"}, {"a\rb\r"}},
                      LinesCase{"crBeforeCrLf", "a\r\r\nb", {"a", "", "b"}, {"a\r", "b"}},
                      LinesCase{"nul",
                                std::string("a\0b\nc", 5),
                                {std::string("a\0b", 3), "c"},
                                {std::string("a\0b", 3), "c"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextPieces, TrimRemovesAsciiWhiteSpaceOnly) {
    EXPECT_EQ(trim(" \t\r\n\v\fa b\t \r"), "a b");
    EXPECT_EQ(trim("   "), "");
    EXPECT_EQ(trim(""), "");
    EXPECT_EQ(trim("\xA0x\xA0"), "\xA0x\xA0"); // a Windows-1252 no-break space is text
}

TEST(TextPieces, ByteOrderMarkIsSkippedOnlyAtTheStart) {
    EXPECT_EQ(skipByteOrderMark("\xEF\xBB\xBF"
                                "1 2"),
              "1 2");
    EXPECT_EQ(skipByteOrderMark("\xEF\xBB\xBF"), "");
    EXPECT_EQ(skipByteOrderMark("\xEF\xBB"), "\xEF\xBB");
    EXPECT_EQ(skipByteOrderMark(" \xEF\xBB\xBF"), " \xEF\xBB\xBF");
}

TEST(TextPieces, PiecesBetweenRunsOfSeparators) {
    const auto piecesOf = [](std::string_view line, std::string_view separators) {
        std::vector<std::string> pieces;
        PieceSplitter splitter(line, separators);
        while (const auto piece = splitter.next()) {
            pieces.emplace_back(*piece);
        }
        EXPECT_FALSE(splitter.hasMore());
        return pieces;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(piecesOf("  1 \t 22  x ", PieceSplitter::Blanks), (V{"1", "22", "x"}));
    EXPECT_EQ(piecesOf("1-2,,3;.4", "-,;."), (V{"1", "2", "3", "4"}));
    EXPECT_EQ(piecesOf(" \t ", PieceSplitter::Blanks), V{});
    EXPECT_EQ(piecesOf("", PieceSplitter::Blanks), V{});

    PieceSplitter splitter("a b  ");
    EXPECT_TRUE(splitter.hasMore());
    EXPECT_EQ(splitter.next(), "a");
    EXPECT_TRUE(splitter.hasMore());
    EXPECT_EQ(splitter.next(), "b");
    EXPECT_FALSE(splitter.hasMore());
    EXPECT_EQ(splitter.next(), std::nullopt);
}

TEST(TextPieces, DigitsValue) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"0", 0},
        {"7", 7},
        {"007", 7},
        {"50", 50},
        {"999999", 999999},
        {"1000001", DigitsCap},
        {"99999999999999999999999999", DigitsCap},
        {"", std::nullopt},
        {"-1", std::nullopt},
        {"+1", std::nullopt},
        {"1.0", std::nullopt},
        {" 1", std::nullopt},
        {"1x", std::nullopt},
        {"\xB9", std::nullopt}, // superscript one
    };
    for (const auto& [piece, expected] : cases) {
        EXPECT_EQ(digitsValue(piece), expected) << '"' << piece << '"';
    }
}

} // namespace
} // namespace quintora::text
