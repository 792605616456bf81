#!/usr/bin/env bash
# Installs the Debian packages the project needs, touching apt only when something is missing.
#   install-deps.sh desktop   the office with its window (to run the programs)
#   install-deps.sh test      either office package will do (to build and run the tests)
#   install-deps.sh soak      the desktop office with a private display to drive it (bench/soak.sh)
set -euo pipefail
mode=${1:-test}

# fonts-liberation: Arial's metric twin, so the templates' column widths come out as designed.
need=(cmake g++ qt6-base-dev libqt6sql6-sqlite libreoffice-dev googletest libgtest-dev libgmock-dev
      fonts-liberation)

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

case "$mode" in
  desktop) need+=(libreoffice-calc libreoffice-gtk3) ;;
  soak) need+=(libreoffice-calc libreoffice-gtk3 xvfb openbox xdotool imagemagick) ;;
  test)
    if ! installed libreoffice-calc && ! installed libreoffice-calc-nogui; then
      need+=(libreoffice-calc-nogui)
    fi ;;
  *) echo "uso: $0 desktop|test|soak" >&2; exit 2 ;;
esac

missing=()
for p in "${need[@]}"; do installed "$p" || missing+=("$p"); done
if [ ${#missing[@]} -eq 0 ]; then exit 0; fi

sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
