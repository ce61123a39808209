#!/bin/sh
# Sets everything up on a fresh Debian machine and runs the whole test suite:
# warnings as errors, AddressSanitizer + UndefinedBehaviorSanitizer.
set -eu
cd "$(dirname "$0")/.."

./scripts/setup.sh
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLVFORGE_STRICT=ON -DLVFORGE_TESTS=ON
cmake --build build/test
ctest --test-dir build/test --output-on-failure -j "$(nproc)"
