#!/usr/bin/env bash
# Installs the build into a temporary folder and checks what a desktop reads there:
# the desktop entry, the AppStream metainfo, the icon, the man pages and the bash completion; and that the
# installed command-line renamer loads the media module from its installed place.
# Usage: check_installed_files.sh BUILD_DIR
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
usr=$root/usr
fail() { echo "FAIL: $*" >&2; exit 1; }

for file in bin/zelvo-rename bin/zelvo-rename-cli share/applications/com.zelvosoft.ZelvoRename.desktop \
  share/metainfo/com.zelvosoft.ZelvoRename.metainfo.xml share/icons/hicolor/scalable/apps/zelvo-rename.svg \
  share/man/man1/zelvo-rename.1 share/man/man1/zelvo-rename-cli.1 \
  share/bash-completion/completions/zelvo-rename-cli; do
  [ -e "$usr/$file" ] || fail "not installed: $file"
done
[ -x "$usr/bin/zelvo-rename-cli" ] || fail "zelvo-rename-cli is not executable"

# The media module: one file in the program's library folder. The renamer itself links none of the
# libraries the module carries, and reads a photo's date taken through the installed module (a program
# outside the build tree never falls back on the build's module).
modules=$(cd "$usr" && find . -name zelvo-rename-media.so)
[ "$(wc -l <<<"$modules")" = 1 ] && [[ $modules == ./lib*/zelvo-rename/zelvo-rename-media.so ]] ||
  fail "the media module is not installed once in lib/zelvo-rename: ${modules:-none}"
needed=$(readelf -d "$usr/bin/zelvo-rename-cli" | grep NEEDED)
! grep -Ei 'Qt6Gui|exiv2|libtag' <<<"$needed" || fail "zelvo-rename-cli links the media libraries itself"
photos=$root/photos
mkdir "$photos"
# A JPEG of 32x24 pixels whose Exif says it was taken on 2021:07:14 09:30:05, without picture data: the
# Exif segment (its TIFF header, the first directory pointing to the Exif directory, the date), the frame
# header, the end.
jpeg='ffd8 ffe1 0048 457869660000
      49492a00 08000000
      0100 6987 0400 01000000 1a000000 00000000
      0100 0390 0200 14000000 2c000000 00000000
      323032313a30373a31342030393a33303a303500
      ffc0 0011 08 0018 0020 03 012200 021101 031101
      ffd9'
printf "$(tr -d ' \n' <<<"$jpeg" | sed 's/../\\x&/g')" >"$photos/IMG_0001.jpg"
names=$("$usr/bin/zelvo-rename-cli" --set opReplace=1 --set 'tChangeFilename=\PY-\PM-\PD \W' \
  --lines "$photos" 2>"$root/stderr") || fail "zelvo-rename-cli on a photo: $(cat "$root/stderr")"
[ "$names" = "2021-07-14 32x24.jpg" ] || fail "the installed renamer read no date taken: '$names'"
[ ! -s "$root/stderr" ] || fail "zelvo-rename-cli on a photo wrote: $(cat "$root/stderr")"

desktop-file-validate "$usr/share/applications/com.zelvosoft.ZelvoRename.desktop" ||
  fail "desktop-file-validate"
grep -q '^Categories=.*Utility;' "$usr/share/applications/com.zelvosoft.ZelvoRename.desktop" ||
  fail "not in the Utility category"
# File managers offer it under "Open With" for folders; it speaks the program's nine languages.
grep -q '^MimeType=.*inode/directory;' "$usr/share/applications/com.zelvosoft.ZelvoRename.desktop" ||
  fail "not offered for folders"
for key in Name GenericName Comment Keywords; do
  for lang in ca de es fr it nl pl pt; do
    grep -q "^$key\[$lang\]=" "$usr/share/applications/com.zelvosoft.ZelvoRename.desktop" ||
      fail "no $key[$lang] in the desktop entry"
  done
done
appstreamcli validate --no-net "$usr/share/metainfo/com.zelvosoft.ZelvoRename.metainfo.xml" ||
  fail "appstreamcli validate"
grep -q '<svg' "$usr/share/icons/hicolor/scalable/apps/zelvo-rename.svg" || fail "the icon is no SVG"

for page in zelvo-rename zelvo-rename-cli; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$usr/share/man/man1/$page.1" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man page $page.1: $warnings"
done
# Every option of --help has its place in the man page.
for option in $("$usr/bin/zelvo-rename-cli" --help | grep -o -- '--[a-z-]*' | sort -u); do
  grep -q -- "${option//-/\\\\-}" "$usr/share/man/man1/zelvo-rename-cli.1" || fail "man page lacks $option"
done

# The completion offers the options and the --set field names (grep reads to the end: with pipefail, an
# early exit of grep -q would fail the pipe whenever the writer is still writing).
completion=$usr/share/bash-completion/completions/zelvo-rename-cli
complete_words() {
  PATH=$usr/bin:$PATH bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _zelvo_rename_cli
           printf "%s\n" "${COMPREPLY[@]}"' _ "$completion" "$@"
}
[ "$(complete_words zelvo-rename-cli --re)" = $'--recover\n--recursive\n--rename\n--rename-script' ] ||
  fail "completion of --re"
complete_words zelvo-rename-cli --set tInsertB | grep -x 'tInsertBefore=' >/dev/null || fail "completion of --set"
complete_words zelvo-rename-cli --set rg | grep -x 'rgTypeNumber=' >/dev/null || fail "completion of rgTypeNumber"
echo "installed files: all checks passed"
