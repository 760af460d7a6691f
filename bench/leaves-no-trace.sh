#!/bin/sh
# leaves-no-trace.sh BENCHMARK [ARGS...]: runs a benchmark in an empty home and fails if the
# home is not empty afterwards: a benchmark keeps its history, ledger and settings in a home
# of its own, never in the user's.
home=$(mktemp -d) || exit 1
trap 'rm -rf "$home"' EXIT
# The user's folders as a desktop session names them: a program the benchmark starts with a
# home of its own but these inherited would still write into them.
HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
    XDG_CACHE_HOME=$home/.cache XDG_STATE_HOME=$home/.local/state "$@" ||
    { echo "the benchmark failed"; exit 1; }
left=$(find "$home" -mindepth 1 | head -n 5)
if [ -n "$left" ]; then
    echo "the benchmark left files in the home it was given:"
    echo "$left"
    exit 1
fi
echo "the home is as it was"
