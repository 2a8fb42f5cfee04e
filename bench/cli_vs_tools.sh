#!/usr/bin/env bash
# Puts the prefix "x_" before every name of a folder of N fresh empty files, with zelvo-rename-cli,
# perl rename (file-rename) and mmv, beside a bare C loop of renameat2; RUNS runs each, fresh files
# before every run, timed by hyperfine. Needs hyperfine, mmv and perl rename (Debian: apt-get install -y
# hyperfine mmv rename); a missing one is installed on first use.
# Usage: bench/cli_vs_tools.sh [BUILD_DIR] [COUNTS...]   (default: build 10000 100000)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shift || true
counts=("$@")
[ ${#counts[@]} -gt 0 ] || counts=(10000 100000)
runs=${RUNS:-5}
cli="$(pwd)/$build/src/cli/zelvo-rename-cli"
for tool in file-rename mmv cc hyperfine; do
  command -v "$tool" >/dev/null || scripts/install-deps.sh rename mmv gcc hyperfine
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cc -O2 -o "$work/bare" bench/bare_rename_loop.c
cat > "$work/make.py" <<'PY'
import os, shutil, sys
d, n = sys.argv[1], int(sys.argv[2])
shutil.rmtree(d, ignore_errors=True)
os.makedirs(d)
for i in range(n):
    os.close(os.open(os.path.join(d, 'file_%06d_holiday.jpg' % i), os.O_CREAT | os.O_WRONLY, 0o644))
PY

tools=(bare zelvo file-rename mmv)
command_of() {  # tool folder
  case "$1" in
    bare) echo "'$work/bare' '$2'" ;;
    zelvo) echo "'$cli' --rename --lines --set opInsertBefore=1 --set tInsertBefore=x_ '$2' >/dev/null" ;;
    file-rename) echo "cd '$2' && find . -maxdepth 1 -type f -printf '%f\\0' | file-rename -0 's/^/x_/'" ;;
    mmv) echo "cd '$2' && mmv '*' 'x_#1'" ;;
  esac
}

printf '%-14s %8s %11s %8s %19s\n' "tool" "files" "median ms" "ratio" "min-max ms"
for n in "${counts[@]}"; do
  args=()
  for tool in "${tools[@]}"; do
    args+=(-n "$tool" "$(command_of "$tool" "$work/d")")
  done
  hyperfine --runs "$runs" --style none --export-json "$work/times.json" \
    --prepare "python3 '$work/make.py' '$work/d' $n && sync" "${args[@]}" >/dev/null
  python3 - "$work/times.json" "$n" <<'PY'
import json, statistics, sys
results = json.load(open(sys.argv[1]))["results"]
n = int(sys.argv[2])
median = {r["command"]: statistics.median(r["times"]) for r in results}
for r in results:
    t = r["times"]
    print("%-14s %8d %11.0f %8.2f %9.0f-%-9.0f" % (r["command"], n, median[r["command"]] * 1000,
          median[r["command"]] / median["bare"], min(t) * 1000, max(t) * 1000))
PY
done
