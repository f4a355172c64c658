#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Сальвора developers
# Installs the build into a temporary prefix and checks what a distribution needs of it: the
# game in bin/, its data under share/ and nothing else beside the executable, a valid desktop
# entry and AppStream description, icons in every drawn size and the manual page.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
fail() { echo "FAIL: $*"; exit 1; }

[ "$(ls "$prefix/bin")" = salvora ] || fail "bin/ holds more than the game: $(ls "$prefix/bin")"
[ "$(ls "$prefix/share/salvora/Sounds" | wc -l)" -eq 7 ] || fail "not seven sound cues"
for size in 32 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/org.example.salvora.png"
  [ "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${size}x${size}" ] || fail "no ${size} px icon"
done
zcat "$prefix/share/man/man6/salvora.6.gz" | grep -q '^\.TH SALVORA 6' || fail "no manual page"
desktop-file-validate "$prefix/share/applications/org.example.salvora.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/org.example.salvora.metainfo.xml" ||
  fail "AppStream description"
echo "ok: installed files in place and valid"
