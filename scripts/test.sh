#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the optimised build, the same
# tests under AddressSanitizer and UndefinedBehaviorSanitizer, and a short run of each fuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh test

echo "=== format: every C++ file as .clang-format lays it out"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

passed=0
for preset in default asan; do
    echo "=== $preset: configure and build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    echo "=== $preset: tests"
    ctest --preset "$preset" | tee "build/$preset-ctest.log"
    passed=$((passed + $(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\).*/\1/p' \
        "build/$preset-ctest.log")))
done

echo "=== fuzz: build and a short run of each target"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzzers
mkdir -p build/fuzz/corpus
fuzzed=0
while read -r target; do
    name=$(basename "$target")
    mkdir -p "build/fuzz/corpus/$name"
    seeds=()
    [ -d "fuzz/seeds/$name" ] && seeds=("fuzz/seeds/$name")
    echo "--- $name"
    # Memory bars too: no input may make one allocation beyond 256 MB or the process
    # beyond 1 GB (a picture far beyond its kind must be refused, not decoded).
    "$target" -max_total_time="${KORVA_FUZZ_SECONDS:-30}" -rss_limit_mb=1024 \
        -malloc_limit_mb=256 \
        "build/fuzz/corpus/$name" "${seeds[@]}" > "build/fuzz/$name.log" 2>&1 ||
        { tail -n 40 "build/fuzz/$name.log"; echo "fuzz: $fuzzed passed, 1 failed"; exit 1; }
    tail -n 1 "build/fuzz/$name.log"
    fuzzed=$((fuzzed + 1))
done < <(find build/fuzz -type f -executable -name 'fuzz_*' | sort)
echo "fuzz: $fuzzed passed, 0 failed"
echo "all: $((passed + fuzzed)) passed, 0 failed"
