#!/bin/sh
# Sets everything up on a fresh Debian machine, builds the tools in Release,
# runs them on the bundled examples under examples/, then installs them and
# builds examples/firmware, which runs them at build time.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)

./scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build/release

out="$root/build/examples-out"
rm -rf "$out"
mkdir -p "$out/images" "$out/config" "$out/anims"

echo "== pixmint: examples/images -> $out/images"
for img in "$root"/examples/images/*; do
    name=$(basename "$img")
    stem=${name%.*}
    (cd "$out/images" && "$root/build/release/pixmint/pixmint" -p "$img" -f true-color-alpha -n "$stem")
done

echo "== setwright: examples/config/conf.json -> $out/config"
cp "$root/examples/config/conf.json" "$out/config/conf.json"
(cd "$out/config" && "$root/build/release/setwright/setwright" -v 7.0.1)

echo "== animpack: examples/anims -> $out/anims"
for anim in "$root"/examples/anims/*; do
    (cd "$out/anims" && "$root/build/release/animpack/animpack" -p "$anim")
done

echo
echo "Outputs written to $out:"
find "$out" -type f ! -name conf.json | sort | sed "s|^$root/||"

# The same tools as a build would use them: installed, found with
# find_package, run by the build of examples/firmware.
echo
echo "== examples/firmware, built against an install in build/examples-prefix"
rm -rf "$root/build/examples-prefix" "$root/build/firmware"
cmake --install build/release --prefix "$root/build/examples-prefix"
cmake -S examples/firmware -B build/firmware -G Ninja -DCMAKE_PREFIX_PATH="$root/build/examples-prefix"
cmake --build build/firmware
./build/firmware/firmware
