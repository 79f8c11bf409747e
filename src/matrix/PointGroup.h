#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quintora {

// A group of permutations of the points 0..v-1, given by generators; coverings it maps onto
// themselves are searched one orbit at a time.
struct PointGroup {
    std::string name;    // e.g. "Z21", "PGL(2,16)"
    std::uint64_t order; // number of elements
    std::vector<std::vector<std::uint8_t>> generators;
};

// The groups tried for coverings of v points (5..63): the cyclic group on v, v-1 or v-2 of
// them (the rest fixed); for a prime power q = v the maps x -> a·x + b of the field with
// a in a subgroup of its units; for q = v - 1 the same with one more point fixed, and the
// projective groups PSL(2,q) and PGL(2,q) on the q + 1 points of the projective line.
std::vector<PointGroup> coveringGroups(int v);

} // namespace quintora
