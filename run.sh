#!/usr/bin/env bash
# Builds the editor for Windows and starts it: under Wine on Linux (in a virtual
# display when there is none).
set -euo pipefail
cd "$(dirname "$0")"

tools/install-deps
cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/win -j2 --target editor_exe
exec tools/wine-run "build/win/Tallowmere v46_4.exe" "$@"
