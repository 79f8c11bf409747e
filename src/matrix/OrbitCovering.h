#pragma once

#include "matrix/CoveringSearch.h"
#include "matrix/PointGroup.h"

#include <cstdint>
#include <vector>

namespace quintora {

// The smallest covering found among those that `group` maps onto itself (blocks of k points of
// 0..v-1, v = the group's degree): whole orbits of blocks. For coverings (m = t) the short
// orbits that cover their t-sets exactly once, without overlap, come first; then a search over
// orbits of draws, each block standing for its orbit, finds the rest. Orbit searches only run
// when the group has at most `largest` elements, so that one orbit can be useful. Empty when
// nothing was found within the budget or the problem is too large to split into orbits.
std::vector<std::uint64_t> searchOrbitCovering(const CoveringProblem& problem,
                                               const PointGroup& group, std::uint64_t seed,
                                               const SearchBudget& budget, std::uint64_t largest);

} // namespace quintora
