#!/usr/bin/env bash
# Start-up: the time from launching the program with 10 and with 20 pages of 64 KB on the command
# line until all are shown and it is idle, the CPU time it took, and its resident memory then.
# Each figure is the median of five runs on one Xvfb screen, each run with an empty home folder.
#
# Usage: bench/startup.sh [PROGRAM [PEER]]
#   PROGRAM  our program (default build/lumbrix)
#   PEER     another editor's command, measured the same way side by side (default featherpad;
#            "none" measures ours alone). A peer that is not installed is skipped with a message.
#
# Both programs are measured from outside by bench/idle_probe.py, which knows nothing of either:
# launch, then wait until a window of the process is mapped and its threads have stopped using
# the CPU (see the probe for the exact rule).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [ "${1:-}" = "--inside-display" ]; then
  shift
  work=$1 count=$2
  shift 2
  files=()
  for i in $(seq "$count"); do files+=("$work/page$i.htm"); done
  home=$(mktemp -d "$work/home.XXXXXX")
  export HOME=$home XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/run
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
  /usr/bin/python3 "$here/idle_probe.py" "$@" "${files[@]}"
  rm -rf "$home"
  exit 0
fi

if [ "${STARTUP_INSIDE_XVFB:-}" != 1 ]; then
  export STARTUP_INSIDE_XVFB=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

program=${1:-build/lumbrix}
peer=${2:-featherpad}
if [ "$peer" != none ] && ! command -v "${peer%% *}" >/dev/null 2>&1; then
  echo "startup: ${peer%% *} is not installed: the side-by-side comparison is skipped"
  peer=none
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
line='<p>Lumbrix: a page of sixty-four kilobytes for the start-up measurement.</p>'
for i in $(seq 20); do
  {
    printf '<html>\r\n<body>\r\n'
    for _ in $(seq 830); do printf '%s\r\n' "$line"; done
    printf '\r\n</body>\r\n</html>\r\n'
  } > "$work/page$i.htm"
done

median() { printf '%s\n' "$@" | sort -n | sed -n 3p; }

# Runs one program five times with `count` files under the display; prints
# "ms KiB cpu-ms runs...".
measure() {
  local count=$1
  shift
  local times=() mems=() cpus=() ms kib cpu
  for _ in 1 2 3 4 5; do
    read -r ms kib cpu < <("$0" --inside-display "$work" "$count" "$@")
    times+=("$ms") mems+=("$kib") cpus+=("$cpu")
  done
  echo "$(median "${times[@]}") $(median "${mems[@]}") $(median "${cpus[@]}") ${times[*]}"
}

report() {
  local name=$1 count=$2 ms=$3 kib=$4 cpu=$5
  shift 5
  echo "start-up of $name with $count files of 64 KB: $ms ms ($cpu ms CPU)," \
       "$((kib / 1024)) MiB resident (runs: $* ms)"
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

for count in 10 20; do
  read -r ms kib cpu runs < <(measure "$count" "$program")
  report "$(basename "$program")" "$count" "$ms" "$kib" "$cpu" "$runs"
  if [ "$peer" != none ]; then
    # shellcheck disable=SC2086  # the peer's command may carry its own arguments
    read -r pms pkib pcpu pruns < <(measure "$count" $peer)
    report "${peer%% *}" "$count" "$pms" "$pkib" "$pcpu" "$pruns"
    echo "  ratio: time $(ratio "$ms" "$pms"), CPU $(ratio "$cpu" "$pcpu")," \
         "memory $(ratio "$kib" "$pkib")"
  fi
done
