#!/usr/bin/env bash
# Reads the programs' windows over the accessibility bus (AT-SPI), as a screen reader does, and fails when an
# input, list or result box has no name. Needs xvfb, dbus, at-spi2-core and python3-pyatspi.
#   bash scripts/check-accessibility.sh [build/bin]
set -euo pipefail
bin=${1:-build/bin}
here=$(cd "$(dirname "$0")" && pwd)

check() {
    local program=$1
    shift
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb KOVALIN_EXCHANGE_DIR=$(mktemp -d) \
        "$bin/$program" &
    local pid=$!
    local status=0
    echo "-- $program"
    /usr/bin/python3 "$here/accessible_names.py" "$pid" "$@" || status=$?
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    return $status
}

if [[ ${KOVALIN_IN_SESSION:-} != 1 ]]; then
    # A private X server and session bus with its own accessibility bus.
    exec xvfb-run -a dbus-run-session -- env KOVALIN_IN_SESSION=1 bash "$0" "$bin"
fi
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
trap 'kill $launcher 2>/dev/null || true' EXIT
sleep 1
failed=0
check VT_Kovalin --open-main || failed=1
check VT_Dunmora || failed=1
check VT_Hovanta || failed=1
exit $failed
