#!/usr/bin/env bash
# Builds everything and runs the tests. Usage: scripts/test.sh [build-folder]
# With KD_SANITIZE=1 the build uses AddressSanitizer and UndefinedBehaviorSanitizer.
# A warning stops this build (KD_WERROR), never a user's own.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" --tests
build=${1:-$root/build}
sanitize=${KD_SANITIZE:-0}
[ "$sanitize" = 1 ] && sanflag=ON || sanflag=OFF
cmake -S "$root" -B "$build" -DKD_TESTS=ON -DKD_SANITIZE=$sanflag -DKD_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
