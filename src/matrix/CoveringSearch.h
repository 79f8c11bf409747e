#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace quintora {

// A lotto covering: blocks of k of the points 0..v-1 such that every set of m points meets
// some block in at least t points (with m = t, every t-set lies inside a block).
struct CoveringProblem {
    int v = 0;
    int k = 0;
    int t = 0;
    int m = 0;
};

// How long a search may run: whichever of the limits comes first. A step budget (and no time
// limit) makes the search repeat itself exactly for a given seed.
struct SearchBudget {
    double seconds = 0;                      // 0: no time limit
    std::uint64_t steps = 0;                 // local-search steps; 0: no step limit
    const std::atomic<bool>* stop = nullptr; // set by another thread to stop early
    std::uint64_t enough = 0;                // a covering this small ends the search (a bound)
};

struct SearchProgress {
    int blocks = 0;      // size of the best covering so far
    double fraction = 0; // of the budget used, 0..1
};

struct CoveringResult {
    std::vector<std::uint64_t> blocks; // bit p set: point p in the block
    std::uint64_t steps = 0;
    bool stopped = false; // by the stop flag
};

// Needs 1 <= t <= k <= v, t <= m <= v, v <= 63, k and m at most 7 and C(v, m) at most 2^24
// (else no blocks). A greedy covering first, then simulated annealing that drops one block at a
// time and repairs the draws left without t hits; the result is always a full covering (the
// last one found).
CoveringResult searchCovering(const CoveringProblem& problem, std::uint64_t seed,
                              const SearchBudget& budget,
                              const std::function<void(const SearchProgress&)>& progress = {});

// How many sets of m points meet no block in t points: 0 for a covering. Each block marks the
// draws it reaches in a bit set over all C(v, m) draws, then the unmarked ones are counted.
// A problem searchCovering refuses gives UINT64_MAX.
std::uint64_t uncoveredDraws(const CoveringProblem& problem, std::span<const std::uint64_t> blocks);

// C(n, r) for small arguments, exactly (0 when r < 0 or r > n).
std::uint64_t binomial(int n, int r);

} // namespace quintora
