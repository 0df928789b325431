#!/usr/bin/env bash
# Installs what the virtual machine runner needs: qemu (TCG only, no KVM
# needed), a Debian kernel with its modules, busybox, udev for the device
# manager inside the machine, and cpio for the initramfs. Packages already
# present are left alone. Needs root (apt-get).
# The kernel's own initramfs is not built (INITRD=No): the runner makes its own.
set -euo pipefail

packages=(qemu-system-x86 linux-image-amd64 busybox-static udev cpio)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=
[ "$(id -u)" -ne 0 ] && SUDO=sudo
echo "vm: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# Other builds on the machine may hold the package lock for a while.
$SUDO apt-get -o DPkg::Lock::Timeout=600 update -qq
$SUDO env INITRD=No apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
