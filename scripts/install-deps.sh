#!/usr/bin/env bash
# Installs, with apt-get, the Debian packages that are missing for building and testing
# (or, with "run", for building and starting the dialog). Installs nothing when all are there.
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev libgl-dev libcli11-dev python3)
case "${1:-test}" in
  test) packages+=(clang libclang-rt-14-dev) ;;
  run) packages+=(fonts-noto-cjk qt6-translations-l10n) ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing missing packages: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
fi
