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

# The preferences file lies beside the program. It is written to point at the demo, with every folder the
# path window would fill in, when its line 7 (the path of FLY2.EXE) names no file (first run, or the demo
# was made anew elsewhere), or when it names the demo's without the folders (written by an older version
# of this script). A file that points at another installation is left alone.
prefs="$bin/FlyKestrel.prf"
fly="$(cd "$demo" && pwd)"
stored=""
dlls=""
if [ -e "$prefs" ]; then
  stored="$(sed -n '7{s/\r$//;p;q}' "$prefs")"
  dlls="$(sed -n '2{s/\r$//;p;q}' "$prefs")"
fi
if [ -z "$stored" ] || [ ! -f "$stored" ] || { [ "$stored" = "$fly/FLY2.EXE" ] && [ -z "$dlls" ]; }; then
  start=""
  [ -f "$fly/flystart.exe" ] && start="$fly/flystart.exe"
  # Header, DLLPath, PythonPath, FlyIniPath, RenderIniPath, FlyStartPath, FlyExePath, SpareSetting,
  # Fly2SliceFolder, DLLFolderHolder, Fly2SlicePath, TGAPath, RASPath, InstallSourceFolder,
  # ExternalSceneryFolder.
  printf '%s\r\n' '<FlyKestrel 1.7>' "$fly/modules/pc" "$fly/modules/scripts/global" "$fly/system/fly.ini" \
    "$fly/system/render.ini" "$start" "$fly/FLY2.EXE" '' '' "$fly/modules/" "$fly/Fly2Slice.exe" '' '' '' '' \
    > "$prefs"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found. To run flykestrel on a virtual screen:" >&2
  echo "  xvfb-run -a $bin/flykestrel" >&2
  exit 2
fi
exec "$bin/flykestrel"
