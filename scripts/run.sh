#!/usr/bin/env bash
# Builds the program where needed and starts it. Arguments go to the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
# Once configured, the build itself sees to a changed CMakeLists.txt.
[ -f "$root/build/CMakeCache.txt" ] || cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build" -j "$(nproc)" --target KvistrelDommer
exec "$root/build/app/KvistrelDommer" "$@"
