#!/usr/bin/env bash
# Installs what building and testing veskor3 needs on Debian 12, once.
set -euo pipefail

packages=(
    cmake make g++ googletest libgtest-dev libbenchmark-dev clang libclang-rt-dev
    g++-mingw-w64-x86-64-posix
    wine wine64 locales
    xvfb xdotool x11-utils imagemagick fonts-ipafont-gothic fonts-ipafont-mincho python3
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi
echo "setup: installing ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q "${missing[@]}" </dev/null
