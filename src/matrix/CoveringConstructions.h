#pragma once

#include "matrix/CoveringSearch.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quintora {

struct Construction {
    std::string name;                  // how it was made, e.g. "PGL(2,16)", "AG(2,5)"
    std::vector<std::uint64_t> blocks; // a full covering; empty when nothing applied
};

// The smallest covering the constructions find for the problem, before any local search:
// finite projective and affine planes; whole orbits under the groups of coveringGroups (which
// holds the Steiner systems S(3,5,17) and S(2,5,v) that are cyclic or 1-rotational); for
// coverings (m = t) also one of v - 1 points extended by a point (its blocks with the new point
// cover the (t-1)-sets of the others) and one of v + 1 points with a point removed. Each is
// checked with uncoveredDraws before it counts. `budget` bounds the whole: every orbit search
// has a fixed number of steps, and with a time limit a share of it; the result repeats for a
// seed when there is no time limit.
Construction bestConstruction(const CoveringProblem& problem, std::uint64_t seed,
                              const SearchBudget& budget);

// The blocks of the finite planes: PG(2,q) (q^2+q+1 points, blocks of q+1) and AG(2,q) (q^2
// points, blocks of q), for prime powers q up to 7; empty for other q.
std::vector<std::uint64_t> projectivePlane(int q);
std::vector<std::uint64_t> affinePlane(int q);

} // namespace quintora
