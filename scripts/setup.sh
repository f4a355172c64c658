#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Сальвора developers
# Installs every Debian package that building, running and testing the game needs.
# Idempotent and quiet when everything is already there; works as root or through sudo.
set -euo pipefail

packages=(
  # build
  cmake g++ make pkg-config
  qt6-base-dev qt6-multimedia-dev libgl-dev libgtest-dev
  # the player's language: lupdate and lrelease, CMake's qt_add_translations, Qt's own catalogues
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  # install and package: the desktop files checked, the .deb built, linted and tried out
  desktop-file-utils appstream dpkg-dev lintian debootstrap openbox
  # run: the multimedia backend and a font that fits the layout's metrics
  libqt6multimedia6 qt6-image-formats-plugins fonts-liberation2
  # tests under a real X server (with a window manager) and sound server
  xvfb xauth x11-utils xdotool openbox pulseaudio pulseaudio-utils imagemagick python3
  # the screen reader's view: a session bus, the accessibility bus and its Python client
  dbus dbus-x11 at-spi2-core python3-pyatspi
  # network tests in a namespace of their own: unshare, and ip to bring its loopback up
  util-linux iproute2
  # the cursor as the X server shows it (tests/assets)
  libxfixes-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}" >&2
if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq >/dev/null
"${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
