#!/usr/bin/env bash
# Installs what is missing, builds the program, and starts it on an optional folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target zelvo-rename zelvo-rename-cli
exec build/src/ui/zelvo-rename "$@"
