#!/usr/bin/env bash
# Runs the user journeys (journey.py) against a built program binary:
#   run_journey.sh PROGRAM [ARTIFACT_FOLDER]
# E2E_JOURNEY names another journey script of this folder; E2E_STEPS="2 7" runs
# only those steps of journey.py, each from a fresh start.
# A private X server on a free display, a private D-Bus session with the
# accessibility bus, and a copy of the program in a fresh temporary folder
# (the program writes its last-list files beside itself). Everything started
# here is ended on exit, also on failure or interruption.
set -euo pipefail

if (($# < 1)); then
  echo "usage: $0 PROGRAM [ARTIFACT_FOLDER]" >&2
  exit 2
fi
program=$(realpath "$1")
artifacts=${2:-}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
python=/usr/bin/python3
bus_launcher=/usr/libexec/at-spi-bus-launcher

missing=()
for tool in Xvfb dbus-run-session dbus-send timeout; do
  command -v "$tool" >/dev/null || missing+=("$tool")
done
[[ -x $bus_launcher ]] || missing+=("$bus_launcher (at-spi2-core)")
[[ -x $python ]] && "$python" -c 'import pyatspi' 2>/dev/null || missing+=("pyatspi for $python (python3-pyatspi)")
if ((${#missing[@]})); then
  echo "e2e: cannot run, missing: ${missing[*]}" >&2
  echo "e2e: tools/install_deps.sh installs them (xvfb dbus-x11 at-spi2-core python3-pyatspi)" >&2
  exit 1
fi
if [[ ! -x $program ]]; then
  echo "e2e: no program binary at $program" >&2
  exit 1
fi

tmp=$(mktemp -d "${TMPDIR:-/tmp}/lernwerk-e2e.XXXXXX")
xvfb_pid=
session_pid=

# shellcheck disable=SC2317  # runs from the EXIT trap
cleanup() {
  local status=$?
  trap - EXIT INT TERM
  if [[ -n $session_pid ]] && kill -0 "$session_pid" 2>/dev/null; then
    kill -TERM "$session_pid" 2>/dev/null || true
  fi
  # Any program run the journey could not end itself: identified by its
  # binary, which exists only in this run's folder.
  local proc exe
  for proc in /proc/[0-9]*; do
    exe=$(readlink "$proc/exe" 2>/dev/null) || continue
    if [[ $exe == "$tmp/bin/lernwerk" || $exe == "$tmp/bin/lernwerk (deleted)" ]]; then
      kill -KILL "${proc#/proc/}" 2>/dev/null || true
    fi
  done
  if [[ -n $xvfb_pid ]]; then
    if ((status != 0)) && ! kill -0 "$xvfb_pid" 2>/dev/null; then
      echo "e2e: the X server ended during the run; its output:" >&2
      cat "$tmp/xvfb.log" >&2 || true
    fi
    kill -TERM "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$tmp"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

mkdir -p "$tmp/bin" "$tmp/work" "$tmp/runtime"
chmod 700 "$tmp/runtime"
cp "$program" "$tmp/bin/lernwerk"

# An X server on the first free display of a private range (E2E_DISPLAYS,
# "FIRST-LAST", when several runs share a machine). Xvfb reports the display
# on the given descriptor once it accepts clients; a taken display makes it
# end at once. Without -noreset the server resets when its last client
# leaves (the accessibility bus launcher connects only briefly), and a program
# that connects during the reset fails to start.
displays=${E2E_DISPLAYS:-90-129}
if [[ ! $displays =~ ^([0-9]+)-([0-9]+)$ ]]; then
  echo "e2e: E2E_DISPLAYS must read FIRST-LAST, not '$displays'" >&2
  exit 2
fi
first_display=${BASH_REMATCH[1]} last_display=${BASH_REMATCH[2]}
display=
for number in $(seq "$first_display" "$last_display"); do
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
    display=":$number"
    break
  fi
  kill -TERM "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=
done
if [[ -z $display ]]; then
  echo "e2e: could not start Xvfb on any display from :$first_display to :$last_display" >&2
  cat "$tmp/xvfb.log" >&2 || true
  exit 1
fi
echo "e2e: X server on $display, program copied to $tmp/bin"

export DISPLAY=$display
export XDG_RUNTIME_DIR=$tmp/runtime
# E2E_JOURNEY picks another journey script of this folder.
export E2E_JOURNEY=${E2E_JOURNEY:-journey.py} E2E_STEPS=${E2E_STEPS:-}
export E2E_HERE=$here E2E_TMP=$tmp E2E_ARTIFACTS=$artifacts E2E_PYTHON=$python E2E_LAUNCHER=$bus_launcher
unset QT_QPA_PLATFORM

# The session ends its bus when the inner script ends; the inner script ends
# the accessibility bus it started. The time limit keeps a stuck call from
# hanging the run. The inner script expands its own variables.
# shellcheck disable=SC2016
timeout --kill-after=5 100 dbus-run-session -- bash -c '
  set -u
  "$E2E_LAUNCHER" --launch-immediately &
  launcher=$!
  trap "kill -TERM $launcher 2>/dev/null; wait $launcher 2>/dev/null" EXIT
  for _ in $(seq 1 100); do
    if dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
         org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q "boolean true"; then
      break
    fi
    sleep 0.1
  done
  args=(--program "$E2E_TMP/bin/lernwerk" --workdir "$E2E_TMP/work" --log "$E2E_TMP/program.log")
  [[ -n $E2E_ARTIFACTS ]] && args+=(--artifacts "$E2E_ARTIFACTS")
  for step in $E2E_STEPS; do args+=(--step "$step"); done
  "$E2E_PYTHON" -u "$E2E_HERE/$E2E_JOURNEY" "${args[@]}"
' &
session_pid=$!
status=0
wait "$session_pid" || status=$?
session_pid=
if ((status == 124 || status == 137)); then
  echo "e2e: the journey did not finish within its time limit" >&2
fi
# A sanitizer build reports memory errors and undefined behaviour on the
# program's output; any such report fails the run, even when every step passed.
if grep -qE "ERROR: (Address|Leak)Sanitizer|runtime error:" "$tmp/program.log" 2>/dev/null; then
  echo "e2e: the program reported a sanitizer error:" >&2
  cat "$tmp/program.log" >&2
  ((status != 0)) || status=1
fi
exit "$status"
