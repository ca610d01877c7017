#!/usr/bin/env bash
# Checks the Debian package that `make package` built: its file list, its Qt dependencies, that both
# programs start from the extracted package, that the menu entry and metainfo validate, and that lintian
# finds no error (warnings are printed).
set -euo pipefail
build=${1:-build}
debs=("$build"/package/flykestrel_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "expected one package in $build/package" >&2; exit 1; }
deb=${debs[0]}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failed=0
fail() { echo "FAILED: $*" >&2; failed=1; }

app=net.flykestrel.FlyKestrel
expected=(
  usr/bin/flykestrel usr/bin/navmerger
  usr/share/applications/$app.desktop usr/share/metainfo/$app.metainfo.xml
  usr/share/icons/hicolor/scalable/apps/$app.svg
  usr/share/icons/hicolor/48x48/apps/$app.png usr/share/icons/hicolor/128x128/apps/$app.png
  usr/share/icons/hicolor/256x256/apps/$app.png
  usr/share/man/man1/navmerger.1.gz usr/share/man/man1/flykestrel.1.gz
  usr/share/doc/flykestrel/copyright usr/share/doc/flykestrel/changelog.gz
)
list=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in "${expected[@]}"; do
  grep -qxF "./$file" <<<"$list" || fail "$file is not in the package"
done
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6core6 libqt6widgets6 libqt6network6 libxxhash0 libarchive13; do
  grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
done

dpkg-deb -x "$deb" "$tmp/root"
bin="$tmp/root/usr/bin"
status=0
banner=$("$bin/navmerger" 2>&1 >/dev/null) || status=$?
[ "$status" -eq 1 ] && [ "${banner%%$'\n'*}" = "Navmerger 1.3" ] ||
  fail "navmerger without arguments: status $status, banner '${banner%%$'\n'*}'"
# Still running after a second: timeout ends it with status 124.
status=0
XDG_CONFIG_HOME="$tmp/config" QT_QPA_PLATFORM=offscreen timeout 1 "$bin/flykestrel" || status=$?
[ "$status" -eq 124 ] || fail "flykestrel ended within a second with status $status"

grep -qx 'License: GPL-3+' "$tmp/root/usr/share/doc/flykestrel/copyright" || fail "copyright names no GPL-3+ licence"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$tmp/root/usr/share/metainfo/$app.metainfo.xml" ||
  fail "metainfo names no GPL-3.0-or-later licence"
desktop-file-validate "$tmp/root/usr/share/applications/$app.desktop" || fail "desktop-file-validate"
entry="$tmp/root/usr/share/applications/$app.desktop"
grep -qx 'Exec=flykestrel %f' "$entry" && grep -q '^MimeType=.*application/zip;.*inode/directory;' "$entry" ||
  fail "the menu entry opens no archive or folder"
appstreamcli validate --no-net "$tmp/root/usr/share/metainfo/$app.metainfo.xml" || fail "appstreamcli validate"
lintian_out=$(lintian "$deb" 2>&1 | grep -v 'running with root privileges' || true)
[ -z "$lintian_out" ] || echo "$lintian_out"
if grep -q '^E:' <<<"$lintian_out"; then fail "lintian reports errors"; fi

[ "$failed" -eq 0 ] && echo "Package $deb: checked"
exit "$failed"
