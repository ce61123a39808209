#!/bin/sh
# Fails when a C++ source of the project breaks .clang-format; prints the
# offending lines. Generated and third-party-like inputs (golden outputs, fuzz
# corpora) are not sources and are left alone.
set -eu
cd "$(dirname "$0")/.."
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    files=$(git ls-files '*.cpp' '*.h')
else
    files=$(find . -name '*.cpp' -o -name '*.h' | sed 's|^\./||' | grep -v '^build')
fi
files=$(printf '%s\n' $files | grep -v -e '^fuzz/corpus/' -e '^fuzz/regressions/' -e '^tests/golden/.*/\(in\|out\)/' || true)
# shellcheck disable=SC2086
clang-format --dry-run --Werror $files
