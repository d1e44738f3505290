#!/usr/bin/env bash
# Runs one end-to-end scenario: the real program under Xvfb, in a private D-Bus session with the
# accessibility bus running, driven and read by a Python scenario (Debian's own Python, for which
# the AT-SPI bindings are installed). The home, settings and runtime folders are private to the
# run; screenshots stay in SHOTS_DIR for a person to look at.
#
# Usage: atspi-session.sh SCENARIO.py PROGRAM [SHOTS_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [ "${1:-}" = "--inside-session" ]; then
  scenario=$2 program=$3 work=$4 shots=$5
  launcher=""
  for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher \
      /usr/lib/at-spi2/at-spi-bus-launcher; do
    [ -x "$candidate" ] && launcher=$candidate && break
  done
  [ -n "$launcher" ] || { echo "at-spi-bus-launcher not found"; exit 1; }
  "$launcher" --launch-immediately &
  bus=$!
  trap 'kill "$bus" 2>/dev/null || true' EXIT
  # Asking the bus itself would start a second one through D-Bus activation: wait for its name.
  for _ in $(seq 50); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
      org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true && break
    sleep 0.1
  done
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  cd "$work"
  PYTHONPATH=$here PYTHONDONTWRITEBYTECODE=1 /usr/bin/python3 "$here/$scenario" \
    "$program" "$work" "$shots"
  exit $?
fi

scenario=$1 program=$(realpath "$2")
source "$here/private-home.sh" "$program" "${3:-}"
shots=$shots/${scenario%.py}
mkdir -p "$shots"

# The server picks a free display itself, so that runs of other programs side by side never
# meet on the same one.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.05
done
[ -s "$work/display" ] || { cat "$work/xvfb.log"; echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -1 "$work/display")"
# A Russian group in the keyboard map: Cyrillic is typed through real keys, not through keys
# that xdotool maps for one press and maps back.
setxkbmap -layout us,ru
dbus-run-session -- "$0" --inside-session "$scenario" "$program" "$work" "$shots"
