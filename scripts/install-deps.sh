#!/usr/bin/env bash
# Installs the Debian packages Korva needs; only what dpkg says is missing, so a rerun is quick.
# Usage: scripts/install-deps.sh [build|test]
set -euo pipefail
build_pkgs=(g++ cmake ninja-build qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
            libzstd-dev libpng-dev libwebp-dev libfontconfig-dev fonts-urw-base35 fonts-dejavu-core
            fonts-dejavu-extra fontconfig
            qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
            qt6-httpserver-dev qt6-websockets-dev libqt6sql6-sqlite libsodium-dev pkg-config
            qtkeychain-qt6-dev)
test_pkgs=(libbenchmark-dev xvfb xauth xdotool imagemagick clang libclang-rt-14-dev
           binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 cpp clang-format git
           dpkg-dev lintian appstream desktop-file-utils shared-mime-info dbus-daemon
           qt6-base-private-dev openssl python3 universal-ctags lld)
want=("${build_pkgs[@]}")
if [ "${1:-build}" = test ]; then want+=("${test_pkgs[@]}"); fi
missing=()
for p in "${want[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
