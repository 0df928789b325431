#!/usr/bin/env bash
# The Debian package, installed like a user would: builds it with CPack from
# the build folder (default: build), checks that every file the programs name is
# in it (the tree's data, udev rules, desktop entries, icons, man pages,
# completion), installs it with apt-get on this machine, runs `zuroctl --help`,
# starts the monitor against the simulated mouse as an ordinary user and checks
# that the files it writes land in that user's ~/.config/zuronoxa/, then purges
# it and checks that nothing of it is left outside the user's own folders.
# Needs root; changes this machine's packages (CI machines are fresh and
# disposable). About a minute on a built tree.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
if [ "$(id -u)" -ne 0 ]; then
  echo "run-package-tests: needs root (apt-get, useradd)" >&2
  exit 1
fi
bash scripts/install-deps.sh
bash scripts/build.sh "$build"

tree=/usr/lib/zuronoxa
user=zuropkgtest
work=$(mktemp -d -t zuro-package-XXXXXX)
failures=0
fail() { echo "run-package-tests: FAIL: $*" >&2; failures=$((failures + 1)); }
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill -TERM "$pid" 2>/dev/null || true; done
  if dpkg-query -W zuronoxa >/dev/null 2>&1; then apt-get purge -y -qq zuronoxa >/dev/null 2>&1 || true; fi
  if id -u "$user" >/dev/null 2>&1; then userdel -r "$user" >/dev/null 2>&1 || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# --- the package -----------------------------------------------------------
rm -f "$build"/zuronoxa_*.deb
(cd "$build" && cpack -G DEB >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$PWD/$build"/zuronoxa_*.deb)
echo "run-package-tests: built $(basename "$deb") ($(du -h "$deb" | cut -f1))"
dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./|/|; s|/$||' | sort >"$work/contents"

depends=$(dpkg-deb -f "$deb" Depends)
case "$depends" in
  *libqt6core6*libc6*|*libc6*libqt6core6*) ;;
  *) fail "Depends lacks what dpkg-shlibdeps finds: $depends" ;;
esac

# Every file of the tree the programs name.
"$build/packaging/zuro_package_manifest" "$build/dist" >"$work/manifest"
named=$(wc -l <"$work/manifest")
while IFS= read -r file; do
  grep -qxF "$tree/$file" "$work/contents" || fail "not in the package: $tree/$file"
done <"$work/manifest"

# The files of the system around the tree.
expected=(
  "$tree/PerUserFiles"
  /usr/lib/udev/rules.d/70-zuronoxa-mouse.rules
  /usr/lib/udev/rules.d/70-zuronoxa-uinput.rules
  /usr/share/applications/org.zuronoxa.Option.desktop
  /etc/xdg/autostart/org.zuronoxa.Monitor.desktop
  /usr/share/metainfo/org.zuronoxa.Option.metainfo.xml
  /usr/share/man/man1/zuroctl.1
  /usr/share/man/man1/mousesim.1
  /usr/share/bash-completion/completions/zuroctl
  /usr/bin/zuroctl /usr/bin/ZuroTarnMonitor /usr/bin/ZuroNoxaOption /usr/bin/mousesim
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/org.zuronoxa.Option.png")
done
for file in "${expected[@]}"; do
  grep -qxF "$file" "$work/contents" || fail "not in the package: $file"
done
echo "run-package-tests: $named files the programs name and ${#expected[@]} system files checked"

# --- installed ---------------------------------------------------------------
before="$work/before"
snapshot() { find /usr /etc /var/lib /opt -xdev \( -iname '*zuro*' -o -path '*/zuronoxa' \) 2>/dev/null | sort; }
snapshot >"$before"
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq --no-install-recommends "$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; exit 1; }

# Every installed file is for every user to read (and every folder to enter).
unreadable=$(find "$tree" \( -type f ! -perm -o+r \) -o \( -type d ! -perm -o+rx \) | head -n 5)
[ -z "$unreadable" ] || fail "not readable by other users: $unreadable"

grep -q '1E7D' /usr/lib/udev/rules.d/70-zuronoxa-mouse.rules &&
  grep -q 'FFFF' /usr/lib/udev/rules.d/70-zuronoxa-mouse.rules || fail "the udev rule lacks a vendor ID"
for desktop in /usr/share/applications/org.zuronoxa.Option.desktop /etc/xdg/autostart/org.zuronoxa.Monitor.desktop; do
  program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
  [ -x "/usr/bin/$program" ] || fail "$desktop starts $program, which is not on the PATH"
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "$desktop does not validate"
  fi
done
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net --pedantic /usr/share/metainfo/org.zuronoxa.Option.metainfo.xml >"$work/appstream.log" 2>&1 ||
    { cat "$work/appstream.log"; fail "the metainfo does not validate"; }
fi
man -l /usr/share/man/man1/zuroctl.1 >/dev/null 2>&1 || fail "zuroctl.1 does not format"

# An ordinary user, with a runtime folder of their own.
id -u "$user" >/dev/null 2>&1 && userdel -r "$user" >/dev/null 2>&1
useradd -m -s /bin/sh "$user"
home=$(getent passwd "$user" | cut -d: -f6)
runtime="$work/run"
mkdir -m 700 "$runtime"
chown "$user:" "$runtime" "$work"
as_user() {
  runuser -u "$user" -- env -i HOME="$home" USER="$user" PATH=/usr/bin:/bin XDG_RUNTIME_DIR="$runtime" \
    ZURO_HID_BACKEND=simulator ZURO_DEBUG=1 QT_QPA_PLATFORM=offscreen "$@"
}
# Started in the background; its pid is written by the process itself.
as_user_bg() {
  local name=$1; shift
  as_user sh -c 'echo $$ >"$0"; exec "$@"' "$work/$name.pid" "$@" >"$work/$name.out" 2>&1 &
  for _ in $(seq 50); do [ -s "$work/$name.pid" ] && break; sleep 0.1; done
  pids+=("$(cat "$work/$name.pid")")
}

as_user zuroctl --help | grep -q '^usage: zuroctl' || fail "zuroctl --help"

as_user_bg mousesim mousesim serve --state "$runtime/mouse.state" --log "$runtime/reports.log"
for _ in $(seq 50); do grep -q serving "$work/mousesim.out" && break; sleep 0.1; done
grep -q serving "$work/mousesim.out" || fail "mousesim did not start: $(cat "$work/mousesim.out")"

as_user_bg monitor ZuroTarnMonitor
config="$home/.config/zuronoxa"
for _ in $(seq 300); do
  [ -f "$config/config/Default4.vmp" ] && grep -q "whole-device read" "$work/monitor.out" && break
  sleep 0.1
done
for file in config.ini RunsStart.ini config/Default0.vmp config/Default4.vmp SeededFromPackage; do
  [ -f "$config/$file" ] || fail "the monitor did not write $config/$file"
done
[ "$(stat -c %U "$config/config.ini" 2>/dev/null)" = "$user" ] || fail "config.ini does not belong to $user"
as_user zuroctl status >"$work/status.out" 2>&1 || true
grep -q 'mouse: present' "$work/status.out" || fail "zuroctl status: $(cat "$work/status.out")"
as_user zuroctl show 0 >"$work/show.out" 2>&1 || true
grep -q '^Profile 0: ' "$work/show.out" || fail "zuroctl show: $(cat "$work/show.out")"
as_user zuroctl set --profile 1 PollingRate=2 >/dev/null 2>&1 || fail "zuroctl set"
grep -q '^PollingRate=2' "$config/config/Default1.vmp" || fail "zuroctl set did not reach the user's profile file"

for pid in "${pids[@]}"; do kill -TERM "$pid" 2>/dev/null || true; done
for _ in $(seq 100); do
  alive=0
  for pid in "${pids[@]}"; do kill -0 "$pid" 2>/dev/null && alive=1; done
  [ "$alive" -eq 0 ] && break
  sleep 0.1
done
pids=()

# Nothing was written into the package's tree.
find "$tree" | sort >"$work/tree-now"
grep "^$tree" "$work/contents" >"$work/tree-packaged"
extra=$(comm -23 "$work/tree-now" "$work/tree-packaged")
[ -z "$extra" ] || fail "written into the installed tree: $extra"

# --- purged ------------------------------------------------------------------
apt-get purge -y -qq zuronoxa >"$work/purge.log" 2>&1 || { cat "$work/purge.log"; fail "apt-get purge"; }
left=$(comm -13 "$before" <(snapshot))
[ -z "$left" ] || fail "left after purge: $left"
[ -f "$config/config.ini" ] || fail "the purge removed the user's own files"

if [ "$failures" -ne 0 ]; then
  echo "run-package-tests: $failures failure(s); monitor output:" >&2
  sed 's/^/  /' "$work/monitor.out" >&2
  exit 1
fi
echo "run-package-tests: installed, ran as $user (files in ~/.config/zuronoxa/), purged without leftovers: OK"
