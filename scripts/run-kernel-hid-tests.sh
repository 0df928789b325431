#!/usr/bin/env bash
# The kernel HID test: the monitor reaching the mouse through the kernel's own
# HID stack (hidraw, libudev), without hardware.
#
# One fixed session (tests/kernel_hid/KernelHidScenario.cpp) runs twice:
#   1. here, on the simulator's bus: `mousesim serve`, the monitor with
#      ZURO_HID_BACKEND=simulator;
#   2. in a virtual machine (scripts/vm/run-in-vm.sh: a Debian kernel under qemu
#      with the uhid, hid and hid-generic modules and udevd): `mousesim serve
#      --uhid`, which makes the mouse a kernel HID device (1e7d:2dc2, USB bus,
#      both collections in one report descriptor), and the monitor with
#      ZURO_HID_BACKEND=hidraw.
# The session: the start-up whole-device read, `zuroctl set` applying a CPI
# level, an apply whose write the mouse refuses, a button press that switches the
# profile on the mouse, an event in which the mouse asks for a macro, an unplug,
# an unplug in the middle of the next whole-device read, a replug with its read,
# and the monitor's shutdown.
#
# What is compared: the simulated mouse's report log of the two runs, every
# feature report the mouse took (SET) or answered (GET, only the report ID when
# it failed) and every event report it sent (IN), byte for byte and in order;
# the timestamps are left out. Both runs must also pass every step of the
# session (each waits for the monitor's own account of it). Any difference, a
# failed step or a machine that does not finish in time fails the test.
#
# Usage: scripts/run-kernel-hid-tests.sh [BUILD_DIR]   (default: build;
#        KERNEL_HID_VM_TIMEOUT=<seconds> bounds the machine, default 300)
# Prints one summary line; exit status 0 only when the logs are the same.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
vm_timeout=${KERNEL_HID_VM_TIMEOUT:-300}

bash scripts/install-deps.sh >/dev/null
bash scripts/vm/install-vm-packages.sh
[ -f "$build_dir/build.ninja" ] || bash scripts/build.sh "$build_dir" >/dev/null
cmake --build "$build_dir" --target ZuroTarnMonitor hidbridge mousesim zuroctl kernel_hid_scenario >/dev/null

work=$build_dir/kernel-hid
rm -rf "$work"
payload=$work/payload
mkdir -p "$payload"
dist=$build_dir/dist
cp "$dist"/ZuroTarnMonitor "$dist"/mousesim "$dist"/zuroctl "$dist"/*.so "$payload/"
cp "$build_dir/tests/kernel_hid_scenario" hidbridge/70-zuronoxa-mouse.rules "$payload/"
offscreen=/usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqoffscreen.so

summary() { echo "kernel-hid: $*"; }

if ! "$payload/kernel_hid_scenario" --programs "$payload" --work "$work/bus" --log-out "$work/bus.log" \
  >"$work/bus-session.txt" 2>&1; then
  cat "$work/bus-session.txt"
  summary "FAIL: the session did not pass on the simulator's bus"
  exit 1
fi

vm_started=$(date +%s)
vm_status=0
bash scripts/vm/run-in-vm.sh --payload "$payload" --test scripts/vm/tests/kernel-hid.sh --out "$work/vm" \
  --modules "hid hid-generic uhid" --host-file "$offscreen" --timeout "$vm_timeout" --work "$work/machine" ||
  vm_status=$?
vm_seconds=$(( $(date +%s) - vm_started ))
if [ "$vm_status" -ne 0 ]; then
  summary "FAIL: the session did not pass on the kernel HID path (status $vm_status, ${vm_seconds} s)"
  exit 1
fi

if ! diff -u --label "simulator bus" --label "kernel hid" "$work/bus.log" "$work/vm/reports.log" >"$work/reports.diff"; then
  cut -c1-160 "$work/reports.diff" | head -n 60
  summary "FAIL: the report logs differ ($(grep -c '^[-+][A-Z]' "$work/reports.diff") lines; full diff in $work/reports.diff)"
  exit 1
fi
summary "PASS: $(wc -l <"$work/bus.log") reports the same on the simulator bus and on the kernel HID path (machine ${vm_seconds} s)"
