#!/usr/bin/env bash
# Runs the cross-built importer tests and navmerger.exe under wine64 in a Wine prefix made for the run
# and removed after it, then checks that navmerger.exe imports like the Linux build.
# Usage: scripts/test-windows.sh LINUX_BUILD WINDOWS_BUILD [TEST_JOBS]
set -euo pipefail
linux=$1
windows=$2
jobs=${3:-2}
wine64=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
export WINE64=$wine64 WINEDEBUG=-all WINEPREFIX
WINEPREFIX=$(mktemp -d)
trap '"$wineserver" -k 2> /dev/null || true; rm -rf "$WINEPREFIX"' EXIT

start=$(date +%s)
"$wine64" wineboot -i > /dev/null 2>&1
echo "Wine prefix $WINEPREFIX ready in $(($(date +%s) - start)) s"

(cd "$windows" && ctest --output-on-failure -j"$jobs")
"$(dirname "$0")/same-as-linux.sh" "$linux" "$windows"
