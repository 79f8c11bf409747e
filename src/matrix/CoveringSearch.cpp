#include "matrix/CoveringSearch.h"

#include "core/GameModel.h"
#include "matrix/PointSets.h"

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cmath>
#include <random>

namespace quintora {

namespace {

using pointsets::forEachSubset;
using pointsets::Mask;
using pointsets::MaxSubset;
using pointsets::pointsOf;
constexpr int MaxPoints = 63;
constexpr std::uint64_t MaxDraws = 1u << 24; // the per-draw tables stay within ~200 MB

class Search {
public:
    Search(const CoveringProblem& p, std::uint64_t seed, const SearchBudget& budget,
           const SearchOptions& options)
        : p_(p)
        , budget_(budget)
        , options_(options)
        , rng_(seed)
        , start_(std::chrono::steady_clock::now())
        , incidence_(static_cast<std::size_t>(p.v)) {
        const auto draws = static_cast<std::size_t>(binomial(p.v, p.m));
        drawMask_.resize(draws);
        pointsets::forEachSet(p.v, p.m, [&](Mask d) { drawMask_[ranks_.rank(d)] = d; });
        if (options.classes != nullptr) {
            classOf_ = options.classes->classOf.data();
            classes_ = options.classes->count;
            // The draws of each class, for picking one of them at random.
            memberStart_.assign(classes_ + 1, 0);
            for (std::size_t d = 0; d < draws; ++d) {
                if (classOf_[d] != DrawClasses::None) {
                    ++memberStart_[classOf_[d] + 1];
                }
            }
            for (std::size_t c = 0; c < classes_; ++c) {
                memberStart_[c + 1] += memberStart_[c];
            }
            members_.resize(memberStart_[classes_]);
            auto next = memberStart_;
            for (std::size_t d = 0; d < draws; ++d) {
                if (classOf_[d] != DrawClasses::None) {
                    members_[next[classOf_[d]]++] = static_cast<std::uint32_t>(d);
                }
            }
        } else {
            classes_ = draws;
        }
        cover_.assign(classes_, 0);
        where_.resize(classes_);
        uncovered_.resize(classes_);
        for (std::size_t c = 0; c < classes_; ++c) {
            uncovered_[c] = static_cast<std::uint32_t>(c);
            where_[c] = static_cast<std::uint32_t>(c);
        }
        // Lotto coverings (m > t) move many draws at once: a warmer search suits them.
        if (p.m > p.t) {
            hot_ = 0.4;
            cold_ = 0.1;
        }
        temperature_ = hot_;
    }

    CoveringResult run() {
        for (const Mask block : options_.start) {
            addBlock(block);
        }
        greedy();
        pruneRedundant();
        std::vector<Mask> best = blocks_;
        bestSize_ = best.size();
        report();
        bool done = !options_.improve || (options_.onFull && options_.onFull(best));
        while (!done && !outOfBudget(true) &&
               blocks_.size() > std::max<std::uint64_t>(budget_.enough, 1)) {
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
            done = options_.onFull && options_.onFull(best);
        }
        return {std::move(best), steps_, stopped_};
    }

private:
    static constexpr std::uint32_t None = DrawClasses::None;

    Mask allPoints() const { return (Mask{1} << p_.v) - 1; }

    std::uint32_t classOf(std::uint64_t rank) const {
        return classOf_ == nullptr ? static_cast<std::uint32_t>(rank) : classOf_[rank];
    }

    // A draw of the class, at random.
    Mask drawOf(std::uint32_t c) {
        if (classOf_ == nullptr) {
            return drawMask_[c];
        }
        const auto first = memberStart_[c];
        return drawMask_[members_[first + pick(memberStart_[c + 1] - first)]];
    }

    // Every draw that meets `block` in at least t points, by rank.
    template <typename F> void forEachCoveredDraw(Mask block, F&& f) const {
        std::array<int, 64> in{};
        std::array<int, 64> out{};
        const int nIn = pointsOf(block, in);
        const int nOut = pointsOf(~block & allPoints(), out);
        for (int i = p_.t; i <= std::min(p_.k, p_.m); ++i) {
            forEachSubset(in, nIn, i, [&](Mask s) {
                forEachSubset(out, nOut, p_.m - i, [&](Mask r) { f(ranks_.rank(s | r)); });
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
                          [&](Mask r) { f(ranks_.rank(xBit | s | r), ranks_.rank(yBit | s | r)); });
        });
    }

    void markCovered(std::uint32_t c) {
        const auto at = where_[c];
        const auto last = uncovered_.back();
        uncovered_[at] = last;
        where_[last] = at;
        uncovered_.pop_back();
    }
    void markUncovered(std::uint32_t c) {
        where_[c] = static_cast<std::uint32_t>(uncovered_.size());
        uncovered_.push_back(c);
    }
    // One more (+1) or one fewer (-1) block reaches class c; returns the change in the number
    // of uncovered classes.
    int changeCover(std::uint32_t c, int by) {
        if (c == None) {
            return 0;
        }
        if (by > 0) {
            if (cover_[c]++ == 0) {
                markCovered(c);
                return -1;
            }
            return 0;
        }
        if (--cover_[c] == 0) {
            markUncovered(c);
            return 1;
        }
        return 0;
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
        forEachCoveredDraw(block, [&](std::uint64_t d) { changeCover(classOf(d), +1); });
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
        forEachCoveredDraw(block, [&](std::uint64_t d) { changeCover(classOf(d), -1); });
    }

    // How many classes only this block of the covering reaches (`present`), or how many it
    // would newly reach (not `present`). A class the block reaches through several draws counts
    // once.
    std::size_t reachedAlone(Mask block, bool present) {
        std::size_t n = 0;
        if (classOf_ == nullptr) {
            const std::uint32_t alone = present ? 1 : 0;
            forEachCoveredDraw(block, [&](std::uint64_t d) { n += cover_[d] == alone; });
            return n;
        }
        scratch_.clear();
        forEachCoveredDraw(block, [&](std::uint64_t d) {
            if (classOf_[d] != None) {
                scratch_.push_back(classOf_[d]);
            }
        });
        std::sort(scratch_.begin(), scratch_.end());
        for (std::size_t i = 0; i < scratch_.size();) {
            std::size_t j = i;
            while (j < scratch_.size() && scratch_[j] == scratch_[i]) {
                ++j;
            }
            const auto own = static_cast<std::uint32_t>(j - i);
            n += present ? cover_[scratch_[i]] == own : cover_[scratch_[i]] == 0;
            i = j;
        }
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
            const Mask draw = drawOf(uncovered_[pick(uncovered_.size())]);
            Mask best = 0;
            std::size_t bestGain = 0;
            for (int c = 0; c < candidates; ++c) {
                const int need = std::uniform_int_distribution<int>(p_.t, most)(rng_);
                const Mask block = blockThrough(draw, need);
                const auto gain = reachedAlone(block, false);
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
            if (reachedAlone(blocks_[i], true) == 0) {
                removeBlockAt(i);
            }
        }
    }

    // Drops the block that alone covers the fewest draws.
    void removeWeakest() {
        std::size_t weakest = 0;
        std::size_t fewest = SIZE_MAX;
        for (std::size_t i = 0; i < blocks_.size(); ++i) {
            const auto alone = reachedAlone(blocks_[i], true);
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

    // Moves x out of the block and y in, in the counts only; returns the change in the number
    // of uncovered classes.
    long moveCounts(Mask block, int x, int y) {
        long delta = 0;
        forEachChangedDraw(block, x, y, [&](std::uint64_t lost, std::uint64_t gained) {
            delta += changeCover(classOf(lost), -1);
            delta += changeCover(classOf(gained), +1);
        });
        return delta;
    }

    bool accepted(long delta) {
        temperature_ *= cooling;
        if (temperature_ < cold_) {
            temperature_ = hot_;
        }
        return delta <= 0 || std::uniform_real_distribution<double>(0, 1)(rng_) <
                                 std::exp(-static_cast<double>(delta) / temperature_);
    }

    // One annealing step: an uncovered draw, a block close to it, one point of the block moved
    // into the draw; kept when the count of uncovered draws does not grow, or by chance.
    void step() {
        ++steps_;
        const Mask draw = drawOf(uncovered_[pick(uncovered_.size())]);
        const std::size_t chosen = std::uniform_real_distribution<double>(0, 1)(rng_) < closeShare
                                       ? closestBlock(draw)
                                       : pick(blocks_.size());
        const Mask block = blocks_[chosen];
        const int x = std::countr_zero(randomBitOf(block & ~draw));
        const int y = std::countr_zero(randomBitOf(draw & ~block));
        const Mask moved = (block & ~(Mask{1} << x)) | (Mask{1} << y);
        if (classOf_ == nullptr) {
            // Every draw is its own class: the cost is known before anything changes.
            long delta = 0;
            forEachChangedDraw(block, x, y, [&](std::uint64_t lost, std::uint64_t gained) {
                delta += (cover_[lost] == 1) - (cover_[gained] == 0);
            });
            if (!accepted(delta)) {
                return;
            }
            moveCounts(block, x, y);
        } else if (!accepted(moveCounts(block, x, y))) {
            moveCounts(moved, y, x); // classes may repeat: count, then undo
            return;
        }
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
        if (!options_.progress) {
            return;
        }
        double fraction = 0;
        if (budget_.steps != 0) {
            fraction = static_cast<double>(steps_) / static_cast<double>(budget_.steps);
        }
        if (budget_.seconds > 0) {
            fraction = std::max(fraction, elapsed() / budget_.seconds);
        }
        options_.progress({static_cast<int>(bestSize_), std::min(fraction, 1.0)});
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
    const SearchOptions& options_;
    std::mt19937_64 rng_;
    std::chrono::steady_clock::time_point start_;
    pointsets::SubsetRanks ranks_;
    std::vector<Mask> drawMask_;             // by rank (colex order of the m-sets)
    const std::uint32_t* classOf_ = nullptr; // by rank; null: each draw its own class
    std::size_t classes_ = 0;                // classes (or draws) to cover
    std::vector<std::uint32_t> memberStart_; // the draws of class c: members_[start[c]..]
    std::vector<std::uint32_t> members_;
    std::vector<std::uint32_t> cover_;     // blocks meeting the class in t or more points
    std::vector<std::uint32_t> uncovered_; // classes with cover 0, in any order
    std::vector<std::uint32_t> where_;     // index of a class in uncovered_
    std::vector<std::uint32_t> scratch_;
    std::vector<Mask> blocks_;
    std::vector<std::vector<Mask>> incidence_; // per point, its blocks as bits
    std::vector<Mask> planes_;                 // bit-sliced counts of closestBlock
    std::vector<std::size_t> close_;
    double temperature_ = 0;
    std::uint64_t steps_ = 0;
    std::uint64_t calls_ = 0;
    bool stopped_ = false;
    std::size_t bestSize_ = 0;
    double lastReport_ = 0;
};

} // namespace

bool searchableCovering(const CoveringProblem& p) {
    return p.t >= 1 && p.t <= p.k && p.k <= p.v && p.m >= p.t && p.m <= p.v && p.v <= MaxPoints &&
           p.k <= MaxSubset && p.m <= MaxSubset &&
           static_cast<std::uint64_t>(binomial(p.v, p.m)) <= MaxDraws;
}

std::uint64_t uncoveredDraws(const CoveringProblem& p, std::span<const std::uint64_t> blocks) {
    if (!searchableCovering(p)) {
        return UINT64_MAX;
    }
    const pointsets::SubsetRanks ranks;
    const auto draws = static_cast<std::uint64_t>(binomial(p.v, p.m));
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
                    const auto rank = ranks.rank(s | r);
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
                              const SearchBudget& budget, const SearchOptions& options) {
    if (!searchableCovering(problem) ||
        (options.classes != nullptr &&
         options.classes->classOf.size() !=
             static_cast<std::size_t>(binomial(problem.v, problem.m)))) {
        return {};
    }
    Search search(problem, seed, budget, options);
    return search.run();
}

} // namespace quintora
