#!/usr/bin/env bash
# Start-up: the time from launching the program with 10 and with 20 pages of 64 KB on the command
# line until all are shown and the program is idle, and its resident memory then. Each figure
# is the median of five runs under Xvfb.
set -euo pipefail
program=${1:-build/lumbrix}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

line='<p>Lumbrix: a page of sixty-four kilobytes for the start-up measurement.</p>'
for i in $(seq 20); do
  {
    printf '<html>\r\n<body>\r\n'
    for _ in $(seq 830); do printf '%s\r\n' "$line"; done
    printf '\r\n</body>\r\n</html>\r\n'
  } > "$work/page$i.htm"
done

cat > "$work/measure.sh" <<'INNER'
#!/usr/bin/env bash
set -euo pipefail
program=$1 count=$2 work=$3
files=()
for i in $(seq "$count"); do files+=("$work/page$i.htm"); done
LUMBRIX_STARTUP_T0=$(date +%s%N) LUMBRIX_STARTUP_REPORT=$work/report "$program" "${files[@]}"
cat "$work/report"
INNER
chmod +x "$work/measure.sh"

for count in 10 20; do
  times=() mems=()
  for run in 1 2 3 4 5; do
    read -r ms kib < <(xvfb-run -a -s "-screen 0 1280x1024x24" "$work/measure.sh" "$program" "$count" "$work")
    times+=("$ms") mems+=("$kib")
  done
  mt=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 3p)
  mm=$(printf '%s\n' "${mems[@]}" | sort -n | sed -n 3p)
  echo "start-up with $count files of 64 KB: ${mt} ms, $((mm / 1024)) MiB resident (runs: ${times[*]} ms)"
done
