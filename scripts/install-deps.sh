#!/usr/bin/env bash
# Installs the Debian packages that building and running the program needs
# (packages.txt) and, with --tests, those the tests add (test-packages.txt).
# As root it installs what is missing; otherwise it prints the line to run as
# root. With --check it only tells what is missing and fails when anything is.
# Usage: scripts/install-deps.sh [--tests] [--check]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
lists=("$here/packages.txt")
check=0
for arg in "$@"; do
  case $arg in
    --tests) lists+=("$here/test-packages.txt") ;;
    --check) check=1 ;;
    *) echo "install-deps.sh: ukjent valg «$arg»" >&2; exit 2 ;;
  esac
done
mapfile -t wanted < <(sed -e 's/#.*//' -e 's/[[:space:]]//g' -e '/^$/d' "${lists[@]}")

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
# The same line for root as printed for others: what the lists name, without Recommends.
install="apt-get install -y --no-install-recommends ${missing[*]}"
if [ "$check" = 1 ]; then
  echo "Mangler pakker: ${missing[*]}" >&2
  exit 1
fi
if [ "$(id -u)" -ne 0 ]; then
  # A Debian installed with a root password has no sudo: su does the same there.
  echo "Mangler pakker. Installer dem som root, med sudo:" >&2
  echo "  sudo apt-get update && sudo $install" >&2
  echo "eller med su (root-passordet):" >&2
  echo "  su -c 'apt-get update && $install'" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
$install
mapfile -t missing < <(missing_packages)
if [ ${#missing[@]} -ne 0 ]; then
  echo "Pakkelistene nevner pakker som ikke finnes under det navnet: ${missing[*]}" >&2
  exit 1
fi
