#!/usr/bin/env bash
# Runs one end-to-end journey against a built program binary:
#   run_journey.sh [--orca] PROGRAM ARTIFACT_FOLDER SCRIPT JOURNEY
# JOURNEY is one of the journeys of SCRIPT, a script of this folder; a failed
# one leaves a screenshot in ARTIFACT_FOLDER. Each run has a fresh temporary
# folder: a copy of the program (it writes its last-list files and the
# learner's progress beside itself), a working folder and HOME; a private X
# server on a free display and a private D-Bus session with the accessibility
# bus; with --orca also a window manager, speech-dispatcher speaking into
# ALSA's null device, and Orca writing what it says into its debug log.
# Everything started here is ended on exit, also on failure or interruption.
set -euo pipefail

orca=false
if [[ ${1:-} == --orca ]]; then
  orca=true
  shift
fi
if (($# != 4)); then
  echo "usage: $0 [--orca] PROGRAM ARTIFACT_FOLDER SCRIPT JOURNEY" >&2
  exit 2
fi
program=$(realpath "$1")
artifacts=$2 script=$3 journey=$4
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
python=/usr/bin/python3
bus_launcher=/usr/libexec/at-spi-bus-launcher

missing=()
tools=(Xvfb dbus-run-session dbus-send timeout)
$orca && tools+=(xdpyinfo xprop xdotool openbox orca speech-dispatcher)
for tool in "${tools[@]}"; do
  command -v "$tool" >/dev/null || missing+=("$tool")
done
[[ -x $bus_launcher ]] || missing+=("$bus_launcher (at-spi2-core)")
[[ -x $python ]] && "$python" -c 'import pyatspi' 2>/dev/null || missing+=("pyatspi for $python (python3-pyatspi)")
if ((${#missing[@]})); then
  echo "e2e: cannot run, missing: ${missing[*]}" >&2
  echo "e2e: tools/install_deps.sh installs them" >&2
  exit 1
fi
if [[ ! -x $program ]]; then
  echo "e2e: no program binary at $program" >&2
  exit 1
fi

tmp=$(mktemp -d "${TMPDIR:-/tmp}/lernwerk-e2e.XXXXXX")
xvfb_pid=

# Every process of this run carries its HOME: the X server, the buses, the
# program, Orca and the speech-dispatcher Orca starts. Read with builtins
# only, so that the search starts no process of its own.
# shellcheck disable=SC2317  # runs from the EXIT trap
run_processes() {
  local proc variable
  for proc in /proc/[0-9]*; do
    [[ ${proc#/proc/} != "$$" ]] || continue
    while IFS= read -r -d '' variable; do
      if [[ $variable == "HOME=$tmp/home" ]]; then
        echo "${proc#/proc/}"
        break
      fi
    done 2>/dev/null <"$proc/environ" || true
  done
}

# shellcheck disable=SC2317  # runs from the EXIT trap
cleanup() {
  local status=$? pids
  trap - EXIT INT TERM
  if ((status != 0)) && [[ -n $xvfb_pid ]] && ! kill -0 "$xvfb_pid" 2>/dev/null; then
    echo "e2e: the X server ended during the run; its output:" >&2
    cat "$tmp/xvfb.log" >&2 || true
  fi
  if ((status != 0)) && [[ -s $tmp/orca.out ]]; then
    echo "e2e orca: Orca's output:" >&2
    tail -n 20 "$tmp/orca.out" >&2 || true
  fi
  mapfile -t pids < <(run_processes)
  ((${#pids[@]} == 0)) || kill -TERM "${pids[@]}" 2>/dev/null || true
  for _ in $(seq 1 30); do
    mapfile -t pids < <(run_processes)
    ((${#pids[@]})) || break
    sleep 0.1
  done
  ((${#pids[@]} == 0)) || kill -KILL "${pids[@]}" 2>/dev/null || true
  rm -rf "$tmp"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

mkdir -p "$tmp/bin" "$tmp/work" "$tmp/home" "$tmp/runtime"
chmod 700 "$tmp/runtime"
cp "$program" "$tmp/bin/lernwerk"
export HOME=$tmp/home XDG_RUNTIME_DIR=$tmp/runtime
# Nothing of the calling user's desktop: its own HOME and no folders named past it.
unset QT_QPA_PLATFORM XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME XDG_STATE_HOME

# Starts an X server on the first free display of FIRST-LAST and sets
# DISPLAY. Xvfb reports the display on the given descriptor once it accepts
# clients; a taken display makes it end at once. Without -noreset the server
# resets when its last client leaves (the accessibility bus launcher connects
# only briefly), and a program that connects during the reset fails to start.
start_x_server() {
  local number
  if [[ ! $1 =~ ^([0-9]+)-([0-9]+)$ ]]; then
    echo "e2e: a display range must read FIRST-LAST, not '$1'" >&2
    exit 2
  fi
  for number in $(seq "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}"); do
    : >"$tmp/displayfd"
    Xvfb ":$number" -nolisten tcp -noreset -screen 0 1280x800x24 -displayfd 3 \
      3>"$tmp/displayfd" >"$tmp/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 1 100); do
      [[ -s $tmp/displayfd ]] && break
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    if [[ -s $tmp/displayfd ]] && kill -0 "$xvfb_pid" 2>/dev/null; then
      export DISPLAY=":$number"
      echo "e2e: X server on $DISPLAY, program copied to $tmp/bin"
      return
    fi
    kill -TERM "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=
  done
  echo "e2e: could not start Xvfb on any display from ${BASH_REMATCH[1]} to ${BASH_REMATCH[2]}" >&2
  cat "$tmp/xvfb.log" >&2 || true
  exit 1
}

if $orca; then
  # Orca's own display range, so that the serial Orca run never waits for
  # displays that the parallel journeys hold.
  start_x_server "${E2E_ORCA_DISPLAYS:-130-169}"
  export LANG=C.UTF-8
  mkdir -p "$tmp/home/.config/speech-dispatcher" "$tmp/prefs" "$tmp/shim"
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
  # Orca refuses to start while any other process named orca of this user
  # runs (another developer's screen reader, another run of this journey),
  # though each has its own display and buses. It looks with pgrep; for this
  # Orca pgrep finds none, and it runs under the interpreter's name, so that
  # no other Orca finds it either.
  printf '#!/bin/sh\nexit 1\n' >"$tmp/shim/pgrep"
  chmod +x "$tmp/shim/pgrep"
  limit=400
  arguments=(--orca-log "$tmp/orca.log")
else
  start_x_server "${E2E_DISPLAYS:-90-129}"
  limit=100
  arguments=()
fi

# Inside the D-Bus session: the accessibility bus, for Orca its desktop, and
# the journey. What it starts in the background ends with the run (cleanup).
# shellcheck disable=SC2317  # runs in the session's shell
in_session() {
  "$bus_launcher" --launch-immediately >"$tmp/atspi.log" 2>&1 &
  for _ in $(seq 1 100); do
    if dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
      org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q "boolean true"; then
      break
    fi
    sleep 0.1
  done
  if $orca; then
    openbox >"$tmp/openbox.log" 2>&1 &
    PATH="$tmp/shim:$PATH" "$python" "$(command -v orca)" -u "$tmp/prefs" --debug-file="$tmp/orca.log" \
      >"$tmp/orca.out" 2>&1 &
  fi
  "$python" -u -B "$here/$script" --program "$tmp/bin/lernwerk" --workdir "$tmp/work" --log "$tmp/program.log" \
    --artifacts "$artifacts" --journey "$journey" "${arguments[@]}"
}

# The time limit keeps a stuck call from hanging the run.
status=0
timeout --kill-after=5 "$limit" dbus-run-session -- bash -c \
  "set -u; $(declare -p orca tmp python here script journey artifacts bus_launcher arguments)
   $(declare -f in_session); in_session" ||
  status=$?
if ((status == 124 || status == 137)); then
  echo "e2e: the journey did not finish within its time limit" >&2
fi
# A sanitizer build reports memory errors and undefined behaviour on the
# program's output; any such report fails the run, even when the journey passed.
if grep -qE "ERROR: (Address|Leak)Sanitizer|runtime error:" "$tmp/program.log" 2>/dev/null; then
  echo "e2e: the program reported a sanitizer error:" >&2
  cat "$tmp/program.log" >&2
  ((status != 0)) || status=1
fi
exit "$status"
