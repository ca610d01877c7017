#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running need, and any named as arguments;
# does nothing when all are there.
set -euo pipefail

packages=(
  cmake g++ make pkg-config ccache
  libgtest-dev libgmock-dev
  qt6-base-dev qt6-translations-l10n qt6-tools-dev qt6-l10n-tools libxxhash-dev libarchive-dev
  xvfb xauth
  "$@"  # extra packages for one target, e.g. clang for `make fuzz`
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "Missing packages: ${missing[*]}" >&2
  echo "Install them with:  sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
