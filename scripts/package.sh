#!/usr/bin/env bash
# Builds the tool and packs it for Windows into dist/: Orvane-<version>.zip and
# Orvane-<version>-setup.exe (an NSIS installer). Both hold the tool, KBHook.dll, the images and
# texts, and LICENSE.txt; the device simulator hid.exe is the installer's optional component
# "Demo without a mouse" and lies in the zip's demo\ folder.
#
# ORVANE_BIN packs the bin folder of an existing build instead of building (the installer's
# end-to-end test does so); ORVANE_DIST names another output folder.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

if [ -z "${ORVANE_BIN:-}" ]; then
  install_packages
  BUILD=${ORVANE_BUILD_DIR:-$ROOT/build}
  build "$BUILD"
  ORVANE_BIN=$BUILD/bin
fi
DIST=${ORVANE_DIST:-$ROOT/dist}
VERSION=$(sed -n 's/^project(Orvane VERSION \([0-9.]*\).*/\1/p' "$ROOT/CMakeLists.txt")
NAME=Orvane-$VERSION

# The programs that lie beside the tool in both packages; the installer's script lists how each
# is installed (its own files always, KBHook.dll and hid.exe only where no other software's are).
PROGRAMS=(OrvaneCfg.exe OrvaneCtl.exe KBHook.dll)

STAGE=$(mktemp -d /tmp/orvane-package.XXXXXX)
trap 'rm -rf "$STAGE"' EXIT
TREE=$STAGE/Orvane
mkdir -p "$TREE/demo" "$DIST"
for program in "${PROGRAMS[@]}"; do cp "$ORVANE_BIN/$program" "$TREE/"; done
cp "$ORVANE_BIN/hid.exe" "$TREE/demo/"
cp -r "$ORVANE_BIN/images" "$TREE/"
cp "$ROOT/LICENSE.txt" "$TREE/"
sed 's/$/\r/' "$ROOT/scripts/demo-readme.txt" > "$TREE/demo/README.txt"

rm -f "$DIST/$NAME.zip" "$DIST/$NAME-setup.exe"
(cd "$STAGE" && python3 -c '
import os, sys, zipfile
with zipfile.ZipFile(sys.argv[1], "w", zipfile.ZIP_DEFLATED) as archive:
    for folder, _, files in sorted(os.walk("Orvane")):
        for name in sorted(files):
            archive.write(os.path.join(folder, name))
' "$DIST/$NAME.zip")
makensis -V2 -DVERSION="$VERSION" -DSTAGE="$TREE" -DOUTFILE="$DIST/$NAME-setup.exe" "$ROOT/scripts/installer.nsi"
echo "Packed $DIST/$NAME.zip and $DIST/$NAME-setup.exe"
