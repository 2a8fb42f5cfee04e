#!/usr/bin/env bash
# Runs the random rename plans at full count, and the journal test on 20,000 files: scripts/property-test.sh [PLANS] [SEED]
# (the normal test run tries a few hundred). Needs a build in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build --target engine_tst_rename_property engine_tst_run_journal >/dev/null
ZELVO_PROPERTY_PLANS=${1:-10000} ZELVO_PROPERTY_SEED=${2:-0} build/tests/engine/engine_tst_rename_property
# A run of 20,000 files killed partway and put back from its journal.
ZELVO_JOURNAL_FILES=20000 build/tests/engine/engine_tst_run_journal
