#!/bin/sh
# Inside the test machine: the monitor with ZURO_INPUT=uinput plays a macro when
# the simulated mouse (through /dev/uhid, read through hidraw) presses its
# button; a reader of the monitor's virtual device checks the keys, their
# order and their pauses. Then the udev rule on /dev/uinput. Leaves what the
# reader saw, the monitor's output and the kernel log in $OUT.
set -u
cp "$PAYLOAD/70-zuronoxa-mouse.rules" "$PAYLOAD/70-zuronoxa-uinput.rules" /etc/udev/rules.d/
udevadm control --reload
"$PAYLOAD/uinput_scenario" --programs "$PAYLOAD" --work /tmp/session --events-out "$OUT/events.txt"
status=$?
cp /tmp/session/monitor.txt "$OUT/" 2>/dev/null
dmesg -s 1048576 > "$OUT/dmesg.txt"

# The rule gives the seat's user the uinput node.
udevadm trigger --action=add /sys/class/misc/uinput
udevadm settle --timeout=30
if ! udevadm info --query=property /dev/uinput | grep -q '^TAGS=.*:uaccess:'; then
  echo "uinput: /dev/uinput is not the seat user's"
  status=1
fi
exit $status
