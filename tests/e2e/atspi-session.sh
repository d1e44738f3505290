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

# A display number picked at random from a high range, and another one when that server fails:
# programs side by side (other builds' test runs among them) never meet on the same display,
# whose lock file another process space may not see as taken.
xvfb=""
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 10); do
  display=$((RANDOM % 800 + 100))
  [ -e "/tmp/.X11-unix/X$display" ] && continue
  Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp 2>"$work/xvfb.log" &
  xvfb=$!
  for _ in $(seq 100); do
    [ -e "/tmp/.X11-unix/X$display" ] && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.05
  done
  if kill -0 "$xvfb" 2>/dev/null && DISPLAY=":$display" xdotool getdisplaygeometry >/dev/null 2>&1; then break; fi
  kill "$xvfb" 2>/dev/null || true
  xvfb=""
done
[ -n "$xvfb" ] || { cat "$work/xvfb.log"; echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$display"
status=0
dbus-run-session -- "$0" --inside-session "$scenario" "$program" "$work" "$shots" || status=$?
[ "$status" -eq 0 ] || { echo "Xvfb :$display said:"; cat "$work/xvfb.log"; }
exit "$status"
