// What every fuzz target does with a property that does not hold: name its line and stop the
// run, so that libFuzzer keeps the input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>

inline void check(bool ok, int line = __builtin_LINE()) {
  if (ok) return;
  std::fprintf(stderr, "property of line %d does not hold\n", line);
  std::abort();
}
