#!/usr/bin/env bash
# Keeps one display and one persistent wineserver for a whole test run:
#   wine-session.sh BUILD_TREE COMMAND [ARGS...]
# Starts Xvfb when there is no display, creates the prefix, starts `wineserver -p`, runs the
# command, and ends the wineserver and Xvfb afterwards, whatever the command's result.
set -euo pipefail
build_tree=$(cd "$1" && pwd)
shift

export WINEPREFIX="$build_tree/wineprefix" WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

xvfb_pid=
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" >/dev/null 2>&1 || true
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  for number in $(seq 90 130); do
    [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] && continue
    Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$number" ] && break; sleep 0.1; done
    export DISPLAY=":$number"
    break
  done
fi

"$here/wine-prefix.sh" </dev/null >/dev/null 2>&1
wineserver -p </dev/null >/dev/null 2>&1
"$@"
