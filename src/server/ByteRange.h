#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quintora {

// The one byte range a Range field may ask for: "bytes=FIRST-LAST", "bytes=FIRST-" or
// "bytes=-SUFFIX". The server serves one range or none, so no answer is ever longer than the
// file it sends.
class ByteRange {
public:
    struct Slice {
        std::uint64_t offset;
        std::uint64_t length;
    };

    // The range in a Range field's value; none when the value is malformed, names another
    // unit, lists more than one range, or holds a number of more than 18 digits.
    static std::optional<ByteRange> parse(std::string_view value);

    // The bytes of a file of `size` bytes that the range covers, its end cut to the file's;
    // none when it covers none of them (the answer is then 416).
    std::optional<Slice> within(std::uint64_t size) const;

    // The range written back as a field value, in the same form as it was asked for.
    std::string text() const;

private:
    ByteRange(std::optional<std::uint64_t> first, std::uint64_t last)
        : first_(first)
        , last_(last) {}

    std::optional<std::uint64_t> first_; // none for a suffix range
    std::uint64_t last_;                 // the suffix length for a suffix range
    bool open_ = false;                  // "FIRST-": up to the end
};

} // namespace quintora
