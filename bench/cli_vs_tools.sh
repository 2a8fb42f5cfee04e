#!/usr/bin/env bash
# Renames every file of a folder of N fresh empty files with zelvo-rename-cli, perl rename
# (file-rename) and mmv, beside a bare C loop of renameat2, on a memory file system (tmpfs) and on the
# disk. Two plans: "x_" put before every name, and a chain plan (10,000 files: 50 chains of 200, each file
# taking the name of the next one of its chain, the last one a free name; perl rename takes no part,
# since it renames in the order given and refuses a name still held). Every tool runs once a round on
# fresh files, RUNS rounds, in a turning order. Reported: wall time and processor time (user + system
# of the tool and its children), median with the spread, and the ratio of the medians to the bare
# loop's. zelvo-rename-cli keeps its run journal in a state folder of its own on the disk, as a user's
# would be. Needs mmv and perl rename (Debian: apt-get install -y mmv rename); a missing one is
# installed on first use.
# Usage: bench/cli_vs_tools.sh [BUILD_DIR] [COUNTS...]   (default: build 10000 100000)
# Folders: TMPFS (default /dev/shm) and DISK (default the build folder); PLANS="prefix chain".
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shift || true
counts=("$@")
[ ${#counts[@]} -gt 0 ] || counts=(10000 100000)
runs=${RUNS:-5}
plans=(${PLANS:-prefix chain})
cli="$(pwd)/$build/src/cli/zelvo-rename-cli"
for tool in file-rename mmv cc; do
  command -v "$tool" >/dev/null || scripts/install-deps.sh rename mmv gcc
done
disk_base=$(cd "${DISK:-$build}" && pwd)
tmpfs_base=${TMPFS:-/dev/shm}
work=$(mktemp -d "$disk_base/cli_vs_tools-XXXXXX")
shm=$(mktemp -d "$tmpfs_base/cli_vs_tools-XXXXXX")
trap 'rm -rf "$work" "$shm"' EXIT
mkdir -p "$work/state"
cc -O2 -o "$work/bare" bench/bare_rename_loop.c
cat > "$work/make.py" <<'PY'
import os, shutil, sys
d, n, plan = sys.argv[1], int(sys.argv[2]), sys.argv[3]
shutil.rmtree(d, ignore_errors=True)
os.makedirs(d)
if plan == 'prefix':
    names = ['file_%06d_holiday.jpg' % i for i in range(n)]
else:  # 50 chains: "cNN_" then 0 to n/50-1 zeros; one zero more is the next name of the chain
    names = ['c%02d_%s' % (c, '0' * k) for c in range(50) for k in range(n // 50)]
for name in names:
    os.close(os.open(os.path.join(d, name), os.O_CREAT | os.O_WRONLY, 0o644))
PY

command_of() {  # tool folder plan
  local z="XDG_STATE_HOME='$work/state' '$cli' --rename --lines"
  case "$1:$3" in
    bare:*) echo "'$work/bare' '$2'" ;;
    zelvo:prefix) echo "$z --set opInsertBefore=1 --set tInsertBefore=x_ '$2' >/dev/null" ;;
    zelvo:chain) echo "$z --set opInsertAfter=1 --set tInsertAfter=0 '$2' >/dev/null" ;;
    file-rename:prefix) echo "cd '$2' && find . -maxdepth 1 -type f -printf '%f\\0' | file-rename -0 's/^/x_/'" ;;
    mmv:prefix) echo "cd '$2' && mmv '*' 'x_#1'" ;;
    mmv:chain) echo "cd '$2' && mmv '*_*' '#1_0#2'" ;;
  esac
}

# Rounds: in each, every tool runs once on fresh files, in an order that turns from round to round,
# so that a drift of the machine (the file system's journal, caches, other load) touches all of them
# alike. Each command runs through sh, whose own start (timed apart) is taken off, as hyperfine does.
# The bare loop of the chain plan puts "x_" before the same names: the same renames, without chains.
cat > "$work/time.py" <<'PY'
import json, os, resource, statistics, subprocess, sys, time
make, folder, n, runs, plan, where = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4]), sys.argv[5], sys.argv[6]
commands = json.loads(sys.argv[7])
names = list(commands)
def timed(command):
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    subprocess.run(["sh", "-c", command], check=True)
    wall = time.perf_counter() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    return wall, (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
shell = [timed("true") for _ in range(20)]
shell_wall = statistics.median(w for w, c in shell)
shell_cpu = statistics.median(c for w, c in shell)
wall = {name: [] for name in names}
cpu = {name: [] for name in names}
for r in range(runs):
    for k in range(len(names)):
        name = names[(k + r) % len(names)]
        subprocess.run(["python3", make, folder, str(n), plan], check=True)
        subprocess.run(["sync"], check=True)
        w, c = timed(commands[name])
        wall[name].append(max(w - shell_wall, 0))
        cpu[name].append(max(c - shell_cpu, 0))
def med(v):
    return statistics.median(v)
for name in names:
    w, c = wall[name], cpu[name]
    print("%-7s %-6s %-12s %7d %9.0f %6.2f %13s %9.0f %6.2f %13s" % (
        where, plan, name, n, med(w) * 1000, med(w) / med(wall["bare"]),
        "%.0f-%.0f" % (min(w) * 1000, max(w) * 1000), med(c) * 1000, med(c) / max(med(cpu["bare"]), 1e-9),
        "%.0f-%.0f" % (min(c) * 1000, max(c) * 1000)))
PY

json_of() { python3 -c 'import json,sys; print(json.dumps(sys.argv[1]))' "$1"; }
for where in tmpfs disk; do
  base=$shm
  [ "$where" = disk ] && base=$work
  echo "# $where: $base ($(stat -f -c %T "$base")); load: $(cut -d' ' -f1-3 /proc/loadavg)"
done
printf '%-7s %-6s %-12s %7s %9s %6s %13s %9s %6s %13s\n' "fs" "plan" "tool" "files" "wall ms" "ratio" \
  "min-max" "cpu ms" "ratio" "min-max"
for plan in "${plans[@]}"; do
  for where in tmpfs disk; do
    base=$shm
    [ "$where" = disk ] && base=$work
    ns=("${counts[@]}")
    [ "$plan" = chain ] && ns=(10000) # names of up to 204 bytes
    for n in "${ns[@]}"; do
      json="{"
      for tool in bare zelvo file-rename mmv; do
        command=$(command_of "$tool" "$base/d" "$plan")
        [ -n "$command" ] || continue
        json+="$(json_of "$tool"): $(json_of "$command"),"
      done
      json="${json%,}}"
      python3 "$work/time.py" "$work/make.py" "$base/d" "$n" "$runs" "$plan" "$where" "$json"
    done
  done
done
echo "# load after: $(cut -d' ' -f1-3 /proc/loadavg)"
