#!/usr/bin/env bash
# Runs one Windows program under Wine with the build tree's private prefix.
#   wine-run.sh PROGRAM.exe [ARGS...]
# The prefix lives in the build tree that holds the program (the folder with CMakeCache.txt),
# unless WINEPREFIX is set. It is created on first use; without a display, Xvfb is started for
# this one run. A persistent wineserver (tools/wine-session.sh) makes each start cheap.
set -euo pipefail

program=$1
shift

find_build_tree() {
  local dir
  dir=$(cd "$(dirname "$1")" && pwd)
  while [ "$dir" != / ]; do
    [ -f "$dir/CMakeCache.txt" ] && { echo "$dir"; return; }
    dir=$(dirname "$dir")
  done
  echo "$(cd "$(dirname "$1")" && pwd)"
}

if [ -z "${WINEPREFIX:-}" ]; then
  WINEPREFIX="$(find_build_tree "$program")/wineprefix"
fi
export WINEPREFIX
export WINEDEBUG=${WINEDEBUG:--all}
export WINEARCH=win32

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
"$here/wine-prefix.sh"

# Wine starts helper processes (services, the desktop's explorer) that outlive the program and
# inherit its output. Were that our caller's pipe, CTest would wait for them until its timeout,
# so the program writes to a file that is copied out once it has ended.
output=$(mktemp)
trap 'rm -f "$output"' EXIT
status=0
if [ -z "${DISPLAY:-}" ]; then
  xvfb-run -a -s "-screen 0 1280x1024x24" wine "$program" "$@" >"$output" 2>&1 </dev/null || status=$?
else
  wine "$program" "$@" >"$output" 2>&1 </dev/null || status=$?
fi
cat "$output"
exit "$status"
