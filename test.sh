#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite:
#   1. the Release build with every test (window tests on the offscreen platform,
#      end-to-end tests in Xvfb),
#   2. the formatting check of every C++ file (.clang-format), then the same
#      suite, end-to-end tests included, built with AddressSanitizer and UBSan,
#   3. each fuzz target of the text-file codec for a short, bounded time.
# With --quick only the first stage runs, for day-to-day work.
set -euo pipefail
quick=false
if [[ ${1:-} == --quick ]]; then
  quick=true
fi
cd "$(dirname "$0")"
tools/install_deps.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== Release build and tests"
# The benchmarks are built (not run) in the full run, so that they keep compiling.
bench=ON
if $quick; then
  bench=OFF
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DLERNWERK_BENCH=$bench
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
if $quick; then
  exit 0
fi

echo "== Formatting"
# Every C++ file of ours as .clang-format wants it.
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

echo "== Sanitizer build and tests"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLERNWERK_SANITIZE=ON -DLERNWERK_BENCH=OFF
cmake --build build-sanitize -j "$jobs"
# The journeys run the sanitized program too; a sanitizer report in its
# output fails them.
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

echo "== Fuzzing the text-file codec"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DLERNWERK_CORE_ONLY=ON -DLERNWERK_FUZZ=ON -DLERNWERK_BENCH=OFF
cmake --build build-fuzz -j "$jobs"
ctest --test-dir build-fuzz --output-on-failure -L fuzz
