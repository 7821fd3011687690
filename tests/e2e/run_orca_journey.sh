#!/usr/bin/env bash
# Hears a keyboard-only round with the Orca screen reader:
#   run_orca_journey.sh PROGRAM
# A private X server with a window manager, a D-Bus session with the
# accessibility bus, speech-dispatcher speaking into ALSA's null device, and
# Orca writing what it says into its debug log; orca_journey.py presses the
# keys and reads that log. Everything started here is ended on exit.
set -euo pipefail

if (($# < 1)); then
  echo "usage: $0 PROGRAM" >&2
  exit 2
fi
program=$(realpath "$1")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
bus_launcher=/usr/libexec/at-spi-bus-launcher

missing=()
for tool in Xvfb xdpyinfo xprop xdotool openbox orca speech-dispatcher dbus-launch dbus-send timeout; do
  command -v "$tool" >/dev/null || missing+=("$tool")
done
[[ -x $bus_launcher ]] || missing+=("$bus_launcher (at-spi2-core)")
if ((${#missing[@]})); then
  echo "e2e orca: cannot run, missing: ${missing[*]}" >&2
  echo "e2e orca: tools/install_deps.sh installs them" >&2
  exit 1
fi
tmp=$(mktemp -d "${TMPDIR:-/tmp}/lernwerk-orca.XXXXXX")
pids=()

# shellcheck disable=SC2317  # runs from the EXIT trap
cleanup() {
  local status=$? pid proc
  trap - EXIT INT TERM
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    pid=${pids[i]}
    kill -TERM "$pid" 2>/dev/null || true
  done
  sleep 0.5
  for pid in "${pids[@]}"; do
    kill -KILL "$pid" 2>/dev/null || true
  done
  # speech-dispatcher is started by Orca; the one of this run has its HOME.
  for proc in /proc/[0-9]*; do
    if tr "\\0" "\\n" 2>/dev/null <"$proc/environ" | grep -qx "HOME=$tmp/home"; then
      kill -KILL "${proc#/proc/}" 2>/dev/null || true
    fi
  done
  if ((status != 0)) && [[ -f $tmp/orca.out ]]; then
    echo "e2e orca: Orca's output:" >&2
    tail -n 20 "$tmp/orca.out" >&2 || true
  fi
  rm -rf "$tmp"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

mkdir -p "$tmp/home/.config/speech-dispatcher" "$tmp/runtime" "$tmp/prefs" "$tmp/bin" "$tmp/shim"
chmod 700 "$tmp/runtime"
cp "$program" "$tmp/bin/lernwerk"
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$tmp/home/.asoundrc"
cat >"$tmp/home/.config/speech-dispatcher/speechd.conf" <<CONF
LogLevel 2
AudioOutputMethod "alsa"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
DefaultLanguage "en"
Include "clients/*.conf"
CONF
# Orca writes its debug log line by line, so that it can be read while Orca runs.
cat >"$tmp/prefs/orca-customizations.py" <<'PY'
try:
    from orca import debug as _dbg
    if _dbg.debugFile:
        _dbg.debugFile.reconfigure(line_buffering=True)
except Exception:
    pass
PY

# An X server on the first free display of a private range.
displays=${E2E_ORCA_DISPLAYS:-130-169}
[[ $displays =~ ^([0-9]+)-([0-9]+)$ ]] || { echo "e2e orca: E2E_ORCA_DISPLAYS must read FIRST-LAST" >&2; exit 2; }
display=
for number in $(seq "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}"); do
  : >"$tmp/displayfd"
  Xvfb ":$number" -nolisten tcp -noreset -screen 0 1280x800x24 -displayfd 3 3>"$tmp/displayfd" \
    >"$tmp/xvfb.log" 2>&1 &
  xvfb=$!
  for _ in $(seq 1 100); do
    [[ -s $tmp/displayfd ]] && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.1
  done
  if [[ -s $tmp/displayfd ]] && kill -0 "$xvfb" 2>/dev/null; then
    display=":$number"
    pids+=("$xvfb")
    break
  fi
  kill -TERM "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
done
[[ -n $display ]] || { echo "e2e orca: no free X display" >&2; exit 1; }

export DISPLAY=$display HOME=$tmp/home XDG_RUNTIME_DIR=$tmp/runtime LANG=C.UTF-8
unset QT_QPA_PLATFORM
eval "$(dbus-launch --sh-syntax)"
pids+=("$DBUS_SESSION_BUS_PID")
"$bus_launcher" --launch-immediately >"$tmp/atspi.log" 2>&1 &
pids+=($!)
for _ in $(seq 1 100); do
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true' && break
  sleep 0.1
done
openbox >"$tmp/openbox.log" 2>&1 &
pids+=($!)
# Orca refuses to start while any other process named orca of this user runs
# (another developer's screen reader, another run of this journey), though
# each has its own display and buses. It looks with pgrep; for this Orca
# pgrep finds none, and it runs under the interpreter's name, so that no
# other Orca finds it either.
printf '#!/bin/sh\nexit 1\n' >"$tmp/shim/pgrep"
chmod +x "$tmp/shim/pgrep"
PATH="$tmp/shim:$PATH" /usr/bin/python3 "$(command -v orca)" -u "$tmp/prefs" --debug-file="$tmp/orca.log" \
  >"$tmp/orca.out" 2>&1 &
pids+=($!)

echo "e2e orca: X server on $display"
timeout --kill-after=5 400 /usr/bin/python3 -u "$here/orca_journey.py" \
  --program "$tmp/bin/lernwerk" --orca-log "$tmp/orca.log" --workdir "$tmp/work"
