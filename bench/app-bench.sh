# Sourced by the app benchmarks: builds TARGET in $TIDYRA_BUILD_DIR (by default an
# optimized build-bench-app; build-bench is scripts/bench.sh's, without the app) and runs
# it offscreen with the remaining arguments.
# Usage, from a benchmark's run.sh: source bench/app-bench.sh TARGET PATH_IN_BUILD "$@"
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TIDYRA_BUILD_DIR:-$root/build-bench-app}
target=$1
program=$2
shift 2
if [ ! -f "$build/build.ninja" ] && [ ! -f "$build/Makefile" ]; then
  generator=()
  command -v ninja >/dev/null && generator=(-G Ninja)
  cmake -S "$root" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release \
    -DTIDYRA_BUILD_BENCH=ON -DTIDYRA_BUILD_TESTS=OFF
fi
cmake --build "$build" --target "$target" -j2
QT_QPA_PLATFORM=offscreen "$build/$program" "$@"
