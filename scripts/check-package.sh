#!/bin/sh
# Builds the Debian package (cpack -G DEB) in build/ and checks it: it holds
# everything CMake says it must, its dependencies were found, the desktop
# entry and the AppStream metainfo pass their validators, and the MIME type
# makes game files, and only those, Veltan games. Only the packaged programs
# are built; warnings are errors as build/ was configured (see scripts/test.sh).
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh packaging

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel 2 --target veltan_packaged_programs veltan_mime_type_of
rm -f build/veltan_*.deb
(cd build && cpack -G DEB)
deb=$(ls build/veltan_*.deb)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
    echo "FAILED: $*"
    failed=$((failed + 1))
}

echo "== $deb: $(wc -c <"$deb") bytes"
dpkg-deb -c "$deb" | awk '{ print $NF }' >"$work/listed"
while read -r path; do
    grep -qxF "$path" "$work/listed" || fail "the package lacks $path (is it installed by CMake?)"
done <build/package-contents.txt

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libstdc++6 fonts-freefont-ttf fonts-dejavu-core; do
    case "$depends" in *"$needed"*) ;; *) fail "Depends lacks $needed" ;; esac
done

# The files as the package installs them.
root="$work/root"
dpkg-deb -x "$deb" "$root"
share="$root/usr/share"
desktop="$share/applications/veltan.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$share"/metainfo/*.metainfo.xml || fail "appstreamcli validate"

# The entry opens game files and claims no other type.
game_type=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$share/mime/packages/veltan.xml")
grep -qxF "MimeType=$game_type;" "$desktop" || fail "the desktop entry's MimeType is not just $game_type"
grep -q '^Exec=.*%f' "$desktop" || fail "the desktop entry's Exec takes no file (%f)"

# One MIME database of the system's types and the game's, as on a machine
# with the package installed, read as GLib's and Qt's file dialogs and file
# managers read it.
mkdir -p "$work/db/mime/packages" "$work/files"
cp /usr/share/mime/packages/freedesktop.org.xml "$share/mime/packages/veltan.xml" "$work/db/mime/packages/"
# Its note that the folder is not searched by default is no news here.
update-mime-database "$work/db/mime" 2>"$work/update.log" || { cat "$work/update.log"; exit 1; }
export XDG_DATA_HOME="$work/none" XDG_DATA_DIRS="$work/db"
declaration='<?xml version="1.0" encoding="utf-8"?>'
cd "$work/files"
printf '%s\n<Veltan Version="0.9" Name="game.xml">\n</Veltan>\n' "$declaration" >game.xml
printf '<Veltan Version="0.9" Name="bare.xml">\n</Veltan>\n' >bare.xml
printf '%s\n<config size="16"/>\n' "$declaration" >other.xml
printf '%s\n<archive><Veltan Version="0.9"/></archive>\n' "$declaration" >archive.xml
printf '<html><body>Veltan</body></html>\n' >page.xml
cd - >/dev/null
expect_type() { # file type
    file="$work/files/$1"
    by_glib=$(gio info -a standard::content-type "$file" | sed -n 's/.*content-type: //p')
    by_qt=$(build/packaging/veltan_mime_type_of "$file" | sed 's/.*: //')
    echo "$1: GLib $by_glib, Qt $by_qt"
    [ "$by_glib" = "$2" ] || fail "GLib takes $1 for $by_glib, not $2"
    [ "$by_qt" = "$2" ] || fail "Qt takes $1 for $by_qt, not $2"
}
expect_type game.xml "$game_type"
expect_type bare.xml "$game_type"
expect_type other.xml application/xml
expect_type archive.xml application/xml
expect_type page.xml application/xml

if [ "$failed" -ne 0 ]; then
    echo "$failed package checks failed"
    exit 1
fi
echo "package checks passed: $deb"
