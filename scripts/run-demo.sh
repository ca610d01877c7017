#!/usr/bin/env bash
# Starts flykestrel on the demo installation build/demo/Fly2, made by mkfly2 on first use.
set -euo pipefail
build=${1:-build}
demo="$build/demo/Fly2"
bin="$build/bin"

if [ ! -e "$demo/FLY2.EXE" ]; then
  echo "Creating the demo installation in $demo"
  "$build/tools/mkfly2" "$demo"
fi

prefs="$bin/FlyKestrel.prf"
if [ ! -e "$prefs" ]; then
  exe="$(cd "$demo" && pwd)/FLY2.EXE"
  printf '<FlyKestrel 1.7>\r\n\r\n\r\n\r\n\r\n\r\n%s\r\n' "$exe" > "$prefs"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found. To run flykestrel on a virtual screen:" >&2
  echo "  xvfb-run -a $bin/flykestrel" >&2
  exit 2
fi
exec "$bin/flykestrel"
