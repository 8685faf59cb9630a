#!/usr/bin/env bash
# Creates the Wine prefix named by WINEPREFIX once. Several test processes may ask at the same
# time, so creation is serialised with a lock beside the prefix.
set -euo pipefail
: "${WINEPREFIX:?WINEPREFIX must name the prefix}"
export WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}

[ -f "$WINEPREFIX/system.reg" ] && exit 0
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
[ -f "$WINEPREFIX/system.reg" ] && exit 0

# Without the overrides Wine stops to offer its Mono and Gecko add-ons.
WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
wineserver -w
