#pragma once

// The population count instruction is not in the base x86-64 set that the program is built
// for. A hot loop marked with this macro is compiled twice, with and without it, and the
// loader picks the one the processor runs.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define QUINTORA_POPCOUNT_CLONES __attribute__((target_clones("popcnt", "default")))
#else
#define QUINTORA_POPCOUNT_CLONES
#endif
