#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the main job need.
# Idempotent: packages already present are left alone. Needs root (apt-get).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev qt6-tools-dev
  libqt6svg6 qt6-qpa-plugins
  libudev-dev libx11-dev libxtst-dev libxi-dev libcurl4-openssl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-utils imagemagick
  trayer
  xdotool
  # Status texts in Japanese, Korean and Chinese (one font for all four), and Thai.
  fonts-wqy-microhei fonts-tlwg-loma
  # Fonts of the skinned windows ("Arial" and the stand-ins for the others); GIF
  # writing for the artwork and its tests.
  fonts-liberation fonts-dejavu-core libgif-dev
  # Pointer settings on GNOME (GIO's GSettings and the mouse schema); the
  # private D-Bus bus of the KWin tests.
  libglib2.0-dev gsettings-desktop-schemas dbus-daemon
  # The feedback sounds: spoken at build time, read at run time. A private bus
  # for the real-time request's test (dbus-daemon, above).
  libsndfile1-dev espeak-ng
  # The package: CPack finds the programs to hand dpkg-shlibdeps with `file`.
  # The package test: checks of the desktop entries, the metainfo and the man pages.
  file dpkg-dev desktop-file-utils appstream man-db
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all packages present"
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  SUDO=sudo
else
  SUDO=
fi
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
