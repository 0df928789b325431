#!/bin/sh
# Inside the test machine: the kernel HID session, the simulated mouse made
# through /dev/uhid and the monitor reaching it only through hidraw; then the
# udev rule on the mouse's raw HID node. Leaves the report log, the monitor's
# output and the kernel log in $OUT.
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

# The rule gives the seat's user the node under either vendor ID.
for vendor in 1E7D FFFF; do
  state=/tmp/rule-$vendor
  mkdir -p "$state/run"
  XDG_RUNTIME_DIR=$state/run "$PAYLOAD/mousesim" serve --uhid --vendor 0x$vendor \
    --state "$state/mouse.state" --log "$state/reports.log" > /dev/null &
  node=
  for _ in $(seq 150); do
    node=$(ls -d /sys/bus/hid/devices/0003:$vendor:2DC2.*/hidraw/hidraw* 2>/dev/null | head -n 1)
    [ -n "$node" ] && break
    sleep 0.2
  done
  if [ -z "$node" ] || ! udevadm wait --timeout=30 "/dev/${node##*/}" ||
    ! udevadm info --query=property "/dev/${node##*/}" | grep -q '^TAGS=.*:uaccess:'; then
    echo "kernel-hid: the raw HID node of the mouse with vendor $vendor is not the seat user's"
    status=1
  fi
  kill $!
  wait $!
done
exit $status
