#!/usr/bin/env bash
# Runs one test script inside a virtual machine with the real Linux kernel:
# a Debian kernel boots under qemu (TCG: no KVM needed) into an initramfs that
# holds the payload folder (at /payload, with every library its programs load),
# the kernel modules asked for, busybox and the device manager (udevd). The
# script runs as root with PAYLOAD=/payload and OUT=/out; what it leaves in /out
# comes back to the host in --out. The script's output is the machine's console.
#
# Usage: run-in-vm.sh --payload DIR --test SCRIPT --out DIR [--modules "NAME..."]
#          [--host-file PATH]... [--timeout SECONDS] [--work DIR]
# Exit status: the test script's; 124 when the machine did not finish within
# the time limit (default 300 s); 125 when the machine could not run the test.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

payload= test_script= out= modules= timeout_s=300 work=
host_files=()
while [ $# -gt 0 ]; do
  case "$1" in
    --payload) payload=$2; shift 2 ;;
    --test) test_script=$2; shift 2 ;;
    --out) out=$2; shift 2 ;;
    --modules) modules=$2; shift 2 ;;
    --host-file) host_files+=(--host-file "$2"); shift 2 ;;
    --timeout) timeout_s=$2; shift 2 ;;
    --work) work=$2; shift 2 ;;
    *) echo "run-in-vm: unknown option $1" >&2; exit 2 ;;
  esac
done
[ -n "$payload" ] && [ -n "$test_script" ] && [ -n "$out" ] || {
  echo "usage: run-in-vm.sh --payload DIR --test SCRIPT --out DIR [--modules ...] [--host-file PATH]..." >&2
  exit 2
}
[ -n "$work" ] || work=$(mktemp -d)
mkdir -p "$work" "$out"

bash "$here/install-vm-packages.sh"
kernel_version=$(bash "$here/kernel-version.sh")
initramfs=$work/initramfs.cpio
bash "$here/build-initramfs.sh" --kernel-version "$kernel_version" --payload "$payload" \
  --test "$test_script" --staging "$work/root" --output "$initramfs" --modules "$modules" "${host_files[@]}"
rm -rf "$work/root"

console=$work/console.log
results=$work/results.txt
rm -f "$console" "$results"
echo "vm: booting $kernel_version with a $(( $(stat -c %s "$initramfs") / 1048576 )) MB initramfs"
started=$(date +%s)
status=0
timeout "$timeout_s" qemu-system-x86_64 \
  -machine q35,accel=tcg -cpu max -smp 2 -m 1536 \
  -nodefaults -display none -no-reboot -monitor none \
  -kernel "/boot/vmlinuz-$kernel_version" -initrd "$initramfs" \
  -append "console=ttyS0 quiet panic=-1" \
  -serial "file:$console" -serial "file:$results" || status=$?
elapsed=$(( $(date +%s) - started ))

show_console() {
  echo "--- console of the machine ---"
  tail -n 80 "$console" 2>/dev/null | tr -d '\r' || true
  echo "--- end of console ---"
}

if [ "$status" -eq 124 ]; then
  echo "vm: the machine did not finish within ${timeout_s} s"
  show_console
  exit 124
fi
test_status=$(sed -n 's/^vm-test-status \([0-9]*\)$/\1/p' "$results" 2>/dev/null | head -n 1)
if [ -z "$test_status" ]; then
  echo "vm: the machine ended (qemu status $status) without reporting a result"
  show_console
  exit 125
fi
sed -n '/^vm-test-status /,/^vm-test-end$/p' "$results" | sed '1d;$d' | base64 -d | tar -C "$out" -xz
echo "vm: the test ended with status $test_status after $elapsed s"
[ "$test_status" -eq 0 ] || show_console
exit "$test_status"
