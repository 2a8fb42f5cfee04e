#!/usr/bin/env bash
# Puts the prefix "x_" before every name of a folder of N fresh empty files, with zelvo-rename-cli,
# perl rename (file-rename) and mmv, beside a bare C loop of renameat2; RUNS runs each, fresh files
# before every run. Needs mmv and perl rename (Debian: apt-get install -y mmv rename); a missing one is
# installed on first use.
# Usage: bench/cli_vs_tools.sh [BUILD_DIR] [COUNTS...]   (default: build 10000 100000)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shift || true
counts=("$@")
[ ${#counts[@]} -gt 0 ] || counts=(10000 100000)
runs=${RUNS:-5}
cli="$(pwd)/$build/src/cli/zelvo-rename-cli"
for tool in file-rename mmv cc; do
  command -v "$tool" >/dev/null || scripts/install-deps.sh rename mmv gcc
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

# Rounds: in each, every tool runs once on fresh files, in an order that turns from round to round,
# so that a drift of the machine (the file system's journal, caches, other load) touches all of them
# alike. Each command runs through sh, whose own start (timed apart) is taken off, as hyperfine does.
cat > "$work/time.py" <<'PY'
import json, statistics, subprocess, sys, time
make, folder, n, runs = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
commands = json.loads(sys.argv[5])
names = list(commands)
def timed(command):
    start = time.perf_counter()
    subprocess.run(["sh", "-c", command], check=True)
    return time.perf_counter() - start
shell = statistics.median(timed("true") for _ in range(20))
times = {name: [] for name in names}
for r in range(runs):
    for k in range(len(names)):
        name = names[(k + r) % len(names)]
        subprocess.run(["python3", make, folder, str(n)], check=True)
        subprocess.run(["sync"], check=True)
        times[name].append(max(timed(commands[name]) - shell, 0))
median = {name: statistics.median(t) for name, t in times.items()}
for name in names:
    t = times[name]
    print("%-14s %8d %11.0f %8.2f %9.0f-%-9.0f" % (name, n, median[name] * 1000, median[name] / median["bare"],
          min(t) * 1000, max(t) * 1000))
PY

printf '%-14s %8s %11s %8s %19s\n' "tool" "files" "median ms" "ratio" "min-max ms"
for n in "${counts[@]}"; do
  json="{"
  for tool in "${tools[@]}"; do
    command=$(command_of "$tool" "$work/d")
    json+="$(python3 -c 'import json,sys; print(json.dumps(sys.argv[1]))' "$tool"): $(python3 -c 'import json,sys; print(json.dumps(sys.argv[1]))' "$command"),"
  done
  json="${json%,}}"
  python3 "$work/time.py" "$work/make.py" "$work/d" "$n" "$runs" "$json"
done
