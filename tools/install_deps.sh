#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test the program.
# Only missing packages are installed; nothing happens when all are present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-base-private-dev libgl-dev libxcb1-dev qt6-qpa-plugins qt6-translations-l10n qt6-charts-dev
  libqt6opengl6-dev libsqlitecpp-dev libsqlite3-dev libicu-dev libpugixml-dev libcsv-dev libarchive-dev zstd
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  xvfb xauth x11-utils imagemagick xdotool
  desktop-file-utils appstream dpkg-dev
  dbus-x11 at-spi2-core python3-pyatspi python3-gi gir1.2-gtk-3.0
  orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng python3-speechd
  gir1.2-wnck-3.0 openbox
  fonts-liberation2 fonts-dejavu-core tzdata
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
  sudo_cmd=(sudo)
fi
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
