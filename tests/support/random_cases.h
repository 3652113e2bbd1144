#pragma once

// How many generated cases a random or property test draws: `ci` in an ordinary run, `full` in a
// build configured with DEPHLEGMATOR_LONG_TESTS=ON, which defines DEPHLEGMATOR_LONG_TESTS to 1.
// RandomCases(2'000, 8'000) is 2 000 by default and 8 000 in a long run; the seeds stay the same,
// so a long run draws the ordinary run's cases first.
namespace dephlegmator::testing {

constexpr int RandomCases(int ci, int full) {
#if defined(DEPHLEGMATOR_LONG_TESTS) && DEPHLEGMATOR_LONG_TESTS
    (void)ci;
    return full;
#else
    (void)full;
    return ci;
#endif
}

}  // namespace dephlegmator::testing
