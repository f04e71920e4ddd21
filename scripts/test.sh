#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the unit tests
# in a normal build and under AddressSanitizer and UndefinedBehaviorSanitizer,
# the link's tests under ThreadSanitizer (the port reads on a thread of its
# own), and each fuzz target for a bounded time from its seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== Unit tests"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/release
ctest --test-dir build/release --output-on-failure -j "$jobs"

echo "== Unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DOMBRELIX_SANITIZE=ON -DOMBRELIX_BENCH=OFF
cmake --build build/sanitize
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp" \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build/sanitize --output-on-failure -j "$jobs"

echo "== Link tests under ThreadSanitizer"
# Without Qt: the system's Qt is not built for ThreadSanitizer.
cmake -S . -B build/thread -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOMBRELIX_SANITIZE_THREAD=ON \
  -DOMBRELIX_GUI=OFF -DOMBRELIX_BENCH=OFF
cmake --build build/thread --target link_tests
TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
  ctest --test-dir build/thread/tests/link --output-on-failure -j "$jobs"

echo "== Fuzzing"
CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DOMBRELIX_FUZZ=ON -DOMBRELIX_GUI=OFF -DOMBRELIX_TESTS=OFF -DOMBRELIX_BENCH=OFF
cmake --build build/fuzz
bash fuzz/run.sh build/fuzz "${FUZZ_SECONDS:-20}"

echo "== All tests passed"
