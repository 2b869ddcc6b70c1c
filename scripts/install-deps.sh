#!/usr/bin/env bash
# Installs the Debian packages that building, testing, benchmarking and
# fuzzing need. Installs only what is missing, so it is cheap to run again.
set -euo pipefail

packages=(
  build-essential cmake pkg-config make
  qt6-base-dev
  libedit-dev
  libgtest-dev
  libbenchmark-dev
  libmuparser-dev
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
