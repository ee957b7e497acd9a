#!/usr/bin/env bash
# Removes an install made by "cmake --install": the files the build folder's
# install_manifest.txt lists, then the program's own folders (share/kvistreldommer,
# share/doc/kvistreldommer) as far as that left them empty. Folders other programs
# share (bin, the icon theme, the manual) stay, and so does anything not installed.
# Usage: scripts/uninstall.sh [build-folder]   (default: build-release)
set -euo pipefail
manifest=${1:-build-release}/install_manifest.txt
[ -f "$manifest" ] || { echo "uninstall.sh: finner ikke $manifest (installert fra en annen byggemappe?)" >&2; exit 1; }
xargs -d '\n' -r rm -f -- < "$manifest"
sed -n 's|^\(.*/share/\(doc/\)\{0,1\}kvistreldommer\)/.*|\1|p' "$manifest" | sort -u |
  while IFS= read -r folder; do
    [ ! -d "$folder" ] || find "$folder" -depth -type d -empty -delete
  done
