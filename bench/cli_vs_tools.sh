#!/usr/bin/env bash
# Puts the prefix "x_" before every name of a folder of N fresh empty files, with zelvo-rename-cli,
# perl rename (file-rename) and mmv, beside a bare C loop of renameat2; medians of RUNS runs.
# Usage: bench/cli_vs_tools.sh [BUILD_DIR] [COUNTS...]   (default: build 10000 100000)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shift || true
counts=("$@")
[ ${#counts[@]} -gt 0 ] || counts=(10000 100000)
runs=${RUNS:-3}
cli="$build/src/cli/zelvo-rename-cli"
for tool in file-rename mmv cc; do
  command -v "$tool" >/dev/null || scripts/install-deps.sh rename mmv gcc
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cc -O2 -o "$work/bare" bench/bare_rename_loop.c

make_files() {  # folder count
  rm -rf "$1" && mkdir -p "$1"
  python3 -c "
import os, sys
d, n = sys.argv[1], int(sys.argv[2])
for i in range(n):
    os.close(os.open(os.path.join(d, 'file_%06d_holiday.jpg' % i), os.O_CREAT | os.O_WRONLY, 0o644))
" "$1" "$2"
}

time_ms() {  # command... ; prints elapsed milliseconds
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  echo $(( (end - start) / 1000000 ))
}

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

run_tool() {  # name folder
  case "$1" in
    bare) "$work/bare" "$2" ;;
    zelvo) "$cli" --rename --lines --set opInsertBefore=1 --set tInsertBefore=x_ "$2" ;;
    file-rename) (cd "$2" && find . -maxdepth 1 -type f -printf '%f\0' | file-rename -0 's/^/x_/') ;;
    mmv) (cd "$2" && mmv '*' 'x_#1') ;;
  esac
}

check() {  # folder count: every file renamed
  local renamed
  renamed=$(find "$1" -maxdepth 1 -name 'x_*' | wc -l)
  [ "$renamed" -eq "$2" ] || echo "  warning: only $renamed of $2 renamed" >&2
}

printf '%-40s %8s %12s %8s\n' "cli job: prefix every name" "files" "median ms" "ratio"
for n in "${counts[@]}"; do
  declare -A med=()
  for tool in bare zelvo file-rename mmv; do
    times=()
    for _ in $(seq "$runs"); do
      make_files "$work/d" "$n"
      sync
      times+=("$(time_ms run_tool "$tool" "$work/d")")
      check "$work/d" "$n"
    done
    med[$tool]=$(median "${times[@]}")
  done
  for tool in bare zelvo file-rename mmv; do
    printf '%-40s %8d %12d %8.2f\n' "$tool" "$n" "${med[$tool]}" \
      "$(awk -v a="${med[$tool]}" -v b="${med[bare]}" 'BEGIN {print (b > 0 ? a / b : 0)}')"
  done
  unset med
done
