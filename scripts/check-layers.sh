#!/bin/sh
# Usage: check-layers.sh [tool|importer] [ROOT]
# Prints every include of a program's sources that runs from a folder to one above it or beside it, as
# FILE:LINE:TEXT below ROOT; exits 1 when there is one. The program is tool unless named; ROOT is its folder
# in this repository unless given (the check's own tests give fixture trees).
table=${1:-tool}
root=${2:-$(dirname "$0")/../$table}
cd "$root" || exit 2
status=0
check() { # folder, the folders it may include
  folder=$1; shift
  allowed=$(echo "$@" | tr ' ' '|')
  if grep -HnsE '#include "[a-z]+/' "$folder"/*.h "$folder"/*.cpp |
      grep -vE "#include \"($allowed)/[A-Za-z0-9_]+\.h\"" ; then status=1; fi
}
tool() {
  check fs fs
  check archive fs archive
  check wine fs wine
  check journal fs wine journal
  check shell fs wine journal shell
  check shell/ui fs wine journal shell shell/ui
  for sub in activation initune slicer; do
    check $sub fs wine journal shell $sub
    check $sub/ui fs wine journal shell shell/ui $sub $sub/ui
  done
  # The installer reads add-on archives.
  check install fs archive wine journal shell install
  check install/ui fs wine journal shell shell/ui install install/ui
}
# base and platform lie side by side at the bottom and use nothing of each other.
importer() {
  check base base
  check platform platform
  check pod base platform pod
  check db base platform pod db
  check driver base platform pod db driver
}
case $table in
  tool) tool ;;
  importer) importer ;;
  *) echo "check-layers.sh: no layer table named $table" >&2; exit 2 ;;
esac
exit $status
