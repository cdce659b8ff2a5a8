#pragma once

// A broken invariant stops the fuzzer at once with a crash it records as a finding; the
// condition's text is printed first so that the report says which invariant it was.
#include <cstdio>

#define QUORVANE_FUZZ_CHECK(condition)                                                       \
  do {                                                                                       \
    if (!(condition)) {                                                                      \
      std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition); \
      __builtin_trap();                                                                      \
    }                                                                                        \
  } while (false)
