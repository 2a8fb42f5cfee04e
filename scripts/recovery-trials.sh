#!/usr/bin/env bash
# Kills a command-line run of FILES files with SIGKILL at a random moment, then kills the recovery at a
# random moment and recovers again; counts the files not under their old names (with their bytes)
# afterwards, the leftovers (placeholders, temporary names) and the reports whose count of files put
# back is not the count of files that were not under their old names.
# scripts/recovery-trials.sh [TRIALS] [FILES] [CLI]   (CLI: a zelvo-rename-cli, by default the build's;
# RUN_SECONDS and RECOVERY_SECONDS bound the moments of the kills; TMPDIR=/dev/shm keeps the files in memory)
set -uo pipefail
cd "$(dirname "$0")/.."
trials=${1:-20}
files=${2:-20000}
cli=$(realpath "${3:-build/src/cli/zelvo-rename-cli}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The files f00000... hold their own names; in every ten, two swap their names, three rotate theirs
# and five get new ones.
make_files() {
  python3 - "$1" "$files" <<'PY'
import os, sys
folder, n = sys.argv[1], int(sys.argv[2])
lines = []
for i in range(n):
    with open(os.path.join(folder, "f%05d" % i), "w") as f:
        f.write("f%05d" % i)
    k, base = i % 10, i - i % 10
    if k < 2:
        j = base + 1 - k
    elif k < 5:
        j = base + 2 + (k - 1) % 3
    else:
        lines.append("x_f%05d" % i)
        continue
    lines.append("f%05d" % j if j < n else "x_f%05d" % i)
with open(os.path.join(folder, "..", "list.txt"), "w") as f:
    f.write("\n".join(lines) + "\n")
PY
}

# Files not under their old names with their bytes, and other names in the folder.
check() {
  python3 - "$1" "$files" <<'PY'
import os, sys
folder, n = sys.argv[1], int(sys.argv[2])
wrong = 0
for i in range(n):
    p = os.path.join(folder, "f%05d" % i)
    try:
        ok = open(p).read() == "f%05d" % i
    except OSError:
        ok = False
    wrong += 0 if ok else 1
extra = len(os.listdir(folder)) - (n - wrong)
print(wrong, extra)
PY
}

put_back() { # the count of files a recovery's report says were put back
  grep -oE '^[0-9]+ (files?|put back)' "$1" | head -1 | grep -oE '^[0-9]+' || echo 0
}

total_wrong=0; total_extra=0; cut_reports=0; misreports=0; false_success=0; killed_runs=0; killed_recoveries=0; moved=0
for ((t = 1; t <= trials; ++t)); do
  rm -rf "$work"/*
  mkdir -p "$work/files" "$work/state"
  make_files "$work/files"
  export XDG_STATE_HOME="$work/state"
  "$cli" --set opReplace=1 --set 'tChangeFilename=\T' --text-list "$work/list.txt" --rename "$work/files" \
    >/dev/null 2>&1 &
  pid=$!
  sleep "$(python3 -c "import random; print(random.uniform(0.05, ${RUN_SECONDS:-0.5}))")"
  if ! kill -9 "$pid" 2>/dev/null; then
    wait "$pid" 2>/dev/null
    echo "trial $t: the run ended before the kill; not counted"
    ((--t))
    continue
  fi
  killed_runs=$((killed_runs + 1))
  wait "$pid" 2>/dev/null
  read -r displaced _ < <(check "$work/files")
  if ! ls "$work/state"/*/run-*.journal >/dev/null 2>&1 && [ "$displaced" -eq "$files" ]; then
    echo "trial $t: the run had ended (every file renamed, its journal gone); not counted"
    ((--t))
    continue
  fi
  moved=$((moved + displaced))
  "$cli" --recover >"$work/first" 2>&1 &
  pid=$!
  sleep "$(python3 -c "import random; print(random.uniform(0, ${RECOVERY_SECONDS:-0.15}))")"
  kill -9 "$pid" 2>/dev/null && killed_recoveries=$((killed_recoveries + 1))
  wait "$pid" 2>/dev/null
  "$cli" --recover >"$work/second" 2>&1
  status=$?
  read -r wrong extra < <(check "$work/files")
  reported=$(put_back "$work/second")
  if grep -q "No interrupted run" "$work/second"; then
    if [ -s "$work/first" ]; then
      reported=$(put_back "$work/first")
    else
      reported=-1 # the first recovery ended its work and was killed before it printed its report
      cut_reports=$((cut_reports + 1))
    fi
  fi
  total_wrong=$((total_wrong + wrong)); total_extra=$((total_extra + extra))
  [ "$reported" -ge 0 ] && [ "$reported" -ne "$displaced" ] && misreports=$((misreports + 1))
  [ "$status" -eq 0 ] && [ "$wrong" -gt 0 ] && false_success=$((false_success + 1))
  echo "trial $t: $displaced files moved when killed; recovery reported $reported, exit $status; $wrong wrong, $extra other names"
done
echo "$trials trials of $files files: $killed_runs runs and $killed_recoveries recoveries killed; $moved files moved by the runs;" \
  "$total_wrong files not under their old names after recovery, $total_extra other names left," \
  "$misreports reports with a count other than the files moved ($cut_reports recoveries killed after their work," \
  "before their report), $false_success successes reported with files wrong"
