#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on an optional folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
exec build/src/ui/zelvo-rename "$@"
