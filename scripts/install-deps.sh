#!/usr/bin/env bash
# Installs the Debian packages Orvane needs to build, test and run.
# Idempotent: does nothing (and prints nothing) when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
  qt6-base-dev qt6-svg-dev libgl-dev
  libical-dev
  nlohmann-json3-dev
  fonts-liberation
  xvfb xauth imagemagick poppler-utils
  openbox xdotool xclip
  desktop-file-utils appstream help2man groff-base
  python3-ephem python3-icalendar
  clang libclang-rt-dev clang-format clang-tidy
  locales-all  # the comma-decimal locales the tests run under
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
