#!/usr/bin/env bash
# Installs into a temporary prefix and builds the Debian package, then checks what
# a desktop and a package manager need: every file in place, a valid desktop
# entry and AppStream metadata, and a package with its dependencies.
# Usage: install_check.sh BUILD_DIR
set -euo pipefail
build=$1
app=io.github.linkcrate.Linkcrate
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0
failed=0
check() { # description, command...
  local what=$1; shift
  if "$@" >"$work/out" 2>&1; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL: $what"; cat "$work/out"; fi
}

files=(
  usr/bin/linkcrate usr/bin/linkcrate-add
  usr/share/applications/$app.desktop
  usr/share/metainfo/$app.metainfo.xml
  usr/share/icons/hicolor/scalable/apps/$app.svg
  usr/share/man/man1/linkcrate.1 usr/share/man/man1/linkcrate-add.1
)
for size in 16 22 24 32 48 64 128 256; do files+=("usr/share/icons/hicolor/${size}x${size}/apps/$app.png"); done

cmake --install "$build" --prefix "$work/root/usr" >/dev/null
for f in "${files[@]}"; do check "installed $f" test -s "$work/root/$f"; done
check "desktop entry is valid" desktop-file-validate "$work/root/usr/share/applications/$app.desktop"
check "AppStream metadata is valid" appstreamcli validate --no-net --pedantic "$work/root/usr/share/metainfo/$app.metainfo.xml"
for size in 16 48 256; do
  check "${size}px icon is ${size}x${size}" bash -c "file '$work/root/usr/share/icons/hicolor/${size}x${size}/apps/$app.png' | grep -q '$size x $size'"
done

(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/pkg" >/dev/null)
deb=$(ls "$work"/pkg/*.deb)
dpkg-deb --info "$deb" >"$work/info"
dpkg-deb --contents "$deb" >"$work/contents"
for dep in libqt6widgets6 libqt6svg6 libqt6core6 qt6-qpa-plugins libc6; do
  check "package depends on $dep" grep -Eq "^ Depends:.*\b$dep\b" "$work/info"
done
for f in "${files[@]}"; do check "package holds /$f" grep -q " \./$f\$" "$work/contents"; done

echo "install and package: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
