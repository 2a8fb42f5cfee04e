// Shared checks of the fuzz targets: a failed property stops the run like a crash.
#pragma once

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                                \
  do {                                                                                                       \
    if (!(condition)) {                                                                                      \
      std::fprintf(stderr, "property failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__);                 \
      std::abort();                                                                                          \
    }                                                                                                        \
  } while (false)
