#!/bin/sh
# Installs the Debian packages vk needs to build, run and test; does nothing when all are present.
set -eu

PACKAGES="make cmake g++ googletest libgtest-dev libbenchmark-dev \
g++-mingw-w64-x86-64 wine64 xvfb xdotool x11-utils fonts-wine \
fonts-ipafont-gothic fonts-roboto-unhinted imagemagick clang libclang-rt-14-dev valgrind zip time util-linux"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

if [ -z "$missing" ]; then
    exit 0
fi

echo "setup: installing$missing"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
# shellcheck disable=SC2086
$SUDO apt-get install -y -q --no-install-recommends $missing
