#!/usr/bin/env bash
# Starts the CUPS scheduler (there is no service manager in CI) and adds the raw
# test queue "KvistrelTest", whose backend saves every job into
# /var/tmp/kvistrel-cups. Needs root; the printing test skips without it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
queue=KvistrelTest
jobs=/var/tmp/kvistrel-cups

if [ "$(id -u)" -ne 0 ]; then
    echo "start-test-queue: not root, no test queue (the CUPS test will be skipped)" >&2
    exit 0
fi
# Backends without read and execute rights for others run as root.
install -m 0700 "$here/kvistreltest" /usr/lib/cups/backend/kvistreltest
mkdir -p "$jobs"
chmod 0777 "$jobs"

running() { lpstat -r 2>/dev/null | grep -qx "scheduler is running"; }
if ! running; then
    cupsd
    for _ in $(seq 100); do running && break; sleep 0.1; done
fi
running || { echo "start-test-queue: cupsd did not start" >&2; exit 1; }
lpadmin -p "$queue" -E -v "kvistreltest:$jobs" -m raw 2>&1 | grep -v -i deprecated || true
lpstat -v "$queue"
