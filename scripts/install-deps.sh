#!/usr/bin/env bash
# Installs the Debian packages that building, testing, benchmarking and
# fuzzing need. Installs only what is missing, so it is cheap to run again.
set -euo pipefail

packages=(
  build-essential cmake pkg-config make
  qt6-base-dev
  libedit-dev
  # Special functions and quadrature (header-only).
  libboost-dev
  # Plot export to SVG.
  qt6-svg-dev
  libgtest-dev
  libbenchmark-dev
  libmuparser-dev
  clang libclang-rt-14-dev
  locales
  # The window's end-to-end test: a virtual display, a tray host, a driver.
  xvfb xauth xdotool trayer x11-utils
  # Accessibility-event tests: a private session bus and the AT-SPI bus.
  dbus-daemon at-spi2-core
  # The global shortcut grabs its key through the X server.
  libxcb1-dev
  # Checks of the desktop entry and the AppStream metadata.
  desktop-file-utils appstream
  # Peers that the benchmarks run side by side.
  bc units python3
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The tests check the separators under a locale with a decimal comma.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  echo "Generating the de_DE.UTF-8 locale"
  $SUDO sed -i 's/^# *\(de_DE\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^de_DE\.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen
fi
