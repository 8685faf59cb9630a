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

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" wine "$program" "$@"
fi
exec wine "$program" "$@"
