#!/usr/bin/env bash
# The main job: installs what is missing, builds the run tree, then runs the
# monitor from it against the simulated mouse (fresh state) and shows what the
# monitor read from the mouse. Ctrl-C stops everything it started.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build
dist=$PWD/build/dist

work=$(mktemp -d -t zuro-main-XXXXXX)
mkdir -m 700 "$work/run"
# A private runtime folder: the mouse, the monitor and its section meet only here.
export XDG_RUNTIME_DIR=$work/run
export ZURO_HID_BACKEND=simulator
export ZURO_DEBUG=1
sim=""
monitor=""
option=""

stop_all() {
  trap - INT TERM EXIT
  echo
  echo "run-main: stopping"
  # The monitor closes the configuration application as it goes; it is ended
  # here only if it is still open after that.
  if [ -n "$monitor" ] && kill -0 "$monitor" 2>/dev/null; then
    kill -TERM "$monitor"; wait "$monitor" || true
  fi
  if [ -n "$option" ] && kill -0 "$option" 2>/dev/null; then
    kill -TERM "$option"; wait "$option" || true
  fi
  if [ -n "$sim" ] && kill -0 "$sim" 2>/dev/null; then
    kill -TERM "$sim"; wait "$sim" || true
  fi
  if [ -s "$work/reports.log" ]; then
    echo "run-main: last reports the mouse saw:"
    tail -n 3 "$work/reports.log" | cut -c1-60
  fi
  rm -rf "$work"
}
trap stop_all INT TERM EXIT

# In a session of its own: Ctrl-C reaches the monitor, which still tells the
# mouse that it goes, and the mouse is stopped after it.
setsid "$dist/mousesim" serve --state "$work/mouse.state" --log "$work/reports.log" >"$work/mousesim.out" 2>&1 &
sim=$!
for _ in $(seq 50); do
  grep -q serving "$work/mousesim.out" 2>/dev/null && break
  sleep 0.1
done
echo "run-main: simulated mouse plugged in (fresh state)"

# What the monitor saves comes from the mouse alone.
rm -f "$dist"/config/Default?.vmp
"$dist/ZuroTarnMonitor" 2>"$work/monitor.log" &
monitor=$!
for _ in $(seq 150); do
  grep -q "whole-device read" "$work/monitor.log" 2>/dev/null && break
  kill -0 "$monitor" 2>/dev/null || break
  sleep 0.1
done

echo "run-main: monitor says:"
sed 's/^/  /' "$work/monitor.log"
value() { grep -m1 "^$2=" "$1" | cut -d= -f2 | tr -d '\r'; }
config=$dist/config.ini
echo "run-main: config.ini: Device=$(value "$config" Device) FWVersion=$(value "$config" FWVersion) CurrentProfile=$(value "$config" CurrentProfile)"
for p in 0 1 2 3 4; do
  file=$dist/config/Default$p.vmp
  [ -f "$file" ] || { echo "run-main: profile $p not saved"; continue; }
  cpi=""
  for l in 0 1 2 3 4; do cpi="$cpi $(($(value "$file" CpiLevel_X$l) * 100))"; done
  echo "run-main: profile $p \"$(value "$file" ProFileName)\": CPI levels$cpi, level $(value "$file" Cpi_X), polling rate $(value "$file" PollingRate), light effect $(value "$file" LightEffectType)"
done
echo "run-main: $(grep -c . "$work/reports.log") feature reports exchanged; the monitor keeps running. Ctrl-C stops everything."

# With a display, the configuration application opens on the monitor's block:
# what Apply changes goes to the simulated mouse.
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  "$dist/ZuroNoxaOption" 2>"$work/option.log" &
  option=$!
  echo "run-main: configuration application opened (ZuroNoxaOption); close it with Cancel or OK"
else
  echo "run-main: no display: the configuration application is not opened"
fi
wait "$monitor" || true
