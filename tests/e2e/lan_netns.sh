#!/bin/bash
# Runs the LAN end-to-end test: the window's namespace joined by a veth pair to the
# simulator's namespace, in one of three layouts:
#   basic       the link to the modules carries the default route
#   multihomed  a second link, to a router namespace, carries the default route, so a plain
#               broadcast would leave by it and never reach the modules
#   noroute     no default route at all, so a plain broadcast fails outright
# Usage: lan_netns.sh LAYOUT WINDOW_TEST [test function ...]
# Exits 77 (skipped) where namespaces cannot be made. Removes its namespaces on every exit.
set -u

layout=$1
window_test=$2
shift 2

skip() {
    echo "SKIP: $*"
    exit 77
}

[ "$(id -u)" -eq 0 ] || skip "making network namespaces needs root"
command -v ip >/dev/null || skip "the ip command (iproute2) is missing"

tag="sbc$$"
win="${tag}w"
sim="${tag}s"
gw="${tag}g"
child=""

# Ends the test program and whatever still runs in our namespaces (a simulator the test
# program left behind when it was killed), each by its PID, then removes the namespaces.
cleanup() {
    [ -n "$child" ] && kill "$child" 2>/dev/null
    for ns in "$win" "$sim" "$gw"; do
        pids=$(ip netns pids "$ns" 2>/dev/null)
        [ -n "$pids" ] && kill $pids 2>/dev/null
        ip netns del "$ns" 2>/dev/null
    done
}
trap cleanup EXIT
trap 'exit 1' INT TERM

ip netns add "$win" 2>/dev/null || skip "cannot make a network namespace here"
ip netns add "$sim" || exit 1

set -e
# Two namespaces joined by a veth pair: link NAME NS_A ADDR_A NS_B ADDR_B
link() {
    ip link add "$1a" type veth peer name "$1b"
    ip link set "$1a" netns "$2"
    ip link set "$1b" netns "$4"
    ip -n "$2" addr add "$3/24" dev "$1a"
    ip -n "$4" addr add "$5/24" dev "$1b"
    ip -n "$2" link set "$1a" up
    ip -n "$4" link set "$1b" up
}
ip -n "$win" link set lo up
ip -n "$sim" link set lo up
link "${tag}m" "$win" 10.77.0.1 "$sim" 10.77.0.2
# The simulator's answers leave by its default route in every layout: only the window's
# broadcasts are put to the test.
ip -n "$sim" route add default via 10.77.0.1
case "$layout" in
basic)
    ip -n "$win" route add default via 10.77.0.2
    ;;
multihomed)
    ip netns add "$gw"
    ip -n "$gw" link set lo up
    link "${tag}r" "$win" 10.78.0.1 "$gw" 10.78.0.2
    ip -n "$win" route add default via 10.78.0.2
    ;;
noroute) ;;
*)
    echo "unknown layout: $layout" >&2
    exit 2
    ;;
esac
set +e

SBCONFIG_SIM_NETNS="$sim" SBCONFIG_SIM_ADDRESS=10.77.0.2 SBCONFIG_WINDOW_ADDRESS=10.77.0.1 \
    ip netns exec "$win" "$window_test" "$@" &
child=$!
wait "$child"
status=$?
child=""
exit "$status"
