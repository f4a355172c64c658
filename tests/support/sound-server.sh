# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Сальвора developers
# Shared by the tests that need a real sound server: a private PulseAudio with a null sink
# whose monitor can be recorded. Source it with $work set to a folder of the test's own;
# the server's runtime lives there, so neither a user's server nor a parallel run is touched.

start_sound_server() {
  export XDG_RUNTIME_DIR=$work PULSE_RUNTIME_PATH=$work/pulse HOME=$work
  unset PULSE_SERVER PULSE_SINK
  pulseaudio -n --daemonize=yes --exit-idle-time=-1 --system=false \
    --load="module-null-sink sink_name=nullsink" --load=module-native-protocol-unix 2>/dev/null
  for _ in $(seq 50); do [ -S "$work/pulse/native" ] && break; sleep 0.1; done
  export PULSE_SERVER=unix:$work/pulse/native PULSE_SINK=nullsink
}

# The server ends a moment after it is told to; make sure that this one has gone.
stop_sound_server() {
  local pid
  pid=$(cat "$work/pulse/pid" 2>/dev/null || true)
  pulseaudio -k 2>/dev/null || true
  if [ -n "$pid" ]; then
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null || true
  fi
}
