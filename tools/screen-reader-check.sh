#!/usr/bin/env bash
# Runs Vemparo under the real Orca screen reader with the keys of
# screen-reader-steps.sh, through the shared screen-reader harness, and fails,
# naming each, when a line that file expects Orca to say goes unsaid.
# usage: tools/screen-reader-check.sh [HARNESS_DIR] [VEMPARO]
#   HARNESS_DIR  the harness; default ../shared/screen-reader beside the repository
#   VEMPARO      the program; default build/release/app/vemparo, else build/debug/app/vemparo
# Needs what the harness does: apt-get install -y orca speech-dispatcher
# metacity xvfb xdotool at-spi2-core dbus-x11, xclip for the pastes, and the
# locale fi_FI.UTF-8.
# Exit status: 0 all heard, 1 a line missing, 2 nothing to run.
set -euo pipefail
tools=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(dirname "$tools")
steps=$tools/screen-reader-steps.sh
harness=${1:-$repo/../shared/screen-reader}
program=${2:-}
if [ -z "$program" ]; then
    for built in "$repo"/build/release/app/vemparo "$repo"/build/debug/app/vemparo; do
        [ -x "$built" ] && program=$built && break
    done
fi
[ -x "$harness/run.sh" ] || { echo "No screen-reader harness at $harness" >&2; exit 2; }
[ -n "$program" ] && [ -x "$program" ] || { echo "No vemparo to run: build it first (./run.sh) or name it" >&2; exit 2; }

# A display and a folder of its own, so that runs side by side do not meet.
display=144
while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
out=$(mktemp -d "${TMPDIR:-/tmp}/vemparo-screen-reader.XXXXXX")
"$harness/run.sh" "$program" "$steps" "$out" "$display"

# Each step's name, a tab and a line Orca must say during it.
expected() {
    awk 'match($0, /^step "[^"]*"/) { step = substr($0, 7, RLENGTH - 7) }
         match($0, /^hear ".*"$/) { print step "\t" substr($0, 7, RLENGTH - 7) }' "$steps"
}

said_during() {
    awk -v step="$1" -v line="SAY: '$2'" '
        /^== / { within = substr($0, 4) == step; next }
        within && index($0, line) { found = 1 }
        END { exit !found }' "$out/spoken.txt"
}

# Each step's name, a tab and a line Orca must not say alone during it.
unwanted() {
    awk 'match($0, /^step "[^"]*"/) { step = substr($0, 7, RLENGTH - 7) }
         match($0, /^never ".*"$/) { print step "\t" substr($0, 8, RLENGTH - 8) }' "$steps"
}

missing=0
count=0
while IFS=$'\t' read -r step line; do
    count=$((count + 1))
    if ! said_during "$step" "$line"; then
        echo "Not said during \"$step\": '$line'" >&2
        missing=$((missing + 1))
    fi
done < <(expected)
while IFS=$'\t' read -r step line; do
    count=$((count + 1))
    if said_during "$step" "$line'"; then
        echo "Said during \"$step\", and should not be: '$line'" >&2
        missing=$((missing + 1))
    fi
done < <(unwanted)

if [ "$missing" -gt 0 ]; then
    echo "$missing of $count expected lines unsaid; Orca's log: $out/debug.out" >&2
    exit 1
fi
echo "All $count expected lines said; Orca's log: $out/debug.out"
