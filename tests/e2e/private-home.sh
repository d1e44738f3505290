# Sourced by the end-to-end scripts after `program` is set: a folder for screenshots, and a
# private working folder that is the program's home, settings and runtime folder for the run
# and is removed at exit.
shots=${2:-$(dirname "$program")/e2e}
mkdir -p "$shots"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
