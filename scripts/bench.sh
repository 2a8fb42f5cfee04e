#!/usr/bin/env bash
# Builds and runs every benchmark of bench/ and prints their rows as one table, each row headed by
# the benchmark it comes from. Baselines are measured in the same run as what they are compared to.
# Usage: scripts/bench.sh [COUNTS...]   (counts for the command-line comparison; default 10000 100000)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh rename mmv gcc >/dev/null
scripts/build.sh >/dev/null
printf '%-10s | %s\n' "source" "row"
printf '%-10s-+-%s\n' "----------" "--------------------------------------------------------------------------"
for bench in build/bench/bench_*; do
  [ -f "$bench" ] && [ -x "$bench" ] || continue
  name=$(basename "$bench")
  "$bench" 2>&1 | sed "s/^/$(printf '%-10s | ' "${name#bench_}")/"
done
bench/cli_vs_tools.sh build "$@" 2>&1 | sed "s/^/$(printf '%-10s | ' cli)/"
