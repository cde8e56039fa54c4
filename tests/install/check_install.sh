#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that every file a desktop needs is
# there and valid.
set -euo pipefail
BUILD_DIR=$1
PREFIX=$(mktemp -d)
trap 'rm -rf "$PREFIX"' EXIT

cmake --install "$BUILD_DIR" --prefix "$PREFIX" >/dev/null

failures=0
for f in \
  bin/mortarix \
  share/mortarix/readme.txt \
  share/applications/mortarix.desktop \
  share/icons/hicolor/48x48/apps/mortarix.png \
  share/icons/hicolor/128x128/apps/mortarix.png \
  share/icons/hicolor/256x256/apps/mortarix.png \
  share/icons/hicolor/scalable/apps/mortarix.svg \
  share/metainfo/mortarix.metainfo.xml \
  share/mime/packages/mortarix.xml; do
  if [ ! -s "$PREFIX/$f" ]; then
    echo "missing: $f"
    failures=$((failures + 1))
  fi
done
[ -x "$PREFIX/bin/mortarix" ] || { echo "bin/mortarix is not executable"; failures=$((failures + 1)); }

for size in 48 128 256; do
  got=$(identify -format '%wx%h' "$PREFIX/share/icons/hicolor/${size}x${size}/apps/mortarix.png" 2>/dev/null || true)
  [ "$got" = "${size}x${size}" ] || { echo "icon ${size}: $got"; failures=$((failures + 1)); }
done

if command -v desktop-file-validate >/dev/null 2>&1; then
  desktop-file-validate "$PREFIX/share/applications/mortarix.desktop" || failures=$((failures + 1))
  grep -q '^GenericName=Masonry and Concrete Estimator$' "$PREFIX/share/applications/mortarix.desktop" ||
    { echo "GenericName"; failures=$((failures + 1)); }
  grep -q '^Categories=Office;Engineering;$' "$PREFIX/share/applications/mortarix.desktop" ||
    { echo "Categories"; failures=$((failures + 1)); }
else
  echo "desktop-file-validate not found: launcher not validated"
fi
grep -q '^MimeType=application/x-mortarix-job;$' "$PREFIX/share/applications/mortarix.desktop" &&
  grep -q '^Exec=mortarix %f$' "$PREFIX/share/applications/mortarix.desktop" ||
  { echo "launcher does not open job files"; failures=$((failures + 1)); }
if command -v update-mime-database >/dev/null 2>&1; then
  # Building the database from the installed package parses it; the type must come out with its glob.
  XDG_DATA_DIRS="$PREFIX/share" update-mime-database "$PREFIX/share/mime" ||
    { echo "update-mime-database refused the MIME package"; failures=$((failures + 1)); }
  grep -q 'application/x-mortarix-job:\*\.mortarix' "$PREFIX/share/mime/globs" 2>/dev/null ||
    { echo "MIME type application/x-mortarix-job (*.mortarix) not in the database"; failures=$((failures + 1)); }
else
  echo "update-mime-database not found: MIME type not checked"
fi
if command -v appstreamcli >/dev/null 2>&1; then
  appstreamcli validate --no-net "$PREFIX/share/metainfo/mortarix.metainfo.xml" >/dev/null ||
    { appstreamcli validate --no-net "$PREFIX/share/metainfo/mortarix.metainfo.xml"; failures=$((failures + 1)); }
else
  echo "appstreamcli not found: metainfo not validated"
fi

if [ "$failures" -ne 0 ]; then
  echo "0 passed, $failures failed"
  exit 1
fi
echo "install layout: all files present and valid"
