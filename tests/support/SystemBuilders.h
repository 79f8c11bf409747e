#pragma once

#include "core/SystemState.h"

#include <cstdint>
#include <random>
#include <vector>

// Systems for tests and benchmarks, built in one place. Every builder writes the fields of
// SystemState as a system file would hold them, so a test states what it needs ("numbers 1..10,
// the sum between 100 and 120") instead of flags and bit masks.
namespace quintora::builders {

// A system with `numbers` in play, in the order given and unchecked (so bad lists can be built
// too), and the Euro numbers 3 and 7. Nothing else is set.
SystemState systemOf(const std::vector<int>& numbers);
// The numbers 1..n in play.
SystemState firstNumbers(int n);

void setEuroNumbers(SystemState& s, int first, int second);

// Each of these switches its condition on.
// Fixed numbers: every column holds all of `numbers` (a repeated number counts once).
void fixNumbers(SystemState& s, const std::vector<int>& numbers);
// The sum of a column lies in from..to.
void limitSum(SystemState& s, int from, int to);
// A column holds one of `counts` even numbers (0..5).
void allowEvenCounts(SystemState& s, const std::vector<int>& counts);
// The longest run of consecutive numbers in a column has one of `lengths`.
void allowRunLengths(SystemState& s, const std::vector<int>& lengths);
// The excluded columns, in this order (any numbers, as a file may hold them).
void excludeColumns(SystemState& s, const std::vector<Column>& columns);
// A switched-on filter column in the next slot: of its `members`, a column must hit one of
// `hits` (counts 0..5). Returns the slot for a test that needs to spoil it.
FilterColumn& addFilter(SystemState& s, const std::vector<int>& members,
                        const std::vector<int>& hits);
// Reduced-N guarantee: no two columns share 5 - level numbers (level as stored, 0..255).
void reduceTo(SystemState& s, int level);
// Minimum distance: no two columns share more than 5 - distance numbers.
void keepMinimumDistance(SystemState& s, int distance);

// Five different numbers of 1..50 in random order, as a hand-made file might hold them.
Column randomColumn(std::mt19937& random);
// `count` random columns, each ascending, from a generator seeded with `seed`.
std::vector<Column> randomColumns(int count, unsigned seed);

} // namespace quintora::builders
