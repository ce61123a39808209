#!/bin/sh
# Installs the Debian packages lvforge builds and tests with. Safe to re-run:
# apt-get is only called when something is missing.
set -eu

PACKAGES="build-essential cmake ninja-build pkg-config libstb-dev zlib1g-dev libcjson-dev librsvg2-dev libimagequant-dev libimagequant0 libgtest-dev xxd hyperfine time python3 groff-base dpkg-dev file clang libclang-rt-14-dev clang-format libspng-dev libspng0 liblz4-dev libjpeg-turbo-progs"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

if [ -n "$missing" ]; then
    if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
    echo "setup: installing$missing"
    $SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -q
    # shellcheck disable=SC2086
    $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
fi
