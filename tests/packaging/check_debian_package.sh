#!/usr/bin/env bash
# Builds the Debian package with CPack into a temporary folder and checks its contents and the Qt
# libraries it depends on. Takes a few seconds once the programs are built.
# Usage: check_debian_package.sh BUILD_DIR
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1 || {
  cat "$out/cpack.log" >&2
  fail "cpack"
}
deb=$(ls "$out"/zelvo-rename_*.deb)
contents=$(dpkg-deb -c "$deb")
echo "$contents"
for file in ./usr/bin/zelvo-rename ./usr/bin/zelvo-rename-cli \
  ./usr/share/applications/com.zelvosoft.ZelvoRename.desktop \
  ./usr/share/metainfo/com.zelvosoft.ZelvoRename.metainfo.xml \
  ./usr/share/icons/hicolor/scalable/apps/zelvo-rename.svg ./usr/share/man/man1/zelvo-rename.1 \
  ./usr/share/man/man1/zelvo-rename-cli.1 ./usr/share/bash-completion/completions/zelvo-rename-cli; do
  grep -q " $file\$" <<<"$contents" || fail "the package lacks $file"
done
grep -Eq ' \./usr/lib/(.+/)?zelvo-rename/zelvo-rename-media\.so$' <<<"$contents" ||
  fail "the package lacks the media module"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for library in libqt6core6 libqt6widgets6 libqt6gui6 qt6-qpa-plugins libexiv2-27 libtag1v5; do
  grep -q "$library" <<<"$depends" || fail "the package does not depend on $library"
done
echo "Debian package: all checks passed"
