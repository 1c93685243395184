#!/usr/bin/env bash
# Installs what the build needs (Debian 12 packages) and configures + builds
# one build folder.  Usage: scripts/setup.sh BUILD_DIR [extra cmake args...]
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:?build folder}; shift

# qt6-translations-l10n: Qt's own German texts of the standard dialogs;
# librsvg2-bin renders the PNG icons; desktop-file-utils, appstream and
# shared-mime-info validate the installed desktop files (a test);
# dpkg-dev and file let CPack work out the package's dependencies;
# clang and its runtime libraries (libFuzzer, the sanitizers) build the
# fuzz targets.
packages="cmake g++ make qt6-base-dev qt6-base-dev-tools libgl-dev fonts-dejavu-core ccache
  qt6-translations-l10n librsvg2-bin desktop-file-utils appstream shared-mime-info dpkg-dev file
  clang libclang-rt-14-dev"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo
  echo "Installing:$missing"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq $missing >/dev/null
fi

launcher=""
command -v ccache >/dev/null && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
export CCACHE_BASEDIR="$top"
# Debug information names the build folder; leaving it out of the hash lets
# a fresh clone in another folder reuse the cache.
export CCACHE_NOHASHDIR=1
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo $launcher "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"
