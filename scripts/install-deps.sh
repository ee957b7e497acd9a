#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need (packages.txt). As
# root it installs what is missing; otherwise it prints the apt-get line to run.
# With --check it only tells what is missing and fails when anything is.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
mapfile -t wanted < <(sed -e 's/#.*//' -e 's/[[:space:]]//g' -e '/^$/d' "$here/packages.txt")

# What dpkg reports installed under the very name asked for: a virtual name, or
# one only provided by another package, never is, and so counts as missing.
missing_packages() {
  local installed
  installed=$(dpkg-query -W -f='${db:Status-Status} ${Package}\n' "${wanted[@]}" 2>/dev/null |
              awk '$1 == "installed" { print $2 }' || true)
  for p in "${wanted[@]}"; do
    grep -qxF -- "$p" <<<"$installed" || echo "$p"
  done
}

mapfile -t missing < <(missing_packages)
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "${1:-}" = --check ]; then
  echo "Mangler pakker: ${missing[*]}" >&2
  exit 1
fi
if [ "$(id -u)" -ne 0 ]; then
  echo "Mangler pakker. Kjør som root:" >&2
  echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}"
mapfile -t missing < <(missing_packages)
if [ ${#missing[@]} -ne 0 ]; then
  echo "packages.txt nevner pakker som ikke finnes under det navnet: ${missing[*]}" >&2
  exit 1
fi
