#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the optimised build, the same
# tests under AddressSanitizer and UndefinedBehaviorSanitizer, and a short run of each fuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh test

echo "=== format: every C++ file as .clang-format lays it out"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

for preset in default asan; do
    echo "=== $preset: configure and build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    echo "=== $preset: tests"
    ctest --preset "$preset"
done

echo "=== fuzz: build and a short run of each target"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzzers
mkdir -p build/fuzz/corpus
find build/fuzz -type f -executable -name 'fuzz_*' | sort | while read -r target; do
    name=$(basename "$target")
    mkdir -p "build/fuzz/corpus/$name"
    seeds=""
    [ -d "fuzz/seeds/$name" ] && seeds="fuzz/seeds/$name"
    echo "--- $name"
    "$target" -max_total_time="${KORVA_FUZZ_SECONDS:-30}" -rss_limit_mb=2048 \
        "build/fuzz/corpus/$name" $seeds 2>&1 | tail -n 3
done
