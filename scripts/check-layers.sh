#!/bin/sh
# Prints every include of tool/ that runs from a folder to one above it; exits 1 when there is one.
cd "$(dirname "$0")/../tool" || exit 2
status=0
check() { # folder, the folders it may include
  folder=$1; shift
  allowed=$(echo "$@" | tr ' ' '|')
  if git grep -nE '#include "[a-z]+/' -- "$folder/*.h" "$folder/*.cpp" ":(exclude)$folder/*/*" |
      grep -vE "#include \"($allowed)/[A-Za-z0-9_]+\.h\"" ; then status=1; fi
}
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
exit $status
