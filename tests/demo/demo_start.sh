#!/usr/bin/env bash
# Starts Quotadesk as a program of its own on a virtual display against the demo
# data, set up as scripts/demo sets it up, logs in as demo / demo1234 and waits
# for the main window.
#   demo_start.sh <build folder> [--own-network]
# --own-network: runs in a network of its own whose first adapter is down and
#   holds no address and whose second one is up with an address (needs root).
# QD_PROGRAM names another Quotadesk to start (an installed copy); XDG_DATA_HOME,
# when set, is kept (the caller inspects what the program wrote there).
# Ends with 77 (skipped) when the machine cannot give what the run needs.
set -euo pipefail
build=$(cd "$1" && pwd)
mode=${2:-}
source "$(dirname "$0")/../../scripts/common.sh"
source "$top/scripts/demo-setup.sh"
skipped=77

if [ "$mode" = --own-network ] && [ -z "${QD_OWN_NETWORK:-}" ]; then
  if [ "$(id -u)" -ne 0 ] || ! unshare -n true 2>/dev/null; then
    echo "SKIPPED: a network namespace of its own needs root"
    exit $skipped
  fi
  exec env QD_OWN_NETWORK=1 unshare -n "$0" "$@"
fi
if [ -n "${QD_OWN_NETWORK:-}" ]; then
  ip link set lo up
  if ! { ip link add qd-down0 type ifb && ip link add qd-up0 type bridge; } 2>/dev/null; then
    echo "SKIPPED: this kernel cannot make the adapters (ifb, bridge)"
    exit $skipped
  fi
  ip link set qd-up0 up
  ip addr add 192.0.2.10/24 dev qd-up0
  echo "adapters of this run:"
  ip -o link | awk '{print "  " $2, $3, $(NF-2)}'
fi

work=$(mktemp -d /tmp/quotadesk-demo-start.XXXXXX)
xvfb_pid= program_pid=
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  stop_server "$work/demo/server"
  rm -rf "$work"
}
trap cleanup EXIT

prepare_demo "$work/demo" "$(free_port)" "$build"
export XDG_CONFIG_HOME="$work/demo/config"
export XDG_DATA_HOME="${XDG_DATA_HOME:-$work/data}"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
echo "admitted workstation: $("$build/tools/WorkstationAddress/WorkstationAddress")"

Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 1 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

windows() { xdotool search --name . getwindowname %@ 2>/dev/null || true; }

# wait_for_window <pattern> <seconds>: prints the id of the first window whose name matches.
wait_for_window() {
  local id
  for _ in $(seq 1 $(($2 * 5))); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    kill -0 "$program_pid" 2>/dev/null || return 1
    sleep 0.2
  done
  return 1
}

fail() {
  echo "FAILED: $1"
  echo "windows on the display:"; windows | sed 's/^/  /'
  echo "the program's output:"; sed 's/^/  /' "$work/program.log"
  exit 1
}

program=${QD_PROGRAM:-$build/bin/Quotadesk}
"$program" >"$work/program.log" 2>&1 &
program_pid=$!

login=$(wait_for_window '^Frmlogin$' 60) || fail "the login dialog did not open"
xdotool windowfocus --sync "$login"
xdotool type --delay 30 demo1234
xdotool key Return
main=$(wait_for_window 'Ver\..*\[' 60) || fail "the main window did not open after logging in as demo"
echo "main window: $(xdotool getwindowname "$main")"
