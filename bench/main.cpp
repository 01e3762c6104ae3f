#include <benchmark/benchmark.h>

#include <vector>

// Every case first runs untimed for a while, so that its buffers are touched, its code is hot and
// the clock has settled whatever ran before it, and repetitions of different cases take turns in
// a random order, so that a slow spell of the machine spreads over all of them: recolour/<side>
// and the kernels' cases of the same size compare in any order. Both are defaults the flags given
// override; a warm-up set on each case would show in the case's name.
int main(int argc, char** argv) {
  std::vector<char*> arguments(argv, argv + argc);
  char warmUp[] = "--benchmark_min_warmup_time=0.2";
  char interleave[] = "--benchmark_enable_random_interleaving=true";
  arguments.insert(arguments.begin() + 1, {warmUp, interleave});
  int count = static_cast<int>(arguments.size());
  benchmark::Initialize(&count, arguments.data());
  if (benchmark::ReportUnrecognizedArguments(count, arguments.data())) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
