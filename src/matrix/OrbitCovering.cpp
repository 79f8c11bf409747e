#include "matrix/OrbitCovering.h"

#include "core/GameModel.h"
#include "matrix/PointSets.h"

#include <algorithm>
#include <numeric>
#include <random>
#include <unordered_set>

namespace quintora {

namespace {

using pointsets::Mask;
constexpr std::uint64_t MaxSets = 1u << 22; // sets split into orbits, at most

class UnionFind {
public:
    explicit UnionFind(std::size_t n)
        : parent_(n) {
        std::iota(parent_.begin(), parent_.end(), 0u);
    }
    std::uint32_t root(std::uint32_t a) {
        while (parent_[a] != a) {
            parent_[a] = parent_[parent_[a]];
            a = parent_[a];
        }
        return a;
    }
    void join(std::uint32_t a, std::uint32_t b) {
        a = root(a);
        b = root(b);
        if (a != b) {
            parent_[std::max(a, b)] = std::min(a, b);
        }
    }

private:
    std::vector<std::uint32_t> parent_;
};

Mask image(Mask set, const std::vector<std::uint8_t>& permutation) {
    Mask out = 0;
    for (; set != 0; set &= set - 1) {
        out |= Mask{1} << permutation[static_cast<std::size_t>(std::countr_zero(set))];
    }
    return out;
}

// The orbits of the r-sets: orbit[rank] is the smallest rank in the orbit.
std::vector<std::uint32_t> orbitsOfSets(int v, int r, const PointGroup& group,
                                        const pointsets::SubsetRanks& ranks) {
    UnionFind sets(static_cast<std::size_t>(binomial(v, r)));
    pointsets::forEachSet(v, r, [&](Mask s) {
        const auto from = static_cast<std::uint32_t>(ranks.rank(s));
        for (const auto& g : group.generators) {
            sets.join(from, static_cast<std::uint32_t>(ranks.rank(image(s, g))));
        }
    });
    std::vector<std::uint32_t> orbit(static_cast<std::size_t>(binomial(v, r)));
    for (std::size_t i = 0; i < orbit.size(); ++i) {
        orbit[i] = sets.root(static_cast<std::uint32_t>(i));
    }
    return orbit;
}

// Adds the orbit of `block` to `blocks` (and `seen`); returns how many blocks were new.
std::size_t addOrbit(Mask block, const PointGroup& group, std::unordered_set<Mask>& seen,
                     std::vector<Mask>& blocks) {
    if (!seen.insert(block).second) {
        return 0;
    }
    const std::size_t first = blocks.size();
    blocks.push_back(block);
    for (std::size_t i = first; i < blocks.size(); ++i) {
        for (const auto& g : group.generators) {
            const Mask next = image(blocks[i], g);
            if (seen.insert(next).second) {
                blocks.push_back(next);
            }
        }
    }
    return blocks.size() - first;
}

class OrbitCovering {
public:
    OrbitCovering(const CoveringProblem& p, const PointGroup& group, std::uint64_t seed)
        : p_(p)
        , group_(group)
        , rng_(seed) {}

    std::vector<Mask> run(const SearchBudget& budget, std::uint64_t largest) {
        drawOrbit_ = orbitsOfSets(p_.v, p_.m, group_, ranks_);
        if (p_.m == p_.t && static_cast<std::uint64_t>(binomial(p_.v, p_.k)) <= MaxSets) {
            blockOrbit_ = orbitsOfSets(p_.v, p_.k, group_, ranks_);
            blockOfRank_.resize(blockOrbit_.size());
            pointsets::forEachSet(p_.v, p_.k, [&](Mask s) { blockOfRank_[ranks_.rank(s)] = s; });
            if (binomial(p_.v, p_.t) % binomial(p_.k, p_.t) == 0) {
                if (auto design = exactDesign(budget.steps); !design.empty()) {
                    return design;
                }
            }
            seedShortOrbits();
            if (uncoveredAfterSeeds() == 0) {
                return seeds_;
            }
        }
        if (group_.order > largest) {
            return {};
        }
        // With seeds, half the budget searches with them and half without.
        SearchBudget part = budget;
        if (!seeds_.empty()) {
            part.steps = budget.steps / 2;
            part.seconds = budget.seconds / 2;
            searchOrbits(true, part);
        }
        searchOrbits(false, part);
        return best_;
    }

private:
    // A design (every t-set in exactly one block) made of whole orbits: an exact cover of the
    // t-set orbits by the block orbits that hold each of their t-sets once, found by
    // backtracking with at most `nodes` tries. Empty when none is found.
    std::vector<Mask> exactDesign(std::uint64_t nodes) {
        std::vector<std::uint32_t> classOf(drawOrbit_.size());
        std::vector<std::uint32_t> classSize;
        {
            std::vector<std::uint32_t> id(drawOrbit_.size(), DrawClasses::None);
            for (std::size_t d = 0; d < drawOrbit_.size(); ++d) {
                auto& c = id[drawOrbit_[d]];
                if (c == DrawClasses::None) {
                    c = static_cast<std::uint32_t>(classSize.size());
                    classSize.push_back(0);
                }
                classOf[d] = c;
                ++classSize[c];
            }
        }
        const std::size_t columns = classSize.size();
        const std::size_t words = (columns + 63) / 64;
        std::vector<std::uint32_t> orbitSize(blockOrbit_.size(), 0);
        for (const auto root : blockOrbit_) {
            ++orbitSize[root];
        }
        // A row: a block orbit whose t-sets are all different, as the set of classes it covers.
        std::vector<Mask> rowBits;
        std::vector<std::uint32_t> rowRoot;
        std::vector<std::vector<std::uint32_t>> rowsOf(columns);
        const auto perBlock = static_cast<std::uint64_t>(binomial(p_.k, p_.t));
        std::vector<std::uint32_t> hit;
        for (std::uint32_t r = 0; r < blockOrbit_.size(); ++r) {
            if (blockOrbit_[r] != r) {
                continue;
            }
            hit.clear();
            forEachDrawIn(blockOfRank_[r], [&](std::uint64_t d) { hit.push_back(classOf[d]); });
            std::sort(hit.begin(), hit.end());
            hit.erase(std::unique(hit.begin(), hit.end()), hit.end());
            std::uint64_t covered = 0;
            for (const auto c : hit) {
                covered += classSize[c];
            }
            if (covered != orbitSize[r] * perBlock) {
                continue;
            }
            const auto row = static_cast<std::uint32_t>(rowRoot.size());
            rowRoot.push_back(r);
            rowBits.resize(rowBits.size() + words, 0);
            for (const auto c : hit) {
                rowBits[row * words + c / 64] |= Mask{1} << (c % 64);
                rowsOf[c].push_back(row);
            }
        }
        // Columns with few rows first; rows in a random order, so seeds differ.
        std::vector<std::uint32_t> order(columns);
        std::iota(order.begin(), order.end(), 0u);
        std::stable_sort(order.begin(), order.end(),
                         [&](auto a, auto b) { return rowsOf[a].size() < rowsOf[b].size(); });
        for (auto& rows : rowsOf) {
            std::shuffle(rows.begin(), rows.end(), rng_);
        }
        std::vector<Mask> used(words, 0);
        std::vector<std::uint32_t> chosen;
        std::uint64_t tries = 0;
        const auto fits = [&](std::uint32_t row) {
            for (std::size_t w = 0; w < words; ++w) {
                if (rowBits[row * words + w] & used[w]) {
                    return false;
                }
            }
            return true;
        };
        const auto toggle = [&](std::uint32_t row) {
            for (std::size_t w = 0; w < words; ++w) {
                used[w] ^= rowBits[row * words + w];
            }
        };
        const auto solve = [&](auto&& self, std::size_t at) -> bool {
            while (at < columns && (used[order[at] / 64] >> (order[at] % 64) & 1) != 0) {
                ++at;
            }
            if (at == columns) {
                return true;
            }
            for (const auto row : rowsOf[order[at]]) {
                if ((nodes != 0 && tries >= nodes) || !fits(row)) {
                    continue;
                }
                ++tries;
                toggle(row);
                chosen.push_back(row);
                if (self(self, at + 1)) {
                    return true;
                }
                chosen.pop_back();
                toggle(row);
            }
            return false;
        };
        if (!solve(solve, 0)) {
            return {};
        }
        std::vector<Mask> blocks;
        std::unordered_set<Mask> seen;
        for (const auto row : chosen) {
            addOrbit(blockOfRank_[rowRoot[row]], group_, seen, blocks);
        }
        return blocks;
    }

    // Short orbits whose blocks cover distinct t-sets, none covered before, taken smallest
    // first: Steiner systems often are one such orbit.
    void seedShortOrbits() {
        const auto& blockOrbit = blockOrbit_;
        std::vector<std::uint32_t> size(blockOrbit.size(), 0);
        for (const auto root : blockOrbit) {
            ++size[root];
        }
        std::vector<std::uint32_t> shortOnes;
        for (std::uint32_t r = 0; r < size.size(); ++r) {
            if (size[r] != 0 && size[r] < group_.order) {
                shortOnes.push_back(r);
            }
        }
        std::stable_sort(shortOnes.begin(), shortOnes.end(),
                         [&](auto a, auto b) { return size[a] < size[b]; });
        const auto& blockOfRank = blockOfRank_;
        covered_.assign(drawOrbit_.size(), false);
        std::unordered_set<Mask> seen;
        for (const auto root : shortOnes) {
            std::vector<Mask> orbit;
            std::unordered_set<Mask> mine;
            addOrbit(blockOfRank[root], group_, mine, orbit);
            std::vector<std::uint64_t> drawsHit;
            for (const Mask block : orbit) {
                forEachDrawIn(block, [&](std::uint64_t d) { drawsHit.push_back(d); });
            }
            std::sort(drawsHit.begin(), drawsHit.end());
            const bool perfect =
                std::adjacent_find(drawsHit.begin(), drawsHit.end()) == drawsHit.end() &&
                std::none_of(drawsHit.begin(), drawsHit.end(),
                             [&](std::uint64_t d) { return covered_[d]; });
            if (perfect) {
                for (const auto d : drawsHit) {
                    covered_[d] = true;
                }
                seeds_.insert(seeds_.end(), orbit.begin(), orbit.end());
            }
        }
        if (!seeds_.empty() && uncoveredAfterSeeds() == 0) {
            best_ = seeds_;
        }
    }

    // The t-sets of a block (coverings only).
    template <typename F> void forEachDrawIn(Mask block, F&& f) const {
        std::array<int, 64> in{};
        const int n = pointsets::pointsOf(block, in);
        pointsets::forEachSubset(in, n, p_.t, [&](Mask s) { f(ranks_.rank(s)); });
    }

    std::size_t uncoveredAfterSeeds() const {
        return static_cast<std::size_t>(std::count(covered_.begin(), covered_.end(), false));
    }

    void searchOrbits(bool withSeeds, const SearchBudget& budget) {
        DrawClasses classes;
        classes.classOf.assign(drawOrbit_.size(), DrawClasses::None);
        std::vector<std::uint32_t> idOfRoot(drawOrbit_.size(), DrawClasses::None);
        for (std::size_t d = 0; d < drawOrbit_.size(); ++d) {
            if (withSeeds && covered_[d]) {
                continue;
            }
            auto& id = idOfRoot[drawOrbit_[d]];
            if (id == DrawClasses::None) {
                id = classes.count++;
            }
            classes.classOf[d] = id;
        }
        const std::vector<Mask> fixed = withSeeds ? seeds_ : std::vector<Mask>{};
        SearchOptions options;
        options.classes = &classes;
        options.onFull = [&](std::span<const Mask> bases) {
            std::unordered_set<Mask> seen(fixed.begin(), fixed.end());
            std::vector<Mask> blocks = fixed;
            for (const Mask base : bases) {
                addOrbit(base, group_, seen, blocks);
                if (!best_.empty() && blocks.size() >= best_.size()) {
                    return false; // no better than the best so far
                }
            }
            best_ = std::move(blocks);
            return best_.size() <= budget.enough;
        };
        SearchBudget inner = budget;
        inner.enough = 0;
        searchCovering(p_, rng_(), inner, options);
    }

    CoveringProblem p_;
    const PointGroup& group_;
    std::mt19937_64 rng_;
    pointsets::SubsetRanks ranks_;
    std::vector<std::uint32_t> drawOrbit_;  // per draw rank, the smallest rank of its orbit
    std::vector<std::uint32_t> blockOrbit_; // the same for the k-sets (coverings only)
    std::vector<Mask> blockOfRank_;
    std::vector<bool> covered_; // by the seeds, per draw
    std::vector<Mask> seeds_;
    std::vector<Mask> best_;
};

} // namespace

std::vector<std::uint64_t> searchOrbitCovering(const CoveringProblem& problem,
                                               const PointGroup& group, std::uint64_t seed,
                                               const SearchBudget& budget, std::uint64_t largest) {
    if (!searchableCovering(problem) || group.generators.empty() ||
        group.generators.front().size() != static_cast<std::size_t>(problem.v) ||
        static_cast<std::uint64_t>(binomial(problem.v, problem.m)) > MaxSets) {
        return {};
    }
    OrbitCovering search(problem, group, seed);
    return search.run(budget, largest);
}

} // namespace quintora
