#include "core/ReductionIndex.h"

#include <array>

namespace quintora {

namespace {

// choose[x][k] = C(x, k) for x = 0..50, k = 0..5, looked up for every rank.
constexpr auto chooseTable() {
    std::array<std::array<std::uint32_t, 6>, MainNumberCount + 1> b{};
    for (int x = 0; x <= MainNumberCount; ++x) {
        for (int k = 0; k <= 5; ++k) {
            b[x][k] = static_cast<std::uint32_t>(binomial(x, k));
        }
    }
    return b;
}
constexpr auto choose = chooseTable();

} // namespace

ReductionIndex::ReductionIndex(int threshold)
    : threshold_(threshold) {
    if (threshold_ < 1 || threshold_ > 4) {
        return; // t <= 0 and t = 5 need no table; t >= 6 never conflicts
    }
    bits_.assign((choose[MainNumberCount][threshold_] + 63) / 64, 0);
    // Every t-subset of the positions 0..4, as t position indexes each.
    for (unsigned set = 0; set < 32; ++set) {
        if (__builtin_popcount(set) != threshold_) {
            continue;
        }
        for (std::uint8_t p = 0; p < 5; ++p) {
            if (set & (1u << p)) {
                patterns_.push_back(p);
            }
        }
        ++subsetCount_;
    }
}

namespace {

// Combinadic rank of the t-subset picked by `positions` from an ascending column.
inline std::uint32_t rank(const Column& c, const std::uint8_t* positions, int t) {
    std::uint32_t r = 0;
    for (int j = 0; j < t; ++j) {
        r += choose[c[positions[j]] - 1][j + 1];
    }
    return r;
}

} // namespace

bool ReductionIndex::conflicts(const Column& c) const {
    if (threshold_ <= 0) {
        return any_;
    }
    if (threshold_ >= 5) {
        // Sharing 5 numbers means equal; developed candidates never repeat a column.
        return false;
    }
    const std::uint8_t* p = patterns_.data();
    for (int s = 0; s < subsetCount_; ++s, p += threshold_) {
        const auto r = rank(c, p, threshold_);
        if (bits_[r >> 6] & (std::uint64_t{1} << (r & 63))) {
            return true;
        }
    }
    return false;
}

void ReductionIndex::add(const Column& c) {
    any_ = true;
    if (threshold_ < 1 || threshold_ > 4) {
        return;
    }
    const std::uint8_t* p = patterns_.data();
    for (int s = 0; s < subsetCount_; ++s, p += threshold_) {
        const auto r = rank(c, p, threshold_);
        bits_[r >> 6] |= std::uint64_t{1} << (r & 63);
    }
}

} // namespace quintora
