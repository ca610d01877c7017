#!/bin/sh
# The layer check on the fixture trees of each program's table: a clean tree passes; in a tree whose
# includes run up (or across, between folders side by side) it fails and names exactly those lines.
here=$(cd "$(dirname "$0")" && pwd)
failed=0
expect() { # table, tree, exit status, lines printed
  printed=$("$here/../../scripts/check-layers.sh" "$1" "$here/fixtures/$1/$2")
  status=$?
  if [ "$status" != "$3" ] || [ "$printed" != "$4" ]; then
    printf '%s/%s: exit %s, printed:\n%s\nexpected exit %s and:\n%s\n' "$1" "$2" "$status" "$printed" "$3" "$4"
    failed=1
  fi
}
expect tool clean 0 ''
expect tool up 1 'fs/Path.cpp:2:#include "wine/Prefix.h"
shell/Settings.cpp:2:#include "shell/ui/Window.h"'
expect importer clean 0 ''
expect importer up 1 'platform/Files.cpp:2:#include "base/Bytes.h"
pod/Archive.cpp:2:#include "db/Table.h"'
exit $failed
