#!/bin/busybox sh
# /init of the test machine: mounts the kernel's file systems, loads the
# modules, starts the device manager, runs /vm/test.sh with PAYLOAD=/payload
# and OUT=/out, then hands its exit status and the files it left in /out to the
# host on the second serial port (ttyS1), and powers off.
/bin/busybox --install -s /bin
export PATH=/usr/sbin:/usr/bin:/sbin:/bin
mount -t proc proc /proc
mount -t sysfs sysfs /sys
mount -t devtmpfs devtmpfs /dev
mkdir -p /dev/shm /dev/pts
mount -t tmpfs tmpfs /dev/shm
mount -t tmpfs tmpfs /run
mount -t tmpfs tmpfs /tmp

report() {
  stty -F /dev/ttyS1 raw -echo
  {
    echo "vm-test-status $1"
    tar -C /out -cz . | base64
    echo "vm-test-end"
  } > /dev/ttyS1
  sync
  poweroff -f
}

while read -r module; do
  insmod "$module" || { echo "vm: cannot load $module"; report 125; }
done < /vm/modules
/lib/systemd/systemd-udevd --daemon --resolve-names=never || { echo "vm: udevd did not start"; report 125; }

mkdir -p /out
export PAYLOAD=/payload OUT=/out HOME=/root LANG=C.UTF-8 PAGER=cat SYSTEMD_PAGER=cat
cd /payload
sh /vm/test.sh
report $?
