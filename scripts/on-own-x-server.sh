#!/usr/bin/env bash
# Runs a command on an X server of its own (Xvfb, one 1280x1024 screen of
# 24 bits), with DISPLAY set to it, and stops the server afterwards; the
# command's exit status is this script's. The server takes the first free
# display number itself (-displayfd), so that runs side by side never race
# for one, and needs no xauth, which xvfb-run does and Debian's xvfb only
# recommends.
# usage: scripts/on-own-x-server.sh COMMAND [ARGUMENTS...]
set -euo pipefail

log=$(mktemp "${TMPDIR:-/tmp}/vemparo-xvfb.XXXXXX")
server=
command=
# On every exit, a test's time limit (SIGTERM) included, the command and the
# server go too.
trap 'kill $command $server 2>/dev/null || true; wait; rm -f "$log"' EXIT
trap 'exit 143' TERM INT HUP

coproc xvfb { exec Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp -noreset 2>"$log"; }
server=$!
# The number comes once the server accepts clients; nothing, if it failed.
if ! read -r -t 30 number <&"${xvfb[0]}"; then
    echo "Xvfb did not start:" >&2
    cat "$log" >&2
    exit 1
fi

# In the background, so that a signal is answered at once, not after the command.
DISPLAY=:$number "$@" &
command=$!
wait $command
