#include "matrix/CoveringSearch.h"

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cmath>
#include <random>

namespace quintora {

namespace {

using Mask = std::uint64_t;
constexpr int MaxPoints = 63;
constexpr int MaxSubset = 7;                 // counts of closestBlock fit three bit planes
constexpr std::uint64_t MaxDraws = 1u << 24; // the per-draw tables stay within ~200 MB

int pointsOf(Mask mask, std::array<int, 64>& out) {
    int n = 0;
    while (mask != 0) {
        out[static_cast<std::size_t>(n++)] = std::countr_zero(mask);
        mask &= mask - 1;
    }
    return n;
}

// Calls f(mask) for every r-subset of points[0..n).
template <typename F> void forEachSubset(const std::array<int, 64>& points, int n, int r, F&& f) {
    if (r < 0 || r > n) {
        return;
    }
    if (r == 0) {
        f(Mask{0});
        return;
    }
    std::array<int, MaxSubset> index{};
    for (int i = 0; i < r; ++i) {
        index[static_cast<std::size_t>(i)] = i;
    }
    while (true) {
        Mask mask = 0;
        for (int i = 0; i < r; ++i) {
            mask |= Mask{1} << points[static_cast<std::size_t>(index[static_cast<std::size_t>(i)])];
        }
        f(mask);
        int i = r - 1;
        while (i >= 0 && index[static_cast<std::size_t>(i)] == n - r + i) {
            --i;
        }
        if (i < 0) {
            return;
        }
        ++index[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < r; ++j) {
            index[static_cast<std::size_t>(j)] = index[static_cast<std::size_t>(j - 1)] + 1;
        }
    }
}

class Search {
public:
    Search(const CoveringProblem& p, std::uint64_t seed, const SearchBudget& budget)
        : p_(p)
        , budget_(budget)
        , rng_(seed)
        , start_(std::chrono::steady_clock::now())
        , incidence_(static_cast<std::size_t>(p.v)) {
        for (int n = 0; n < 64; ++n) {
            for (int r = 0; r <= MaxSubset; ++r) {
                choose_[static_cast<std::size_t>(n)][static_cast<std::size_t>(r)] = binomial(n, r);
            }
        }
        const auto draws = static_cast<std::size_t>(binomial(p.v, p.m));
        drawMask_.resize(draws);
        cover_.assign(draws, 0);
        where_.resize(draws);
        uncovered_.resize(draws);
        std::array<int, 64> all{};
        for (int i = 0; i < p.v; ++i) {
            all[static_cast<std::size_t>(i)] = i;
        }
        forEachSubset(all, p.v, p.m, [&](Mask d) { drawMask_[rank(d)] = d; });
        for (std::size_t d = 0; d < draws; ++d) {
            uncovered_[d] = static_cast<std::uint32_t>(d);
            where_[d] = static_cast<std::uint32_t>(d);
        }
        // Lotto coverings (m > t) move many draws at once: a warmer search suits them.
        if (p.m > p.t) {
            hot_ = 0.4;
            cold_ = 0.1;
        }
        temperature_ = hot_;
    }

    CoveringResult run(const std::function<void(const SearchProgress&)>& progress) {
        progress_ = progress;
        greedy();
        pruneRedundant();
        std::vector<Mask> best = blocks_;
        bestSize_ = best.size();
        report();
        while (!outOfBudget(true) && blocks_.size() > std::max<std::uint64_t>(budget_.enough, 1)) {
            removeWeakest();
            while (!uncovered_.empty() && !outOfBudget()) {
                step();
            }
            if (!uncovered_.empty()) {
                break;
            }
            pruneRedundant();
            best = blocks_;
            bestSize_ = best.size();
            report();
        }
        return {std::move(best), steps_, stopped_};
    }

private:
    std::uint64_t rank(Mask draw) const {
        std::uint64_t r = 0;
        std::size_t j = 1;
        while (draw != 0) {
            r += choose_[static_cast<std::size_t>(std::countr_zero(draw))][j++];
            draw &= draw - 1;
        }
        return r;
    }

    Mask allPoints() const { return (Mask{1} << p_.v) - 1; }

    // Every draw that meets `block` in at least t points.
    template <typename F> void forEachCoveredDraw(Mask block, F&& f) const {
        std::array<int, 64> in{};
        std::array<int, 64> out{};
        const int nIn = pointsOf(block, in);
        const int nOut = pointsOf(~block & allPoints(), out);
        for (int i = p_.t; i <= std::min(p_.k, p_.m); ++i) {
            forEachSubset(in, nIn, i, [&](Mask s) {
                forEachSubset(out, nOut, p_.m - i, [&](Mask r) { f(rank(s | r)); });
            });
        }
    }

    // The draws whose t-hit status changes when x in `block` is replaced by y outside it:
    // f(lost, gained) for the draws that only x reached and those only y will reach.
    template <typename F> void forEachChangedDraw(Mask block, int x, int y, F&& f) const {
        std::array<int, 64> rest{};
        std::array<int, 64> out{};
        const Mask xBit = Mask{1} << x;
        const Mask yBit = Mask{1} << y;
        const int nRest = pointsOf(block & ~xBit, rest);
        const int nOut = pointsOf(~block & ~yBit & allPoints(), out);
        forEachSubset(rest, nRest, p_.t - 1, [&](Mask s) {
            forEachSubset(out, nOut, p_.m - p_.t,
                          [&](Mask r) { f(rank(xBit | s | r), rank(yBit | s | r)); });
        });
    }

    void markCovered(std::uint64_t d) {
        const auto at = where_[d];
        const auto last = uncovered_.back();
        uncovered_[at] = last;
        where_[last] = at;
        uncovered_.pop_back();
    }
    void markUncovered(std::uint64_t d) {
        where_[d] = static_cast<std::uint32_t>(uncovered_.size());
        uncovered_.push_back(static_cast<std::uint32_t>(d));
    }

    // incidence_[p] holds bit i when block i holds point p.
    void setIncidence(Mask block, std::size_t i, bool on) {
        const std::size_t word = i / 64;
        const Mask bit = Mask{1} << (i % 64);
        for (Mask rest = block; rest != 0; rest &= rest - 1) {
            auto& row = incidence_[static_cast<std::size_t>(std::countr_zero(rest))];
            if (row.size() <= word) {
                row.resize(word + 1, 0);
            }
            row[word] = on ? row[word] | bit : row[word] & ~bit;
        }
    }

    void addBlock(Mask block) {
        setIncidence(block, blocks_.size(), true);
        blocks_.push_back(block);
        forEachCoveredDraw(block, [&](std::uint64_t d) {
            if (cover_[d]++ == 0) {
                markCovered(d);
            }
        });
    }
    void removeBlockAt(std::size_t i) {
        const Mask block = blocks_[i];
        const std::size_t last = blocks_.size() - 1;
        setIncidence(block, i, false);
        setIncidence(blocks_[last], last, false);
        if (i != last) {
            setIncidence(blocks_[last], i, true);
        }
        blocks_[i] = blocks_[last];
        blocks_.pop_back();
        forEachCoveredDraw(block, [&](std::uint64_t d) {
            if (--cover_[d] == 0) {
                markUncovered(d);
            }
        });
    }
    std::size_t countCovered(Mask block, std::uint32_t times) const {
        std::size_t n = 0;
        forEachCoveredDraw(block, [&](std::uint64_t d) { n += cover_[d] == times; });
        return n;
    }

    std::size_t pick(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_);
    }

    Mask randomBitOf(Mask mask) {
        auto i = std::uniform_int_distribution<int>(0, std::popcount(mask) - 1)(rng_);
        while (i-- > 0) {
            mask &= mask - 1;
        }
        return mask & (~mask + 1);
    }

    // A block that holds `need` points of the draw and k - need others at random.
    Mask blockThrough(Mask draw, int need) {
        Mask block = 0;
        for (int i = 0; i < need; ++i) {
            block |= randomBitOf(draw & ~block);
        }
        while (std::popcount(block) < p_.k) {
            block |= randomBitOf(allPoints() & ~block);
        }
        return block;
    }

    // Covers an uncovered draw at a time with the best of a few random blocks through it.
    void greedy() {
        constexpr int candidates = 24;
        const int most = std::min(p_.k, p_.m);
        while (!uncovered_.empty()) {
            const Mask draw = drawMask_[uncovered_[pick(uncovered_.size())]];
            Mask best = 0;
            std::size_t bestGain = 0;
            for (int c = 0; c < candidates; ++c) {
                const int need = std::uniform_int_distribution<int>(p_.t, most)(rng_);
                const Mask block = blockThrough(draw, need);
                const auto gain = countCovered(block, 0);
                if (gain > bestGain) {
                    best = block;
                    bestGain = gain;
                }
            }
            addBlock(best);
        }
    }

    void pruneRedundant() {
        for (std::size_t i = blocks_.size(); i-- > 0;) {
            if (countCovered(blocks_[i], 1) == 0) {
                removeBlockAt(i);
            }
        }
    }

    // Drops the block that alone covers the fewest draws.
    void removeWeakest() {
        std::size_t weakest = 0;
        std::size_t fewest = SIZE_MAX;
        for (std::size_t i = 0; i < blocks_.size(); ++i) {
            const auto alone = countCovered(blocks_[i], 1);
            if (alone < fewest) {
                fewest = alone;
                weakest = i;
            }
        }
        removeBlockAt(weakest);
        temperature_ = hot_;
    }

    // A random block among those that share the most points with `draw`. The points' block
    // sets are added up bit-sliced, 64 blocks at a time.
    std::size_t closestBlock(Mask draw) {
        const std::size_t words = (blocks_.size() + 63) / 64;
        planes_.assign(3 * words, 0);
        for (Mask rest = draw; rest != 0; rest &= rest - 1) {
            const auto& row = incidence_[static_cast<std::size_t>(std::countr_zero(rest))];
            for (std::size_t w = 0; w < std::min(words, row.size()); ++w) {
                Mask carry = planes_[w] & row[w];
                planes_[w] ^= row[w];
                const Mask carry2 = planes_[words + w] & carry;
                planes_[words + w] ^= carry;
                planes_[2 * words + w] |= carry2;
            }
        }
        for (int hits = p_.t - 1; hits > 0; --hits) {
            close_.clear();
            for (std::size_t w = 0; w < words; ++w) {
                Mask equal = (hits & 1 ? planes_[w] : ~planes_[w]) &
                             (hits & 2 ? planes_[words + w] : ~planes_[words + w]) &
                             (hits & 4 ? planes_[2 * words + w] : ~planes_[2 * words + w]);
                for (; equal != 0; equal &= equal - 1) {
                    const std::size_t i =
                        w * 64 + static_cast<std::size_t>(std::countr_zero(equal));
                    if (i < blocks_.size()) {
                        close_.push_back(i);
                    }
                }
            }
            if (!close_.empty()) {
                return close_[pick(close_.size())];
            }
        }
        return pick(blocks_.size());
    }

    // One annealing step: an uncovered draw, a block close to it, one point of the block moved
    // into the draw; kept when the count of uncovered draws does not grow, or by chance.
    void step() {
        ++steps_;
        const Mask draw = drawMask_[uncovered_[pick(uncovered_.size())]];
        const std::size_t chosen = std::uniform_real_distribution<double>(0, 1)(rng_) < closeShare
                                       ? closestBlock(draw)
                                       : pick(blocks_.size());
        const Mask block = blocks_[chosen];
        const int x = std::countr_zero(randomBitOf(block & ~draw));
        const int y = std::countr_zero(randomBitOf(draw & ~block));
        long delta = 0;
        forEachChangedDraw(block, x, y, [&](std::uint64_t lost, std::uint64_t gained) {
            delta += (cover_[lost] == 1) - (cover_[gained] == 0);
        });
        temperature_ *= cooling;
        if (temperature_ < cold_) {
            temperature_ = hot_;
        }
        if (delta > 0 && std::uniform_real_distribution<double>(0, 1)(rng_) >=
                             std::exp(-static_cast<double>(delta) / temperature_)) {
            return;
        }
        forEachChangedDraw(block, x, y, [&](std::uint64_t lost, std::uint64_t gained) {
            if (--cover_[lost] == 0) {
                markUncovered(lost);
            }
            if (cover_[gained]++ == 0) {
                markCovered(gained);
            }
        });
        const Mask moved = (block & ~(Mask{1} << x)) | (Mask{1} << y);
        setIncidence(Mask{1} << x, chosen, false);
        setIncidence(Mask{1} << y, chosen, true);
        blocks_[chosen] = moved;
    }

    // The clock and the stop flag are read every 1024 calls, and whenever `now` is set.
    bool outOfBudget(bool now = false) {
        if (budget_.steps != 0 && steps_ >= budget_.steps) {
            return true;
        }
        if (!now && (++calls_ & 1023) != 0) {
            return false;
        }
        if (budget_.stop != nullptr && budget_.stop->load(std::memory_order_relaxed)) {
            stopped_ = true;
            return true;
        }
        const double seconds = elapsed();
        if (seconds - lastReport_ >= reportEvery) {
            report();
        }
        return budget_.seconds > 0 && seconds >= budget_.seconds;
    }

    double elapsed() const {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    }

    // The best size so far and the share of the budget used, also every reportEvery seconds.
    void report() {
        lastReport_ = elapsed();
        if (!progress_) {
            return;
        }
        double fraction = 0;
        if (budget_.steps != 0) {
            fraction = static_cast<double>(steps_) / static_cast<double>(budget_.steps);
        }
        if (budget_.seconds > 0) {
            fraction = std::max(fraction, elapsed() / budget_.seconds);
        }
        progress_({static_cast<int>(bestSize_), std::min(fraction, 1.0)});
    }

    // Tuned on the size table of the documentation: the temperature falls from hot_ to cold_
    // and starts again; most steps move a block that already nearly reaches the draw.
    static constexpr double reportEvery = 0.1;
    static constexpr double cooling = 0.99995;
    static constexpr double closeShare = 0.9;
    double hot_ = 0.2;
    double cold_ = 0.2;

    CoveringProblem p_;
    SearchBudget budget_;
    std::mt19937_64 rng_;
    std::chrono::steady_clock::time_point start_;
    std::array<std::array<std::uint64_t, MaxSubset + 1>, 64> choose_{};
    std::vector<Mask> drawMask_;           // by rank (colex order of the m-sets)
    std::vector<std::uint32_t> cover_;     // blocks meeting the draw in t or more points
    std::vector<std::uint32_t> uncovered_; // draws with cover 0, in any order
    std::vector<std::uint32_t> where_;     // index of a draw in uncovered_
    std::vector<Mask> blocks_;
    std::vector<std::vector<Mask>> incidence_; // per point, its blocks as bits
    std::vector<Mask> planes_;                 // bit-sliced counts of closestBlock
    std::vector<std::size_t> close_;
    double temperature_ = 0;
    std::uint64_t steps_ = 0;
    std::uint64_t calls_ = 0;
    bool stopped_ = false;
    std::function<void(const SearchProgress&)> progress_;
    std::size_t bestSize_ = 0;
    double lastReport_ = 0;
};

bool searchable(const CoveringProblem& p) {
    return p.t >= 1 && p.t <= p.k && p.k <= p.v && p.m >= p.t && p.m <= p.v && p.v <= MaxPoints &&
           p.k <= MaxSubset && p.m <= MaxSubset && binomial(p.v, p.m) <= MaxDraws;
}

} // namespace

std::uint64_t binomial(int n, int r) {
    if (r < 0 || r > n) {
        return 0;
    }
    r = std::min(r, n - r);
    std::uint64_t value = 1;
    for (int i = 1; i <= r; ++i) {
        value = value * static_cast<std::uint64_t>(n - r + i) / static_cast<std::uint64_t>(i);
    }
    return value;
}

std::uint64_t uncoveredDraws(const CoveringProblem& p, std::span<const std::uint64_t> blocks) {
    if (!searchable(p)) {
        return UINT64_MAX;
    }
    std::array<std::array<std::uint64_t, MaxSubset + 1>, 64> choose{};
    for (int n = 0; n < 64; ++n) {
        for (int r = 0; r <= MaxSubset; ++r) {
            choose[static_cast<std::size_t>(n)][static_cast<std::size_t>(r)] = binomial(n, r);
        }
    }
    const auto draws = binomial(p.v, p.m);
    std::vector<Mask> reached((draws + 63) / 64, 0);
    const Mask all = (Mask{1} << p.v) - 1;
    for (const Mask block : blocks) {
        std::array<int, 64> in{};
        std::array<int, 64> out{};
        const int nIn = pointsOf(block & all, in);
        const int nOut = pointsOf(~block & all, out);
        for (int i = p.t; i <= std::min(nIn, p.m); ++i) {
            forEachSubset(in, nIn, i, [&](Mask s) {
                forEachSubset(out, nOut, p.m - i, [&](Mask r) {
                    std::uint64_t rank = 0;
                    std::size_t j = 1;
                    for (Mask d = s | r; d != 0; d &= d - 1) {
                        rank += choose[static_cast<std::size_t>(std::countr_zero(d))][j++];
                    }
                    reached[rank / 64] |= Mask{1} << (rank % 64);
                });
            });
        }
    }
    std::uint64_t count = 0;
    for (std::size_t w = 0; w < reached.size(); ++w) {
        const auto valid = std::min<std::uint64_t>(64, draws - 64 * w);
        const Mask used = valid == 64 ? ~Mask{0} : (Mask{1} << valid) - 1;
        count += static_cast<std::uint64_t>(std::popcount(~reached[w] & used));
    }
    return count;
}

CoveringResult searchCovering(const CoveringProblem& problem, std::uint64_t seed,
                              const SearchBudget& budget,
                              const std::function<void(const SearchProgress&)>& progress) {
    if (!searchable(problem)) {
        return {};
    }
    Search search(problem, seed, budget);
    return search.run(progress);
}

} // namespace quintora
