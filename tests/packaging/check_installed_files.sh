#!/usr/bin/env bash
# Installs the build into a temporary folder and checks what a desktop reads there:
# the desktop entry, the AppStream metainfo, the icon, the man pages and the bash completion.
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

desktop-file-validate "$usr/share/applications/com.zelvosoft.ZelvoRename.desktop" ||
  fail "desktop-file-validate"
grep -q '^Categories=.*Utility;' "$usr/share/applications/com.zelvosoft.ZelvoRename.desktop" ||
  fail "not in the Utility category"
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
