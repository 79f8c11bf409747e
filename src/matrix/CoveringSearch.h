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

// Draws in classes, for coverings that a group maps onto itself: a class is an orbit of draws,
// a block stands for its orbit, and a class is covered when one of its draws is.
struct DrawClasses {
    static constexpr std::uint32_t None = UINT32_MAX; // a draw that needs no cover
    std::vector<std::uint32_t> classOf;               // by the rank of a draw (colex order)
    std::uint32_t count = 0;
};

struct SearchOptions {
    std::span<const std::uint64_t> start; // blocks to start from, completed greedily
    const DrawClasses* classes = nullptr; // cover classes instead of every draw
    // Called with every full covering found, each smaller than the one before; true ends the
    // search.
    std::function<bool(std::span<const std::uint64_t>)> onFull;
    std::function<void(const SearchProgress&)> progress;
    bool improve = true; // false: only complete and tidy the start blocks
};

// Needs 1 <= t <= k <= v, t <= m <= v, v <= 63, k and m at most 7 and C(v, m) at most 2^24
// (else no blocks). The start blocks and a greedy completion first, then simulated annealing
// that drops one block at a time and repairs the draws left without t hits; the result is
// always a full covering (the last one found).
CoveringResult searchCovering(const CoveringProblem& problem, std::uint64_t seed,
                              const SearchBudget& budget, const SearchOptions& options = {});

// How many sets of m points meet no block in t points: 0 for a covering. Each block marks the
// draws it reaches in a bit set over all C(v, m) draws, then the unmarked ones are counted.
// A problem searchCovering refuses gives UINT64_MAX.
std::uint64_t uncoveredDraws(const CoveringProblem& problem, std::span<const std::uint64_t> blocks);

// Whether searchCovering and uncoveredDraws take the problem.
bool searchableCovering(const CoveringProblem& problem);

} // namespace quintora
