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

# The preferences file lies beside the program. Line 7 holds the path of FLY2.EXE: when it names no file
# (first run, or the demo was made anew elsewhere), the file is written to point at the demo.
prefs="$bin/FlyKestrel.prf"
exe="$(cd "$demo" && pwd)/FLY2.EXE"
stored=""
if [ -e "$prefs" ]; then
  stored="$(sed -n '7{s/\r$//;p;q}' "$prefs")"
fi
if [ -z "$stored" ] || [ ! -f "$stored" ]; then
  printf '<FlyKestrel 1.7>\r\n\r\n\r\n\r\n\r\n\r\n%s\r\n' "$exe" > "$prefs"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found. To run flykestrel on a virtual screen:" >&2
  echo "  xvfb-run -a $bin/flykestrel" >&2
  exit 2
fi
exec "$bin/flykestrel"
