#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Сальвора developers
# Installs the Debian package on a fresh Debian 12 made by debootstrap (a chroot) and plays it
# there as an ordinary user: apt must find every dependency, the game must start by its menu
# entry's command, sound a shot, keep a setting between runs and end without a message box.
# Needs root and the network; takes some minutes, so it is not part of the test command.
#   scripts/verify-deb.sh [build-deb/salvora_*.deb] [chroot folder]
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
deb=$(realpath "${1:-$(ls "$src"/build-deb/salvora_*.deb | head -1)}")
root=${2:-/var/tmp/salvora-bookworm}
[ "$(id -u)" -eq 0 ] || { echo "verify-deb: needs root" >&2; exit 1; }

if [ ! -x "$root/usr/bin/apt-get" ]; then
  echo "== debootstrap bookworm into $root"
  debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian >/dev/null
fi
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  for m in tmp/.X11-unix dev/shm dev/pts dev proc; do umount "$root/$m" 2>/dev/null || true; done
}
trap cleanup EXIT
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mount -t devpts devpts "$root/dev/pts" 2>/dev/null || true
mount -t tmpfs tmpfs "$root/dev/shm"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive "$@"; }

echo "== apt install ./$(basename "$deb") (with its recommendations)"
cp "$deb" "$root/tmp/salvora.deb"
in_root apt-get update -qq
in_root apt-get install -y -qq /tmp/salvora.deb >/dev/null
in_root dpkg -s salvora | grep -E '^(Status|Version|Depends|Recommends):'
in_root bash -c 'ldd /usr/games/salvora | grep "not found"' && { echo "FAIL: missing libraries"; exit 1; }
echo "== test tools in the chroot (not the game's): xdotool, pulseaudio-utils"
in_root apt-get install -y -qq --no-install-recommends xdotool x11-utils pulseaudio-utils >/dev/null
id player >/dev/null 2>&1 || in_root useradd -m player 2>/dev/null || true
in_root id player >/dev/null 2>&1 || in_root useradd -m player

# The X server runs outside; the chroot sees its socket.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$root/tmp/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$root/tmp/display" ] && break; sleep 0.05; done
mkdir -p "$root/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"

mkdir -p "$root/tmp/verify"
cp "$src/tests/e2e/game-window.sh" "$src/tests/support/sound-server.sh" "$root/tmp/verify/"
cat >"$root/tmp/verify/play.sh" <<'PLAY'
set -euo pipefail
cd /tmp/verify
source ./game-window.sh
source ./sound-server.sh
ini_home=$HOME
trap 'cleanup_window; stop_sound_server; rm -rf "$work"' EXIT
start_sound_server
export HOME=$ini_home
ini=$HOME/.config/salvora/salvora.ini
command=$(sed -n 's/^Exec=//p' /usr/share/applications/org.example.salvora.desktop)
run() {
  $command >"$work/log" 2>&1 &
  game_pid=$!
  win=""
  for _ in $(seq 100); do
    win=$(xdotool search --onlyvisible --name 'Сальвора' 2>/dev/null | head -1 || true)
    [ -n "$win" ] && break; sleep 0.1
  done
  [ -n "$win" ] || fail "no game window: $(cat "$work/log")"
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$win")"
  ox=$X oy=$Y
}
# Samples louder than a whisper recorded while one shot is fired and lands.
loud_samples_of_a_shot() {
  spread_fleet_and_start
  parec -d nullsink.monitor --raw --format=s16le --rate=22050 --channels=1 >"$work/rec.raw" &
  local rec=$!
  sleep 0.5
  enemy_cell 4 4
  sleep 4
  kill $rec; wait $rec 2>/dev/null || true
  od -An -v -t d2 -w2 "$work/rec.raw" | awk '$1 > 1000 || $1 < -1000 { n++ } END { print n + 0 }'
}
# Ends the game as a session does; it must end at once (no error box) and cleanly.
end_session() {
  kill -TERM "$game_pid"
  for _ in $(seq 50); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$game_pid" 2>/dev/null && fail "the game did not end (an error box?)"
  wait "$game_pid" || fail "exit status $?"
  game_pid=""
}

run
loud=$(loud_samples_of_a_shot)
[ "$loud" -gt 1000 ] || fail "the shot was not heard ($loud loud samples)"
echo "run 1: the shot was heard ($loud loud samples)"
# Sound off in the options dialog.
click $((222 + 48)) $((8 + 13))
sleep 0.5
dialog=$(xdotool search --onlyvisible --name '^Настройки' | head -1)
eval "$(xdotool getwindowgeometry --shell "$dialog")"
xdotool mousemove $((X + 8 + 14 + 8)) $((Y + 7 + 45 + 8)) click 1 sleep 0.2
xdotool mousemove $((X + 128 + 37)) $((Y + 92 + 11)) click 1 sleep 0.3
end_session
echo "run 1 ended; game output: $(cat "$work/log" | tr '\n' ' ')"
grep -qx 'Sound=0' "$ini" || fail "the setting was not kept: $(cat "$ini" 2>&1)"
echo "$ini: $(tr '\n' ' ' <"$ini")"

run
loud=$(loud_samples_of_a_shot)
[ "$loud" -eq 0 ] || fail "sound was read back as on ($loud loud samples)"
end_session
grep -qx 'Sound=0' "$ini" || fail "the second run lost the setting"
echo "run 2: sound off read back, the shot was silent; ended cleanly"
echo "ok"
PLAY
chmod -R a+rX "$root/tmp/verify"
echo "== play as the ordinary user 'player'"
chroot "$root" setpriv --reuid=player --regid=player --init-groups \
  env -i HOME=/home/player PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games \
  DISPLAY=":$(head -n 1 "$root/tmp/display")" LANG=C.UTF-8 bash /tmp/verify/play.sh
