#include "core/Shuffle.h"

#include <chrono>
#include <numeric>
#include <random>
#include <vector>

namespace quintora {

void shuffleColumns(std::span<Column> columns, std::uint64_t seed) {
    const std::size_t n = columns.size();
    if (n < 2) {
        return;
    }
    std::mt19937_64 generator(seed);
    std::uniform_int_distribution<std::size_t> pick(0, n - 1);
    std::vector<std::size_t> idx(n);
    std::iota(idx.begin(), idx.end(), std::size_t{0});
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t r = pick(generator);
        const std::size_t a = idx[i];
        const std::size_t b = idx[r];
        std::swap(idx[i], idx[r]);
        std::swap(columns[a], columns[b]);
    }
}

std::uint64_t seedFromClock() {
    using namespace std::chrono;
    const auto now = system_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(duration_cast<nanoseconds>(now).count()) ^
           static_cast<std::uint64_t>(steady_clock::now().time_since_epoch().count());
}

} // namespace quintora
