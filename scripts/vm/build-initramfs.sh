#!/usr/bin/env bash
# Builds the initramfs the virtual machine boots into: busybox, the kernel
# modules asked for (with what they depend on), the device manager (udevd) and
# its control tool, the payload folder at /payload with every shared library its
# programs load, extra host files at their own paths, the test script at
# /vm/test.sh and the machine's /init. Libraries keep their host paths, so the
# programs find them as they do on the host. Left uncompressed: an emulated CPU
# unpacks it faster than it inflates it.
#
# Usage: build-initramfs.sh --kernel-version V --payload DIR --test SCRIPT
#          --staging DIR --output FILE [--modules "NAME..."] [--host-file PATH]...
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

kernel_version= payload= test_script= staging= output= modules=
host_files=()
while [ $# -gt 0 ]; do
  case "$1" in
    --kernel-version) kernel_version=$2; shift 2 ;;
    --payload) payload=$2; shift 2 ;;
    --test) test_script=$2; shift 2 ;;
    --staging) staging=$2; shift 2 ;;
    --output) output=$2; shift 2 ;;
    --modules) modules=$2; shift 2 ;;
    --host-file) host_files+=("$2"); shift 2 ;;
    *) echo "build-initramfs: unknown option $1" >&2; exit 2 ;;
  esac
done
for v in kernel_version payload test_script staging output; do
  [ -n "${!v}" ] || { echo "build-initramfs: --${v//_/-} is missing" >&2; exit 2; }
done

rm -rf "$staging"
mkdir -p "$staging"/{usr,proc,sys,dev,run,tmp,etc,vm}
staging=$(realpath "$staging")
# The host's merged /usr, mirrored, so a path ldd prints resolves the same way.
for d in bin sbin lib lib64; do
  if [ -L "/$d" ]; then ln -s "$(readlink "/$d")" "$staging/$d"; else mkdir -p "$staging/$d"; fi
done

# Copies a host file (dereferenced) to the same path in the image.
add_file() {
  local dir
  dir=$(realpath "$(dirname "$1")")
  mkdir -p "$staging$dir"
  [ -e "$staging$dir/$(basename "$1")" ] || cp -L "$1" "$staging$dir/$(basename "$1")"
}

is_dynamic_elf() {
  [ "$(head -c 4 "$1" | od -An -c | tr -d ' ')" = '177ELF' ] && ldd "$1" >/dev/null 2>&1
}

# Copies every shared library `$1` loads, and the loader.
add_libraries() {
  is_dynamic_elf "$1" || return 0
  if ldd "$1" | grep -q 'not found'; then
    echo "build-initramfs: $1 misses libraries:" >&2
    ldd "$1" | grep 'not found' >&2
    exit 1
  fi
  local lib
  for lib in $(ldd "$1" | grep -o '/[^ ]*'); do
    case "$(realpath "$lib")" in "$staging"/*) continue ;; esac  # found beside the program
    add_file "$lib"
  done
}

add_file /bin/busybox
for program in /lib/systemd/systemd-udevd /bin/udevadm "${host_files[@]}"; do
  add_file "$program"
  add_libraries "$program"
done

# Modules in loading order, each once.
: > "$staging/vm/modules"
for module in $modules; do
  modprobe -S "$kernel_version" --show-depends "$module" | while read -r verb path _; do
    [ "$verb" = insmod ] || continue
    grep -qxF "$path" "$staging/vm/modules" && continue
    add_file "$path"
    echo "$path" >> "$staging/vm/modules"
  done
done

cp -a "$payload" "$staging/payload"
while IFS= read -r -d '' file; do add_libraries "$file"; done < <(find "$staging/payload" -type f -print0)

install -m 0755 "$test_script" "$staging/vm/test.sh"
install -m 0755 "$here/init.sh" "$staging/init"
printf 'root:x:0:0:root:/root:/bin/sh\n' > "$staging/etc/passwd"
printf 'root:x:0:\n' > "$staging/etc/group"
# No loader cache: the loader's default folders are the multiarch ones, and the
# project's programs find their own libraries by their run path.
mkdir -p "$staging/etc/udev/rules.d" "$staging/root"

(cd "$staging" && find . -print0 | cpio --null -o -H newc --quiet) > "$output"
