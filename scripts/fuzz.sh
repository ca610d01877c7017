#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang into BUILD and runs each for SECONDS, starting from a
# seed corpus made by mkfly2 (archives, templates, tables and DEX files of a small installation) and
# the journal entries and add-on archives of fuzz/seeds.
# Usage: scripts/fuzz.sh [BUILD [SECONDS [JOBS]]]. Findings go to BUILD/findings/<target>/; the run
# fails when any target found one.
set -euo pipefail
build=${1:-build-fuzz}
seconds=${2:-60}
jobs=${3:-$(nproc)}
targets=(archive template table journal addon_archive)

cmake -S . -B "$build" -DFUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target mkfly2 navmerger "${targets[@]/#/fuzz_}" -j"$jobs"

seeds="$build/fuzz-seeds"
fly="$build/fuzz-fly"
if [ ! -d "$seeds/table" ]; then
  rm -rf "$seeds" "$fly"
  install="$seeds/install"
  "$build/tools/mkfly2" "$install" --records 20
  dexes=()
  for name in AIRPORT COMM ILS NAVAID RUNWAY ATSROUTE OBSTRUCT WAYPOINT; do dexes+=("$install/dex/$name.DEX"); done
  # -K leaves every table, template and index loose in DATABASE.
  "$build/bin/navmerger" -K -F "$install" "${dexes[@]}" >/dev/null
  mkdir -p "$seeds/archive" "$seeds/template" "$seeds/table" "$fly/DATABASE"
  cp "$install"/system/*.POD "$seeds/archive/"
  cp "$install"/DATABASE/*.DBT "$seeds/template/"
  cp "$install"/DATABASE/*.DBT "$fly/DATABASE/"
  # The table target's first byte picks the name: 0 to 7 the tables in archive order, 8 a DEX file.
  index=0
  for name in AIRPORT COMM ILS NAVAID RUNWAY ATSROUTE OBSTRUCT WAYPOINT; do
    { printf "\\x$(printf %02x $index)"; cat "$install/DATABASE/$name.DBD"; } > "$seeds/table/$name.DBD"
    { printf '\x08'; cat "$install/dex/$name.DEX"; } > "$seeds/table/$name.DEX"
    index=$((index + 1))
  done
fi
# Journal entries: our own seeds, one sealed and one cut short (tool/journal/EntryFile.h).
mkdir -p "$seeds/journal"
cp fuzz/seeds/journal/* "$seeds/journal/"
# Add-on archives of every format, made by the archive tests' fixture writer (tests/tool/archive).
mkdir -p "$seeds/addon_archive"
cp fuzz/seeds/addon_archive/* "$seeds/addon_archive/"

failed=0
for target in "${targets[@]}"; do
  mkdir -p "$build/corpus/$target" "$build/findings/$target"
  echo "fuzz_$target: $seconds s"
  if ! "$build/bin/fuzz_$target" -max_total_time="$seconds" -rss_limit_mb=2048 -malloc_limit_mb=1024 \
      -print_final_stats=1 -artifact_prefix="$build/findings/$target/" \
      "$build/corpus/$target" "$seeds/$target" 2>"$build/findings/$target.log"; then
    echo "fuzz_$target found a fault: see $build/findings/$target.log and $build/findings/$target/" >&2
    failed=1
  fi
  tail -n 12 "$build/findings/$target.log" | grep -E '^(stat::|#|Done)' || true
done
exit $failed
