#!/bin/sh
# Installs the build into an empty temporary prefix and checks that every
# file of the installed programs is there and that the desktop files, the
# AppStream metadata and the MIME packages validate.
# Usage: pruefe_installation.sh CMAKE BUILD_DIR BINDIR DATADIR "ICON_SIZES"
set -eu
cmake=$1 build=$2 bindir=$3 datadir=$4 groessen=$5
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

fehler=0
fehlt() { echo "FEHLT: $1"; fehler=1; }
da() { [ -f "$prefix/$1" ] || fehlt "$1"; }

for programm in charaktergenerator schiffsbau; do
  id=de.zorvel2.$programm
  [ -x "$prefix/$bindir/$programm" ] || fehlt "$bindir/$programm"
  da "$datadir/applications/$id.desktop"
  da "$datadir/metainfo/$id.metainfo.xml"
  da "$datadir/mime/packages/$id.xml"
  da "$datadir/icons/hicolor/scalable/apps/$id.svg"
  for n in $groessen; do
    da "$datadir/icons/hicolor/${n}x${n}/apps/$id.png"
  done
  desktop-file-validate "$prefix/$datadir/applications/$id.desktop" || fehler=1
  appstreamcli validate --no-net --pedantic "$prefix/$datadir/metainfo/$id.metainfo.xml" >/dev/null \
    || { appstreamcli validate --no-net --pedantic "$prefix/$datadir/metainfo/$id.metainfo.xml"; fehler=1; }
done

daten=$datadir/zorvel2/schiffsbau
for datei in basisliste.zsb exportvorlage.zse style.qss kurzanleitung.pdf \
             listen/rumpfmaterial.csv listen/reaktoren.csv listen/weitere_systeme.csv; do
  da "$daten/$datei"
done
quellen=$(ls "$(dirname "$0")/../schiffsbau/data/listen" | wc -l)
installiert=$(ls "$prefix/$daten/listen" | wc -l)
[ "$quellen" -eq "$installiert" ] || { echo "listen/: $installiert statt $quellen Dateien"; fehler=1; }

# The MIME packages build a database without a word of complaint, and it
# knows both file types.
meldungen=$(XDG_DATA_DIRS="$prefix/$datadir:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}" \
  update-mime-database "$prefix/$datadir/mime" 2>&1) || fehler=1
[ -z "$meldungen" ] || { echo "$meldungen"; fehler=1; }
grep -qx '50:application/x-zorvel-charakter:\*\.zch' "$prefix/$datadir/mime/globs2" || fehlt "*.zch in globs2"
grep -qx '50:application/x-zorvel-schiff:\*\.zss' "$prefix/$datadir/mime/globs2" || fehlt "*.zss in globs2"

[ "$fehler" -eq 0 ] && echo "Installation vollständig und gültig"
exit "$fehler"
