#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the optimised build, the same
# tests under AddressSanitizer and UndefinedBehaviorSanitizer, and a short run of each fuzzer
# (built in the sanitizer build, so each file is compiled twice, not three times).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh test

# Each phase says when it started, so a slow one shows in the log.
phase() { echo "=== $* (at ${SECONDS} s)"; }

phase "format: every C++ file as .clang-format lays it out"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

passed=0
for preset in default asan; do
    phase "$preset: configure and build"
    # The optimised build makes the benchmarks too (they are optional only for playing).
    bench=()
    [ "$preset" = default ] && bench=(-DKORVA_BENCH=ON)
    # The sanitizer build is clang's: a folder configured before with another compiler
    # starts afresh.
    if [ "$preset" = asan ] && [ -f build/asan/CMakeCache.txt ] &&
        ! grep -q '^CMAKE_CXX_COMPILER:[A-Z]*=.*clang' build/asan/CMakeCache.txt; then
        rm -rf build/asan
    fi
    cmake --preset "$preset" "${bench[@]}" >/dev/null
    cmake --build --preset "$preset"
    phase "$preset: tests"
    ctest --preset "$preset" | tee "build/$preset-ctest.log"
    passed=$((passed + $(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\).*/\1/p' \
        "build/$preset-ctest.log")))
done

phase "package: the staged install, the .deb and the installed program"
packaged=0
check() { # check DESCRIPTION COMMAND...: one counted check; the first failure ends the run
    local what=$1
    shift
    if "$@"; then
        packaged=$((packaged + 1))
    else
        echo "package check failed: $what"
        echo "package: $packaged passed, 1 failed"
        exit 1
    fi
}
no_files() { [ -z "$(find "$@" -print -quit)" ]; }
stage=$PWD/build/default/stage
rm -rf "$stage"
DESTDIR=$stage cmake --install build/default >/dev/null
share=$(find "$stage" -type d -path '*/share/applications' -printf '%h\n')
app_id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$share"/metainfo/*.metainfo.xml)
check "a staged install holds no generated MIME, desktop or icon cache" \
    no_files "$share" \( -path '*/mime/*' ! -path '*/mime/packages*' -o -name '*.cache' \)
for size in 16 24 32 48 64 128 256; do
    check "icon ${size}x${size}" [ "$(identify -format %wx%h \
        "$share/icons/hicolor/${size}x${size}/apps/korva.png")" = "${size}x${size}" ]
done
check "scalable icon" grep -q '<svg' "$share/icons/hicolor/scalable/apps/korva.svg"
check "manual page" zgrep -q '^\.SH OPTIONS' "$share/man/man1/korva.1.gz"
check "desktop entry named after $app_id" desktop-file-validate "$share/applications/$app_id.desktop"
for shot in $(sed -n 's:.*<image[^>]*>.*/\([^/<]*\)</image>.*:\1:p' "$share/metainfo/$app_id.metainfo.xml"); do
    check "AppStream screenshot $shot is kept in docs/screenshots" [ -s "docs/screenshots/$shot" ]
done
echo "--- appstreamcli validate"
check "AppStream metadata" appstreamcli validate --no-net "$share/metainfo/$app_id.metainfo.xml"
rm -f build/default/korva_*.deb build/default/korva-server_*.deb
(cd build/default && cpack -G DEB >/dev/null)
deb=$(ls build/default/korva_*.deb)
server_deb=$(ls build/default/korva-server_*.deb 2>/dev/null || true)
if [ -n "$server_deb" ]; then
    echo "--- lintian $(basename "$server_deb")"
    check "lintian finds no errors in the server package" lintian --fail-on error --info "$server_deb"
    check "the server package holds its program, unit and manual page" bash -c \
        "dpkg-deb -c '$server_deb' | grep -c -E 'usr/bin/korva-server|korva-server.service|man1/korva-server.1.gz' | grep -qx 3"
fi
check "the package recommends the fonts the window and the map are drawn with" bash -c \
    "dpkg-deb -f '$deb' Recommends | grep -q 'fonts-urw-base35.*fonts-dejavu-core.*fonts-dejavu-extra'"
check "the package carries no generated cache" \
    bash -c "! dpkg-deb -c '$deb' | grep -E 'share/mime/[^p]|\\.cache\$'"
echo "--- lintian $(basename "$deb")"
check "lintian finds no errors" lintian --fail-on error --info "$deb"
echo "lintian: no errors"
as_root=""
[ "$(id -u)" -eq 0 ] || as_root=sudo
$as_root dpkg -i "$deb" >/dev/null
check "the installed korva starts" [ "$(/usr/games/korva --version)" = "$(build/default/app/korva --version)" ]
check "dpkg's triggers registered the move file type" [ -f /usr/share/mime/application/x-korva-move.xml ]
check "dpkg's triggers registered the desktop entry" \
    grep -q "application/x-korva-move=.*$app_id.desktop" /usr/share/applications/mimeinfo.cache
$as_root dpkg -r korva >/dev/null
echo "package: $packaged passed, 0 failed"

phase "fuzz: a short run of each target (built with the sanitizer build), two at a time"
corpus=build/asan/corpus
mkdir -p "$corpus"
# fuzz_one TARGET: one target's run, its last line on success, its log's tail on failure.
fuzz_one() {
    local target=$1 name
    name=$(basename "$target")
    mkdir -p "$corpus/$name"
    local seeds=()
    [ -d "fuzz/seeds/$name" ] && seeds=("fuzz/seeds/$name")
    # Memory bars too: no input may make one allocation beyond 256 MB or the process
    # beyond 1 GB (a picture far beyond its kind must be refused, not decoded).
    if "$target" -max_total_time="${KORVA_FUZZ_SECONDS:-30}" -rss_limit_mb=1024 \
        -malloc_limit_mb=256 \
        "$corpus/$name" "${seeds[@]}" > "build/asan/$name.log" 2>&1; then
        echo "--- $name: $(tail -n 1 "build/asan/$name.log")"
    else
        # One write, so the other target's line cannot land inside it.
        printf '%s\n' "--- $name failed:" "$(tail -n 40 "build/asan/$name.log")"
        return 1
    fi
}
# Each fuzzer uses one core: two side by side take half the time and fuzz as long.
mapfile -t targets < <(find build/asan/fuzz -type f -executable -name 'fuzz_*' | sort)
fuzzed=0
failed=0
running=0
# reap: waits for the next run to end and counts it.
reap() {
    if wait -n; then fuzzed=$((fuzzed + 1)); else failed=$((failed + 1)); fi
    running=$((running - 1))
}
for target in "${targets[@]}"; do
    [ "$running" -ge 2 ] && reap
    fuzz_one "$target" &
    running=$((running + 1))
done
while [ "$running" -gt 0 ]; do reap; done
if [ "$failed" -gt 0 ]; then
    echo "fuzz: $fuzzed passed, $failed failed"
    exit 1
fi
echo "fuzz: $fuzzed passed, 0 failed"
phase "done"
echo "all: $((passed + packaged + fuzzed)) passed, 0 failed"
