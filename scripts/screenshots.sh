#!/usr/bin/env bash
# Screenshots for the README, on a virtual screen: the main window on a demo installation, the add-on
# installer after importing DEX files with navmerger, the installer on an archive, its progress window during a slow import, the
# library of the add-ons installed, and the history of changes that these left; the main window in English
# too. Works on copies in BUILD/screenshots, with a journal of changes and a configuration folder of
# their own, so that the demo of `make run`, its preferences and the user's journal and language stay as
# they are.
set -euo pipefail
build=${1:-build}
docs=${2:-docs}
work="$build/screenshots"

if [ -z "${SCREENSHOTS_ON_SCREEN:-}" ]; then
  rm -rf "$work"
  mkdir -p "$work/bin" "$work/addon" "$docs"
  cp "$build/bin/flykestrel" "$build/bin/navmerger" "$work/bin/"
  "$build/tools/mkfly2" "$work/Fly2" >/dev/null
  cp "$work/Fly2/dex/ADD_AIRPORT.DEX" "$work/Fly2/dex/REPLACE_NAVAID.DEX" "$work/addon/"
  mkdir -p "$work/slow-addon" "$work/Alpes HD" "$work/Alpes HD v2"
  for name in alps.pod alps.scf; do
    printf 'alpes HD' > "$work/Alpes HD/$name"
    printf 'alpes HD v2' > "$work/Alpes HD v2/$name"
  done
  printf 'glaciers' > "$work/Alpes HD/glaciers.pod"
  for name in AIRPORTS_EUROPE AIRPORTS_NORTH NAVAIDS_ALPS; do
    cp "$work/Fly2/dex/ADD_AIRPORT.DEX" "$work/slow-addon/$name.DEX"
  done
  # The same scenery as the archive a user downloads, one top folder in it, a file too deep for its type.
  mkdir -p "$work/zip/Lacs été/extra"
  printf 'lacs' > "$work/zip/Lacs été/lacs.pod"
  printf 'lacs' > "$work/zip/Lacs été/lacs.scf"
  printf 'rives' > "$work/zip/Lacs été/rives.bgr"
  printf 'carte' > "$work/zip/Lacs été/extra/carte.pod"
  (cd "$work/zip" && bsdtar -a -cf "Lacs été.zip" "Lacs été")
  exe="$(cd "$work/Fly2" && pwd)/FLY2.EXE"
  mkdir -p "$work/share"
  export XDG_DATA_HOME="$(cd "$work/share" && pwd)"
  mkdir -p "$work/config"
  export XDG_CONFIG_HOME="$(cd "$work/config" && pwd)"
  # French whatever the machine's locale; the English shot asks for English through LANGUAGE.
  export LANGUAGE= LC_ALL=C.UTF-8
  printf '<FlyKestrel 1.7>\r\n\r\n\r\n\r\n\r\n\r\n%s\r\n' "$exe" > "$work/bin/FlyKestrel.prf"
  SCREENSHOTS_ON_SCREEN=1 exec timeout 300 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$docs"
fi

# On the virtual screen from here, without a window manager: windows have no frame.
program="$work/bin/flykestrel"
shot() { # window name pattern, file
  local id
  id=$(xdotool search --sync --onlyvisible --name "$1" | head -1)
  sleep 1
  import -window "$id" "$2"
}
click() { # window, x and y inside it
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 0.5
}

"$program" & pid=$!
shot 'Optimise les performances' "$docs/main-window.png"
kill "$pid"; wait "$pid" || true

LANGUAGE=en "$program" & pid=$!
shot 'Optimise the performance' "$docs/main-window-en.png"
kill "$pid"; wait "$pid" || true

"$program" "$(cd "$work/addon" && pwd)" & pid=$!
installer=$(xdotool search --sync --onlyvisible --name 'INSTALLATION' | head -1)
sleep 1
# Places in the window of its 900x760 layout: the type "DEX files import /Navmerger.exe", then "OK, INSTALLER".
click "$installer" 556 180
click "$installer" 840 738
sleep 3
import -window "$installer" "$docs/installer.png"
kill "$pid"; wait "$pid" || true

# A stand-in importer in the dex folder, slow enough for the progress window to be seen.
printf '#!/bin/sh\necho "Merging $1"\nsleep 4\necho "Database merge successful!"\n' > "$work/Fly2/dex/navmerger"
chmod +x "$work/Fly2/dex/navmerger"
"$program" "$(cd "$work/slow-addon" && pwd)" & pid=$!
installer=$(xdotool search --sync --onlyvisible --name 'INSTALLATION' | head -1)
sleep 1
click "$installer" 556 180
click "$installer" 840 738
sleep 4
shot 'Installation en cours' "$docs/progress.png"
kill "$pid"; wait "$pid" || true

# The installer on an archive, its installation previewed ("Aperçu").
"$program" "$(cd "$work/zip" && pwd)/Lacs été.zip" & pid=$!
installer=$(xdotool search --sync --onlyvisible --name 'INSTALLATION' | head -1)
sleep 1
click "$installer" 745 738
import -window "$installer" "$docs/installer-archive.png"
kill "$pid"; wait "$pid" || true

# A scenery add-on, then a second one over it: the library lists both, the first one's files under the
# second's; its removal previewed ("Bibliothèque des add-ons" and "Aperçu de la désinstallation").
for addon in "Alpes HD" "Alpes HD v2"; do
  "$program" "$(cd "$work/$addon" && pwd)" & pid=$!
  installer=$(xdotool search --sync --onlyvisible --name 'INSTALLATION' | head -1)
  sleep 1
  click "$installer" 840 738
  sleep 1
  kill "$pid"; wait "$pid" || true
done
"$program" "$(cd "$work/addon" && pwd)" & pid=$!
installer=$(xdotool search --sync --onlyvisible --name 'INSTALLATION' | head -1)
sleep 1
click "$installer" 349 738
library=$(xdotool search --sync --onlyvisible --name 'Bibliothèque des add-ons' | head -1)
sleep 1
click "$library" 40 92
click "$library" 98 617
shot 'Bibliothèque des add-ons' "$docs/library.png"
kill "$pid"; wait "$pid" || true

# The history: the installations above, newest first ("Historique des modifications" at the foot of
# the main window).
"$program" & pid=$!
main=$(xdotool search --sync --onlyvisible --name 'Optimise les performances' | head -1)
sleep 1
click "$main" 728 643
shot 'Historique des modifications' "$docs/history.png"
kill "$pid"; wait "$pid" || true
