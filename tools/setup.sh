#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need (only the missing ones),
# then configures and builds into ./build. Sourced by run.sh and test.sh; with
# QUORVEL_TARGETS set, builds only those targets (run.sh: the program and its documents).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
          libqt6printsupport6 qt6-qpa-plugins qt6-wayland libxkbcommon-dev
          fonts-dejavu-core fonts-dejavu-extra fonts-liberation poppler-utils xdg-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
# shellcheck disable=SC2086
cmake --build build -j "$(nproc)" ${QUORVEL_TARGETS:+--target $QUORVEL_TARGETS}
