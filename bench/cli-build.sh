# Sourced by the terminal benchmarks (bench/cli, bench/watch): builds tidyra-cli and the
# bare system-call baseline in release form into build-bench/, and gives `cli`,
# `baseline` and `median` (of numbers on standard input, one a line).
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build-bench"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DTIDYRA_BUILD_GUI=OFF -DTIDYRA_BUILD_TESTS=OFF -DTIDYRA_BUILD_BENCH=ON >/dev/null
cmake --build "$build" --target tidyra-cli tidyra-baseline -j2 >/dev/null
cli="$build/src/cli/tidyra-cli"
baseline="$build/bench/tidyra-baseline"
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
