#pragma once

#include <cstdio>
#include <cstdlib>

// Stops the fuzz target on a broken invariant, naming it, so that libFuzzer keeps the input.
inline void Check(bool condition, const char* invariant) {
  if (condition) return;
  std::fprintf(stderr, "invariant violated: %s\n", invariant);
  std::abort();
}
