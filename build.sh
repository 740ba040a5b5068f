#!/usr/bin/env bash
# Sets everything up on Debian 12 and then runs the program or the whole test suite.
#
#   ./build.sh run    install missing packages, configure, build, start the calculator window
#   ./build.sh test   install missing packages, configure, build, run every test (headless)
#
# The build lives in ./build (Release). Packages are installed with apt-get, as root or via sudo.
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-}
case "$mode" in
  run|test) ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

# What the build, the program and the tests need from Debian.
packages=(
  cmake g++ make pkg-config         # compiler and build system
  qt6-base-dev qt6-qpa-plugins libgl-dev   # Qt 6 Widgets, its platform plugins, OpenGL headers Qt's CMake wants
  fonts-liberation fonts-farsiweb   # the serif/sans the windows request by name, and the Persian fonts
  libbenchmark-dev                  # Google Benchmark for bench/
  xvfb xauth xdotool                # real-input tests: a virtual X server and a driver for it
  desktop-file-utils appstream      # install tests: validate the menu entry and the AppStream file
  dpkg-dev file                     # package test: CPack works out the .deb's library dependencies
)

missing=()
for p in "${packages[@]}"; do
  if [ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)" != "install ok installed" ]; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing missing Debian packages: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$jobs"

if [ "$mode" = run ]; then
  exec ./build/app/tube-weight
fi
ctest --test-dir build --output-on-failure -j "$jobs"
