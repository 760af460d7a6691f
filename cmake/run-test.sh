#!/bin/sh
# run-test.sh HOME_DIR PROGRAM [ARGS...]: runs one test program in a fresh home of its own, so
# tests can run side by side and none reads or leaves anything in the user's home.
home=$1
shift
rm -rf "$home" && mkdir -p "$home" || exit 1
HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
    XDG_CACHE_HOME=$home/.cache XDG_STATE_HOME=$home/.local/state exec "$@"
