#!/usr/bin/env bash
# Builds everything and runs the tests. Usage: scripts/test.sh [build-folder]
# With KD_SANITIZE=1 the build uses AddressSanitizer and UndefinedBehaviorSanitizer.
# The program is compiled as scripts/run.sh compiles it, so that the tests reuse
# what run.sh built in build/; with KD_WERROR=1 (as CI sets it) a warning stops the
# build, never in a user's own.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" --tests
build=${1:-$root/build}
sanitize=${KD_SANITIZE:-0}
[ "$sanitize" = 1 ] && sanflag=ON || sanflag=OFF
[ "${KD_WERROR:-0}" = 1 ] && werror=ON || werror=OFF
cmake -S "$root" -B "$build" -DKD_TESTS=ON -DKD_SANITIZE=$sanflag -DKD_WERROR=$werror -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
# A test that hangs fails by name instead of holding the run for the default 25 minutes.
ctest --test-dir "$build" --output-on-failure --timeout 900 -j "$(nproc)"
