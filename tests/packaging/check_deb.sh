#!/usr/bin/env bash
# Builds the Debian package from a build tree and checks that it holds the program, the desktop
# entry, the icon and the AppStream metadata, with a dependency on Qt found by shlibdeps.
set -euo pipefail
build=$1
app_id=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" > "$out/cpack.log" ||
    { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/*.deb)
contents=$(dpkg-deb --contents "$deb")
status=0
for path in ./usr/bin/dephlegmator \
            "./usr/share/applications/$app_id.desktop" \
            "./usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
            "./usr/share/metainfo/$app_id.metainfo.xml"; do
    if ! grep -q " $path\$" <<< "$contents"; then
        echo "missing from the package: $path"
        status=1
    fi
done
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
grep -q 'libqt6widgets6' <<< "$depends" || { echo "no Qt dependency found"; status=1; }
exit $status
