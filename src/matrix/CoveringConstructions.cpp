#include "matrix/CoveringConstructions.h"

#include "core/GameModel.h"
#include "matrix/FiniteField.h"
#include "matrix/OrbitCovering.h"
#include "matrix/PointGroup.h"

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <map>
#include <random>
#include <tuple>

namespace quintora {

namespace {

using Mask = std::uint64_t;
constexpr std::uint64_t OrbitSteps = 100000;     // per orbit search, coverings
constexpr std::uint64_t LottoOrbitSteps = 20000; // per orbit search, lotto designs (m > t)
constexpr std::uint64_t PartSteps = 200000;      // the search for the part an extension adds

bool isCovering(const CoveringProblem& p, const std::vector<Mask>& blocks) {
    return !blocks.empty() && uncoveredDraws(p, blocks) == 0;
}

// Drops repeated and redundant blocks (and completes the covering, were it not full).
std::vector<Mask> tidy(const CoveringProblem& p, std::vector<Mask> blocks) {
    std::sort(blocks.begin(), blocks.end());
    blocks.erase(std::unique(blocks.begin(), blocks.end()), blocks.end());
    SearchOptions options;
    options.start = blocks;
    options.improve = false;
    return searchCovering(p, 1, {}, options).blocks;
}

// Blocks of fewer than k points (from a smaller structure) get the lowest points they lack.
Mask padded(Mask block, int k) {
    for (Mask free = ~block; std::popcount(block) < k; free &= free - 1) {
        block |= free & (~free + 1);
    }
    return block;
}

class Constructor {
public:
    Constructor(std::uint64_t seed, const SearchBudget& budget)
        : rng_(seed)
        , budget_(budget)
        , start_(std::chrono::steady_clock::now()) {}

    Construction best(const CoveringProblem& p) {
        Construction found = direct(p);
        if (p.m == p.t && p.t >= 2 && !atBound(p, found)) {
            consider(p, extended(p), found);
        }
        if (p.m == p.t && p.t >= 2 && !atBound(p, found)) {
            consider(p, reduced(p), found);
        }
        return found;
    }

private:
    // Planes and group orbits for exactly this problem, remembered.
    Construction direct(const CoveringProblem& p) {
        const auto key = std::make_tuple(p.v, p.k, p.t, p.m);
        if (const auto it = done_.find(key); it != done_.end()) {
            return it->second;
        }
        Construction found;
        if (p.t == 2) {
            const int q = p.k - 1;
            if (q * q + q + 1 == p.v) {
                consider(p, {"PG(2," + std::to_string(q) + ")", projectivePlane(q)}, found);
            }
            if (p.k * p.k == p.v) {
                consider(p, {"AG(2," + std::to_string(p.k) + ")", affinePlane(p.k)}, found);
            }
        }
        const auto groups = coveringGroups(p.v);
        const std::uint64_t steps = p.m == p.t ? OrbitSteps : LottoOrbitSteps;
        for (std::size_t i = 0; i < groups.size() && !stopped() && !atBound(p, found); ++i) {
            SearchBudget part{share(groups.size() - i), steps, budget_.stop, 0};
            // An orbit search can only help while one orbit is smaller than the best so far.
            const std::uint64_t largest = std::min<std::uint64_t>(
                found.blocks.empty() ? UINT64_MAX : found.blocks.size(), 3 * lowerEstimate(p));
            part.enough = lowerEstimate(p);
            consider(p, {groups[i].name, searchOrbitCovering(p, groups[i], rng_(), part, largest)},
                     found);
        }
        done_[key] = found;
        return found;
    }

    // A covering of v - 1 points, and the new point with the blocks of a (v-1, k-1, t-1)
    // covering.
    Construction extended(const CoveringProblem& p) {
        if (p.v - 1 < p.k) {
            return {};
        }
        const CoveringProblem smaller{p.v - 1, p.k, p.t, p.m};
        const Construction base = direct(smaller);
        if (base.blocks.empty()) {
            return {};
        }
        const CoveringProblem part{p.v - 1, p.k - 1, p.t - 1, p.t - 1};
        std::vector<Mask> partBlocks;
        if (part.t == 1) {
            for (int first = 0; first < part.v; first += part.k) {
                Mask block = 0;
                for (int x = first; x < std::min(first + part.k, part.v); ++x) {
                    block |= Mask{1} << x;
                }
                partBlocks.push_back(padded(block, part.k));
            }
        } else {
            const Construction start = direct(part);
            SearchOptions options;
            options.start = start.blocks;
            SearchBudget partBudget{share(1), PartSteps, budget_.stop, lowerEstimate(part)};
            partBlocks = searchCovering(part, rng_(), partBudget, options).blocks;
        }
        Construction out{base.name + " +1", base.blocks};
        for (const Mask block : partBlocks) {
            out.blocks.push_back(block | (Mask{1} << (p.v - 1)));
        }
        out.blocks = tidy(p, std::move(out.blocks));
        return out;
    }

    // A covering of v + 1 points without its last point.
    Construction reduced(const CoveringProblem& p) {
        if (p.v + 1 > 63) {
            return {};
        }
        const Construction larger = direct({p.v + 1, p.k, p.t, p.m});
        if (larger.blocks.empty()) {
            return {};
        }
        Construction out{larger.name + " -1", {}};
        const Mask last = Mask{1} << p.v;
        for (const Mask block : larger.blocks) {
            out.blocks.push_back(padded(block & ~last, p.k));
        }
        out.blocks = tidy(p, std::move(out.blocks));
        return out;
    }

    void consider(const CoveringProblem& p, Construction candidate, Construction& best) const {
        if (!candidate.blocks.empty() &&
            (best.blocks.empty() || candidate.blocks.size() < best.blocks.size()) &&
            isCovering(p, candidate.blocks)) {
            best = std::move(candidate);
        }
    }

    static bool atBound(const CoveringProblem& p, const Construction& c) {
        return !c.blocks.empty() && c.blocks.size() <= lowerEstimate(p);
    }

    // Schönheim's bound for coverings, the counting bound for lotto designs.
    static std::uint64_t lowerEstimate(const CoveringProblem& p) {
        if (p.m == p.t) {
            std::uint64_t bound = 1;
            for (int i = p.t - 1; i >= 0; --i) {
                const auto n = static_cast<std::uint64_t>(p.v - i);
                const auto d = static_cast<std::uint64_t>(p.k - i);
                bound = (n * bound + d - 1) / d;
            }
            return bound;
        }
        std::uint64_t reached = 0;
        for (int i = p.t; i <= std::min(p.k, p.m); ++i) {
            reached += static_cast<std::uint64_t>(binomial(p.k, i) * binomial(p.v - p.k, p.m - i));
        }
        const auto draws = static_cast<std::uint64_t>(binomial(p.v, p.m));
        return reached == 0 ? 1 : (draws + reached - 1) / reached;
    }

    double elapsed() const {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    }

    bool stopped() const {
        return (budget_.stop != nullptr && budget_.stop->load(std::memory_order_relaxed)) ||
               (budget_.seconds > 0 && elapsed() >= budget_.seconds);
    }

    // The time left, split among the `parts` still to come (0: no time limit).
    double share(std::size_t parts) const {
        if (budget_.seconds <= 0) {
            return 0;
        }
        return std::max(1e-3, (budget_.seconds - elapsed()) / static_cast<double>(parts + 2));
    }

    std::mt19937_64 rng_;
    SearchBudget budget_;
    std::chrono::steady_clock::time_point start_;
    std::map<std::tuple<int, int, int, int>, Construction> done_;
};

} // namespace

std::vector<std::uint64_t> projectivePlane(int q) {
    const auto field = FiniteField::ofOrder(q);
    if (!field || q > 7) {
        return {};
    }
    // Points and lines are the same normalised triples: (1,a,b), (0,1,b), (0,0,1).
    std::vector<std::array<int, 3>> triples;
    for (int a = 0; a < q; ++a) {
        for (int b = 0; b < q; ++b) {
            triples.push_back({1, a, b});
        }
    }
    for (int b = 0; b < q; ++b) {
        triples.push_back({0, 1, b});
    }
    triples.push_back({0, 0, 1});
    std::vector<Mask> lines;
    for (const auto& l : triples) {
        Mask line = 0;
        for (std::size_t i = 0; i < triples.size(); ++i) {
            const auto& x = triples[i];
            int sum = 0;
            for (std::size_t c = 0; c < 3; ++c) {
                sum = field->add(sum, field->multiply(l[c], x[c]));
            }
            if (sum == 0) {
                line |= Mask{1} << i;
            }
        }
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::uint64_t> affinePlane(int q) {
    const auto field = FiniteField::ofOrder(q);
    if (!field || q > 7) {
        return {};
    }
    // Point (x, y) is number x·q + y; the lines y = s·x + c and x = c.
    std::vector<Mask> lines;
    for (int s = 0; s < q; ++s) {
        for (int c = 0; c < q; ++c) {
            Mask line = 0;
            for (int x = 0; x < q; ++x) {
                line |= Mask{1} << (x * q + field->add(field->multiply(s, x), c));
            }
            lines.push_back(line);
        }
    }
    for (int c = 0; c < q; ++c) {
        Mask line = 0;
        for (int y = 0; y < q; ++y) {
            line |= Mask{1} << (c * q + y);
        }
        lines.push_back(line);
    }
    return lines;
}

Construction bestConstruction(const CoveringProblem& problem, std::uint64_t seed,
                              const SearchBudget& budget) {
    if (!searchableCovering(problem)) {
        return {};
    }
    Constructor constructor(seed, budget);
    return constructor.best(problem);
}

} // namespace quintora
