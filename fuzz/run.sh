#!/bin/bash
# Builds the reader fuzz targets with clang and runs each for the given number of seconds.
# Usage: fuzz/run.sh SECONDS [JOBS]   (JOBS targets run side by side, default 1)
# Builds in build-fuzz/, seeds in fuzz/corpus/<target>/, crashes in fuzz/out/<target>/.
# Inputs go up to 12000 bytes so that the 8192-byte JPEG scan is covered.
set -euo pipefail

seconds=${1:?usage: fuzz/run.sh SECONDS [JOBS]}
jobs=${2:-1}
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build=$root/build-fuzz
targets=(fuzz_image_headers fuzz_tiff_walk fuzz_audio_tags fuzz_page_titles fuzz_metadata)
# Only these targets when given: FUZZ_TARGETS="fuzz_metadata" fuzz/run.sh 300
if [ -n "${FUZZ_TARGETS:-}" ]; then read -r -a targets <<<"$FUZZ_TARGETS"; fi

if ! command -v clang++ >/dev/null || ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a \
    >/dev/null 2>&1; then
  apt-get install -y clang libclang-rt-14-dev
fi

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2

# Seeds: a small valid file of every format, written byte by byte.
seed() { # seed TARGET NAME PRINTF-FORMAT
  mkdir -p "$here/corpus/$1"
  printf "$3" >"$here/corpus/$1/$2"
}
zeros() { printf '\\x00%.0s' $(seq 1 "$1"); }
seed fuzz_image_headers bmp "BM$(zeros 16)\x80\x02\x00\x00\xe0\x01\x00\x00\x01\x00\x18\x00"
seed fuzz_image_headers gif 'GIF89a\x40\x01\xc8\x00\xf7\x00\x00'
seed fuzz_image_headers psd "8BPS\x00\x01$(zeros 6)\x00\x03\x00\x00\x02\x58\x00\x00\x03\x20\x00\x08\x00\x03"
seed fuzz_image_headers pcx "\x0a\x05\x01\x08$(zeros 4)\x7f\x02\xdf\x01$(zeros 54)\x03"
seed fuzz_image_headers ilbm 'FORM\x00\x00\x03\xe8ILBMBMHD\x00\x00\x00\x14\x01\x40\x01\x00\x00\x00\x00\x00\x05\x00'
seed fuzz_image_headers png '\x89PNG\r\n\x1a\n\x00\x00\x00\x0dIHDR\x00\x00\x01\x00\x00\x00\x00\xc0\x08\x06\x00\x00\x00'
seed fuzz_image_headers jpeg "\xff\xd8\xff\xe0\x00\x10JFIF\x00$(zeros 9)\xff\xc0\x00\x11\x08\x01\xe0\x02\x80\x03$(zeros 12)\xff\xd9"
seed fuzz_tiff_walk le 'II*\x00\x08\x00\x00\x00\x03\x00\x00\x01\x03\x00\x01\x00\x00\x00\x80\x02\x00\x00\x01\x01\x03\x00\x01\x00\x00\x00\xe0\x01\x00\x00\x02\x01\x03\x00\x03\x00\x00\x00\x2e\x00\x00\x00\x00\x00\x00\x00\x08\x00\x08\x00\x08\x00'
seed fuzz_tiff_walk be 'MM\x00*\x00\x00\x00\x08\x00\x02\x01\x00\x00\x04\x00\x00\x00\x01\x00\x01\x11\x70\x01\x01\x00\x03\x00\x00\x00\x01\x01\xf4\x00\x00'
seed fuzz_audio_tags mp3 "\xff\xfb\x90\x00TAGSong$(zeros 26)Artist$(zeros 24)Album$(zeros 25)1999Comment$(zeros 23)\x11"
seed fuzz_audio_tags rm '.RMF\x00\x00\x00\x12CONT\x00\x00\x00\x20\x00\x00\x00\x05Title\x00\x02Me\x00\x04(c)!\x00\x00'
seed fuzz_audio_tags ra '.ra\xfd\x00\x04dnet\x00\x00\x00\x04Song\x04Band\x01c'
seed fuzz_page_titles html '<html><head><TITLE>A page</title></head><body>text</body></html>'
seed fuzz_page_titles z64 "\x80\x37\x12\x40$(zeros 28)GAME TITLE          \x00\x00"
"$build/metadata_seeds" "$here/corpus/fuzz_metadata"
seed fuzz_page_titles v64 "\x37\x80\x40\x12$(zeros 28)AGEMT TIELT         \x00\x00"

# Qt's image plugins report damaged pictures on stderr; the fuzz logs keep only findings.
export QT_LOGGING_RULES="qt.gui.imageio*=false"
status=0
run_one() {
  local target=$1 log=$build/$1.log
  mkdir -p "$here/out/$target" "$build/corpus-$target"
  if "$build/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 -max_len=12000 -print_final_stats=1 \
      -artifact_prefix="$here/out/$target/" "$build/corpus-$target" "$here/corpus/$target" >"$log" 2>&1; then
    result=clean
  else
    result=FAILED
  fi
  local runs
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
  printf '%-20s %8s runs in %ss: %s (log %s)\n' "$target" "$runs" "$seconds" "$result" "$log"
  [ "$result" = clean ]
}

pids=()
for target in "${targets[@]}"; do
  run_one "$target" &
  pids+=($!)
  if [ "${#pids[@]}" -ge "$jobs" ]; then
    wait "${pids[0]}" || status=1
    pids=("${pids[@]:1}")
  fi
done
for pid in "${pids[@]}"; do
  wait "$pid" || status=1
done
exit $status
