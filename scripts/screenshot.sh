#!/usr/bin/env bash
# Pictures of the main window on each tab and with its variables menu open, in English, Spanish and
# German, and of the information box and the text list editor, for anyone without a display.
# Usage: scripts/screenshot.sh [OUTPUT_FOLDER]   (default: build/screenshots)
# Starts the program under a virtual X server on a prepared folder; it saves window-<language>-tab<n>.png,
# menu-<language>.png (language 0 English, 1 Spanish, 5 German; ZELVO_SCREENSHOT_LANGUAGES picks others,
# e.g. "0,8"), about.png, text-list.png, recovery-question.png, recovery-forget.png (the questions about
# a run cut short) and conflicts.png (a preview line the run would fail on, marked), and ends.
set -euo pipefail
cd "$(dirname "$0")/.."
out="$(realpath -m "${1:-build/screenshots}")"
scripts/install-deps.sh
[ -f build/build.ninja ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target zelvo-rename

folder="$(mktemp -d /tmp/zelvo-screenshot.XXXXXX)"
trap 'rm -rf "$folder"' EXIT
for name in "Holiday Photo 01.jpg" "holiday photo 02.JPG" "notes.txt" "Report Final.docx" \
            "song - artist.mp3" "README" ".hidden settings"; do
  printf 'sample\n' > "$folder/$name"
done
mkdir "$folder/Sub Folder"

mkdir -p "$out"
ZELVO_SCREENSHOT_DIR="$out" ZELVO_SCREENSHOT_LANGUAGES="${ZELVO_SCREENSHOT_LANGUAGES:-0,1,5}" \
  xvfb-run -a -s "-screen 0 1280x1024x24" build/src/ui/zelvo-rename "$folder"
echo "Screenshots in $out"
