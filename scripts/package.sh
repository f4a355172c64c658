#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Сальвора developers
# Builds the Debian package build-deb/salvora_<version>_<arch>.deb and checks it with lintian.
# Install it with: sudo apt install ./build-deb/salvora_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
# Debian's hardening flags, read by CMake when it first configures the tree; Debian keeps
# games in /usr/games, and the game finds /usr/share/salvora from there.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
eval "$(dpkg-buildflags --export=sh)"
export CXXFLAGS="$CPPFLAGS $CXXFLAGS" # CMake does not read CPPFLAGS
rm -f build-deb/CMakeCache.txt
cmake -S . -B build-deb -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games >/dev/null
cmake --build build-deb -j"$(nproc)" --target salvora salvora_manual
(cd build-deb && rm -f salvora_*.deb && cpack -G DEB >/dev/null)
deb=$(ls build-deb/salvora_*.deb)
# Lintian warns that it runs as root; only its findings matter here.
lintian --tag-display-limit 0 "$deb" 2>&1 | grep -v 'running with root privileges' || true
echo "$deb"
