#!/bin/sh
# Inside the test machine: the kernel HID session, the simulated mouse made
# through /dev/uhid and the monitor reaching it only through hidraw. Leaves the
# report log, the monitor's output and the kernel log in $OUT.
set -u
cp "$PAYLOAD/70-zuronoxa-mouse.rules" /etc/udev/rules.d/
udevadm control --reload
"$PAYLOAD/kernel_hid_scenario" --programs "$PAYLOAD" --work /tmp/session --log-out "$OUT/reports.log" --uhid
status=$?
cp /tmp/session/monitor.txt "$OUT/"
dmesg -s 1048576 > "$OUT/dmesg.txt"

# The session ran on the kernel: the mouse was a kernel HID device with a raw
# HID node at the start, at the plug that was cut short and at the replug.
made=$(grep -c 'hid-generic 0003:1E7D:2DC2\..*: hidraw[0-9]*: USB HID' "$OUT/dmesg.txt")
if [ "$made" -ne 3 ]; then
  echo "kernel-hid: the kernel made the mouse $made times, not 3"
  status=1
fi

exit $status
