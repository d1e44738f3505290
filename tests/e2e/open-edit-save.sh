#!/usr/bin/env bash
# End to end: the real program under Xvfb with two files on the command line. It types into the
# document opened last (the active one), saves it with the classic key F2 and quits with Ctrl+Q;
# that file must hold the typed text with its LF line ends kept, and the other file must be
# untouched. The last file's name is Windows-1251 bytes, not UTF-8, as old archives unpack: it
# is found, and saved back under the same name. A screenshot is left in the build folder for a
# person to look at.
set -euo pipefail

if [ "${1:-}" = "--inside-display" ]; then
  program=$2 work=$3 shots=$4
  style=$'\xd1\xf2\xe8\xeb\xfc.css'  # "Стиль.css" in Windows-1251
  "$program" "$work/page.htm" "$work/$style" &
  pid=$!
  for _ in $(seq 50); do
    xdotool search --name '^Lumbrix$' >/dev/null 2>&1 && break
    sleep 0.1
  done
  sleep 0.5
  win=$(xdotool search --name '^Lumbrix$' | head -1)
  xdotool windowfocus --sync "$win" 2>/dev/null || true
  xdotool key ctrl+Home
  xdotool type --delay 20 'h1 { }'
  xdotool key Return F2
  sleep 0.5
  import -window root "$shots/frame-opened.png"
  kill -0 "$pid"
  xdotool key --clearmodifiers ctrl+q
  for _ in $(seq 100); do
    if ! kill -0 "$pid" 2>/dev/null; then
      # A quit that ends in an error (a sanitizer's report among them) fails the run.
      status=0
      wait "$pid" || status=$?
      [ "$status" -eq 0 ] || echo "the program quit with status $status"
      exit "$status"
    fi
    sleep 0.1
  done
  kill "$pid"
  echo "the program did not quit"
  exit 1
fi

program=$1
source "$(dirname "$0")/private-home.sh"
printf '<html>\r\n<body>\r\n\r\n</body>\r\n</html>' > "$work/page.htm"
cp "$work/page.htm" "$work/page.orig"
style=$'\xd1\xf2\xe8\xeb\xfc.css'
printf 'p { color: red }\n' > "$work/$style"

xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside-display "$program" "$work" "$shots"

cmp "$work/page.htm" "$work/page.orig"
printf 'h1 { }\np { color: red }\n' | cmp - "$work/$style"
test "$(find "$work" -maxdepth 1 -type f | wc -l)" -eq 3  # page.htm, page.orig, the style sheet
test -s "$shots/frame-opened.png"
echo "e2e: ok, screenshot in $shots/frame-opened.png"
