#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need,
# only when some are missing. Safe to run again.
set -euo pipefail
pkgs=(build-essential cmake ninja-build pkg-config
      qt6-base-dev libgl-dev libsqlite3-dev libjpeg62-turbo-dev zlib1g-dev
      libgtest-dev libgmock-dev googletest libbenchmark-dev
      fonts-liberation2 unrtf pandoc poppler-utils sword-text-web libsword-dev
      xvfb xauth xdotool openbox libxcb1-dev clang-format git)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
