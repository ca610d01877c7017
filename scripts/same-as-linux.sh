#!/usr/bin/env bash
# Imports every DEX file that mkfly2 makes with the Linux navmerger and with navmerger.exe under wine64,
# each into a fresh copy of the same installation, and checks that both leave the same files with the
# same bytes: tables, indexes and archives alike, their writing times aside.
# Usage: scripts/same-as-linux.sh LINUX_BUILD WINDOWS_BUILD   (WINEPREFIX set to a prefix made for the run)
set -euo pipefail
linux=$(realpath "$1")
windows=$(realpath "$2")
wine=${WINE64:-$(command -v wine64 || echo /usr/lib/wine/wine64)}
work=$(mktemp -d)
trap '[ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT

# The bytes of a file with its writing times zeroed: offset 12 of a table or index header, and in an
# archive (version 3) each directory entry's time and the header time of each table and index inside.
masked() {
  perl -e '
    local $/; my $b = <STDIN>;
    sub zero { my ($at) = @_; substr($b, $at, 4) = "\0" x 4 if $at + 4 <= length $b; }
    my $name = $ARGV[0];
    if ($name =~ /\.(DBD|DBI)$/i) { zero(12); }
    elsif (substr($b, 0, 4) eq "POD3") {
      my $count = unpack("V", substr($b, 88, 4));
      my $dir = unpack("V", substr($b, 264, 4));
      my $names = $dir + 20 * $count;
      for my $i (0 .. $count - 1) {
        my ($nameAt, $size, $data) = unpack("VVV", substr($b, $dir + 20 * $i, 12));
        zero($dir + 20 * $i + 12);
        my $entry = unpack("Z*", substr($b, $names + $nameAt, 256));
        zero($data + 12) if $entry =~ /\.(DBD|DBI)$/i && $size >= 16;
      }
    }
    print $b;' "$1" < "$1"
}

"$linux/tools/mkfly2" "$work/template" > /dev/null
failures=0
for dex in "$work"/template/dex/*.DEX; do
  name=$(basename "$dex")
  cp -r "$work/template" "$work/linux-$name"
  cp -r "$work/template" "$work/windows-$name"
  linuxStatus=0
  windowsStatus=0
  (cd "$work/linux-$name" && "$linux/bin/navmerger" -F . "dex/$name" > ../linux-$name.out 2> ../linux-$name.err) || linuxStatus=$?
  (cd "$work/windows-$name" && "$wine" "$windows/bin/navmerger.exe" -F . "dex\\$name" > ../windows-$name.out 2> ../windows-$name.err) ||
    windowsStatus=$?
  problem=""
  [ "$linuxStatus" = "$windowsStatus" ] || problem="exit status $linuxStatus on Linux, $windowsStatus on Windows"
  # The output differs only in the path separator and the line ends of a Windows console.
  for stream in out err; do
    diff <(tr '\\' '/' < "$work/linux-$name.$stream") <(tr -d '\r' < "$work/windows-$name.$stream" | tr '\\' '/') > /dev/null ||
      problem="$problem; different standard $stream"
  done
  if ! diff <(cd "$work/linux-$name" && find . | sort) <(cd "$work/windows-$name" && find . | sort) > /dev/null; then
    problem="$problem; different files"
  else
    while read -r file; do
      cmp -s <(masked "$work/linux-$name/$file") <(masked "$work/windows-$name/$file") ||
        problem="$problem; $file differs"
    done < <(cd "$work/linux-$name" && find . -type f | sort)
  fi
  if [ -n "$problem" ]; then
    echo "FAIL $name: ${problem#; }"
    failures=$((failures + 1))
  else
    echo "same $name (exit status $linuxStatus)"
  fi
done
[ "$failures" = 0 ]
