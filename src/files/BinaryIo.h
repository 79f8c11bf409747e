#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quintora {

// Little-endian fields of the program's binary files (systems, archive records, matrices,
// calibration). Every file the program writes or reads goes through these two classes.

class ByteWriter {
public:
    void u8(std::uint8_t v) { bytes_.push_back(v); }
    void i16(std::int16_t v) { u16(static_cast<std::uint16_t>(v)); }
    void u16(std::uint16_t v) {
        u8(static_cast<std::uint8_t>(v & 0xFF));
        u8(static_cast<std::uint8_t>(v >> 8));
    }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void u32(std::uint32_t v) {
        for (int shift = 0; shift < 32; shift += 8) {
            u8(static_cast<std::uint8_t>((v >> shift) & 0xFF));
        }
    }
    void u64(std::uint64_t v) {
        for (int shift = 0; shift < 64; shift += 8) {
            u8(static_cast<std::uint8_t>((v >> shift) & 0xFF));
        }
    }
    void f32(float v) {
        std::uint32_t bits = 0;
        static_assert(sizeof bits == sizeof v);
        std::copy_n(reinterpret_cast<const std::uint8_t*>(&v), sizeof v,
                    reinterpret_cast<std::uint8_t*>(&bits));
        u32(bits);
    }
    void f64(double v) {
        std::uint64_t bits = 0;
        static_assert(sizeof bits == sizeof v);
        std::copy_n(reinterpret_cast<const std::uint8_t*>(&v), sizeof v,
                    reinterpret_cast<std::uint8_t*>(&bits));
        u64(bits);
    }
    void bytes(std::span<const std::uint8_t> b) { bytes_.insert(bytes_.end(), b.begin(), b.end()); }
    // A text of exactly `width` bytes: cut, or padded with `pad`.
    void fixedText(const std::string& text, std::size_t width, char pad = ' ') {
        for (std::size_t i = 0; i < width; ++i) {
            u8(static_cast<std::uint8_t>(i < text.size() ? text[i] : pad));
        }
    }
    void reserve(std::size_t n) { bytes_.reserve(n); }
    std::size_t size() const { return bytes_.size(); }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

// Reads fields from a buffer; every read is checked against the end. A read past the end
// returns zeros, reads nothing and marks the reader failed, so a section reads on and the
// caller checks ok() once at its end instead of after every field.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes)
        : bytes_(bytes) {}

    bool ok() const { return !failed_; }
    std::size_t position() const { return pos_; }
    std::size_t left() const { return bytes_.size() - pos_; }
    bool has(std::size_t n) const { return left() >= n; }
    bool atEnd() const { return pos_ == bytes_.size(); }

    std::uint8_t u8() {
        std::array<std::uint8_t, 1> b{};
        take(b);
        return b[0];
    }
    std::uint16_t u16() {
        std::array<std::uint8_t, 2> b{};
        take(b);
        return static_cast<std::uint16_t>(b[0] | b[1] << 8);
    }
    std::int16_t i16() { return static_cast<std::int16_t>(u16()); }
    std::uint32_t u32() {
        std::array<std::uint8_t, 4> b{};
        take(b);
        std::uint32_t v = 0;
        for (std::size_t k = 0; k < b.size(); ++k) {
            v |= static_cast<std::uint32_t>(b[k]) << (8 * k);
        }
        return v;
    }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    std::uint64_t u64() {
        const std::uint64_t low = u32();
        const std::uint64_t high = u32();
        return low | high << 32;
    }
    float f32() {
        const std::uint32_t bits = u32();
        float v = 0;
        std::copy_n(reinterpret_cast<const std::uint8_t*>(&bits), sizeof v,
                    reinterpret_cast<std::uint8_t*>(&v));
        return v;
    }
    double f64() {
        const std::uint64_t bits = u64();
        double v = 0;
        std::copy_n(reinterpret_cast<const std::uint8_t*>(&bits), sizeof v,
                    reinterpret_cast<std::uint8_t*>(&v));
        return v;
    }
    // Fills `out` whole, or (past the end) leaves it zeroed and fails.
    void take(std::span<std::uint8_t> out) {
        if (failed_ || !has(out.size())) {
            std::fill(out.begin(), out.end(), std::uint8_t{0});
            failed_ = true;
            pos_ = bytes_.size();
            return;
        }
        std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(pos_), out.size(), out.begin());
        pos_ += out.size();
    }
    std::string text(std::size_t n) {
        if (failed_ || !has(n)) {
            failed_ = true;
            pos_ = bytes_.size();
            return {};
        }
        std::string s(bytes_.begin() + static_cast<std::ptrdiff_t>(pos_),
                      bytes_.begin() + static_cast<std::ptrdiff_t>(pos_ + n));
        pos_ += n;
        return s;
    }
    void skip(std::size_t n) {
        if (failed_ || !has(n)) {
            failed_ = true;
            pos_ = bytes_.size();
            return;
        }
        pos_ += n;
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
    bool failed_ = false;
};

} // namespace quintora
