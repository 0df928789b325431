#!/usr/bin/env bash
# The uinput test: keys and buttons of a macro reaching the programs through the
# monitor's virtual device (uinput), without a display, in a virtual machine
# (scripts/vm/run-in-vm.sh with the uinput, evdev, hid, hid-generic and uhid
# modules). The simulated mouse is a kernel HID device there (mousesim serve
# --uhid) and presses the macro's button; the monitor runs with
# ZURO_INPUT=uinput on the hidraw backend; a reader of the virtual device's
# event node (evdev) checks the key codes in order and each pause against the
# macro's delay. Also checked: `zuroctl status` names uinput, the device goes
# away at the monitor's shutdown, and the udev rule gives /dev/uinput to the
# seat's user.
#
# Usage: scripts/run-uinput-tests.sh [BUILD_DIR]   (default: build;
#        UINPUT_VM_TIMEOUT=<seconds> bounds the machine, default 300)
# Prints one summary line; exit status 0 only when every step passed.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
vm_timeout=${UINPUT_VM_TIMEOUT:-300}

bash scripts/install-deps.sh >/dev/null
bash scripts/vm/install-vm-packages.sh
[ -f "$build_dir/build.ninja" ] || bash scripts/build.sh "$build_dir" >/dev/null
cmake --build "$build_dir" --target ZuroTarnMonitor hidbridge mousesim zuroctl uinput_scenario >/dev/null

work=$build_dir/uinput
rm -rf "$work"
payload=$work/payload
mkdir -p "$payload"
dist=$build_dir/dist
cp "$dist"/ZuroTarnMonitor "$dist"/mousesim "$dist"/zuroctl "$dist"/*.so "$payload/"
cp "$build_dir/tests/uinput_scenario" hidbridge/70-zuronoxa-mouse.rules platform/input/70-zuronoxa-uinput.rules \
  "$payload/"
offscreen=/usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqoffscreen.so

vm_started=$(date +%s)
vm_status=0
bash scripts/vm/run-in-vm.sh --payload "$payload" --test scripts/vm/tests/uinput.sh --out "$work/vm" \
  --modules "uinput evdev hid hid-generic uhid" --host-file "$offscreen" --timeout "$vm_timeout" \
  --work "$work/machine" || vm_status=$?
vm_seconds=$(( $(date +%s) - vm_started ))
if [ "$vm_status" -ne 0 ]; then
  echo "uinput: FAIL: the macro did not reach the virtual device as played (status $vm_status, ${vm_seconds} s;" \
    "what the reader saw in $work/vm/events.txt)"
  exit 1
fi
echo "uinput: PASS: $(wc -l <"$work/vm/events.txt") key and button events in order with their pauses (machine ${vm_seconds} s)"
