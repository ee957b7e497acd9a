#!/usr/bin/env bash
# Runs the README's install, removal and package commands as written, from the top of
# the source tree, then starts the installed program and the unpacked package
# as a user does (scripts/start-check.sh). "~" is a home folder of its own, and
# the commands that need root (sudo ..., su -c ...) are left to the reader.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The indented command lines of a README section.
commands_of() {
  awk -v heading="## $1" '$0 == heading { on = 1; next } on && /^## / { exit } on && /^    / { sub(/^    /, ""); print }' README.md
}
run_section() {
  local lines
  mapfile -t lines < <(commands_of "$1" | grep -v -e '^sudo ' -e '^su -c ')
  [ ${#lines[@]} -gt 0 ] || { echo "README.md har ingen kommandoer under «$1»" >&2; exit 1; }
  for line in "${lines[@]}"; do
    echo "+ $line"
    HOME="$work/home" bash -euo pipefail -c "$line"
  done
}
# What an install puts below its prefix, the program's own catalogue of Qt's texts and every icon size included.
check_tree() {
  local missing=0
  for f in bin/KvistrelDommer bin/kvistreldommer share/applications/kvistreldommer.desktop \
           share/man/man1/kvistreldommer.1.gz share/metainfo/no.kvistreldommer.KvistrelDommer.metainfo.xml \
           share/kvistreldommer/translations/qt_nb.qm share/kvistreldommer/pictures/logo.svg \
           share/kvistreldommer/dommerrapport.rpt share/icons/hicolor/scalable/apps/kvistreldommer.svg \
           share/icons/hicolor/{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}/apps/kvistreldommer.png; do
    [ -f "$1/$f" ] || { echo "mangler $1/$f" >&2; missing=1; }
  done
  return $missing
}

mkdir -p "$work/home"
run_section Install
check_tree "$work/home/.local"
bash scripts/start-check.sh "$work/home/.local/bin/KvistrelDommer"
run_section "Removing the install"
# Only empty folders that other programs share may stay behind, none named after the program.
left=$(find "$work/home/.local" ! -type d -o -iname '*kvistreldommer*')
[ -z "$left" ] || { echo "igjen etter avinstallering:" >&2; echo "$left" >&2; exit 1; }

run_section "Debian package"
deb=$(ls build-release/kvistreldommer_*_amd64.deb)   # the version as the build names it
depends=$(dpkg-deb -f "$deb" Depends)
echo "$deb: Depends: $depends"
# Computed from the binary: the Qt and SQLite libraries it links.
for lib in libqt6widgets6 libqt6printsupport6 libqt6svg6 libsqlite3-0; do
  grep -q "$lib" <<<"$depends" || { echo "$deb: $lib mangler i Depends" >&2; exit 1; }
done
dpkg-deb -x "$deb" "$work/deb"
check_tree "$work/deb/usr"
# The lower-case command answers --version, without a display, with the package's version.
version=$(DISPLAY= "$work/deb/usr/bin/kvistreldommer" --version)
[ "$version" = "KvistrelDommer $(dpkg-deb -f "$deb" Version)" ] || { echo "$deb: --version sier «$version»" >&2; exit 1; }
bash scripts/start-check.sh "$work/deb/usr/bin/KvistrelDommer"
