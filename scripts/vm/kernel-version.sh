#!/usr/bin/env bash
# Prints the version of the kernel that linux-image-amd64 installed, e.g.
# "6.1.0-57-amd64" (/boot/vmlinuz-<version>, /lib/modules/<version>).
set -euo pipefail
depends=$(dpkg-query -W -f='${Depends}' linux-image-amd64)
version=${depends%%[ ,]*}
version=${version#linux-image-}
[ -f "/boot/vmlinuz-$version" ] && [ -d "/lib/modules/$version" ] || {
  echo "vm: the kernel $version of linux-image-amd64 is not installed" >&2
  exit 1
}
echo "$version"
