#!/bin/sh
# Builds the Debian packages (cpack -G DEB) in build/ and checks them.
# The game's, veltan: it holds exactly what CMake says it must, its
# dependencies were found, the desktop entry and the AppStream metainfo pass
# their validators, and the MIME type makes game files, and only those, Veltan
# games. The server's, veltan-server, made whenever the server is built: it
# holds exactly what CMake says, depends on Qt's SQL drivers and on no desktop
# library, and its systemd unit and maintainer scripts are sound.
# Only the packaged programs are built; warnings are errors as build/ was
# configured (see scripts/test.sh).
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh packaging

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel 2 --target veltan_packaged_programs veltan_mime_type_of
rm -f build/veltan_*.deb build/veltan-server_*.deb
(cd build && cpack -G DEB)
deb=$(ls build/veltan_*.deb)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
    echo "FAILED: $*"
    failed=$((failed + 1))
}

# An install() without a component lands in neither package.
if grep -rlF --include=cmake_install.cmake '"Unspecified"' build >"$work/unspecified"; then
    fail "install() without COMPONENT game or server in: $(tr '\n' ' ' <"$work/unspecified")"
fi

# The package holds the files of the list (as `dpkg-deb -c` prints them), no
# more and no fewer.
check_contents() { # package list
    dpkg-deb -c "$1" | awk '$1 !~ /^d/ { print $NF }' >"$work/listed"
    while read -r path; do
        grep -qxF "$path" "$work/listed" || fail "$1 lacks $path (is it installed by CMake, in its component?)"
    done <"$2"
    while read -r path; do
        grep -qxF "$path" "$2" || fail "$1 holds $path, which $2 does not list"
    done <"$work/listed"
}

# The names of the packages the package depends on, one a line.
depends_of() { # package
    dpkg-deb -f "$1" Depends | tr ',' '\n' | sed 's/^ *//; s/[ (].*//'
}

echo "== $deb: $(wc -c <"$deb") bytes"
check_contents "$deb" build/package-contents.txt
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "$deb is not in section games"
echo "Depends: $(dpkg-deb -f "$deb" Depends)"
depends_of "$deb" >"$work/depends"
for needed in libqt6widgets6 libstdc++6 fonts-freefont-ttf fonts-dejavu-core; do
    grep -qxF "$needed" "$work/depends" || fail "$deb: Depends lacks $needed"
done

# The files as the package installs them.
root="$work/root"
dpkg-deb -x "$deb" "$root"
share="$root/usr/share"
desktop="$share/applications/veltan.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$share"/metainfo/*.metainfo.xml || fail "appstreamcli validate"

# The entry opens game files and invitation links, and claims no other type.
game_type=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$share/mime/packages/veltan.xml")
links="x-scheme-handler/veltan;x-scheme-handler/veltans;"
grep -qxF "MimeType=$game_type;$links" "$desktop" ||
    fail "the desktop entry's MimeType is not just $game_type and the veltan and veltans links"
grep -q '^Exec=.*%u' "$desktop" || fail "the desktop entry's Exec takes no file or link (%u)"

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

# The server's package, once the build has the server.
server_deb=""
if [ -f build/server-package-contents.txt ]; then
    server_deb=$(ls build/veltan-server_*.deb)
    echo "== $server_deb: $(wc -c <"$server_deb") bytes"
    check_contents "$server_deb" build/server-package-contents.txt
    [ "$(dpkg-deb -f "$server_deb" Section)" = net ] || fail "$server_deb is not in section net"
    echo "Depends: $(dpkg-deb -f "$server_deb" Depends)"
    depends_of "$server_deb" >"$work/server-depends"
    # Qt loads the SQL drivers as plugins, so only the explicit Depends name
    # them; the rest is read off the program.
    for needed in libqt6sql6-sqlite libqt6sql6-psql libqt6sql6 libqt6websockets6 libqt6network6 libqt6core6; do
        grep -qxF "$needed" "$work/server-depends" || fail "$server_deb: Depends lacks $needed"
    done
    for desktop_library in libqt6gui6 libqt6widgets6; do
        ! grep -qxF "$desktop_library" "$work/server-depends" || fail "$server_deb depends on $desktop_library"
    done

    server_root="$work/server-root"
    dpkg-deb -x "$server_deb" "$server_root"
    dpkg-deb -e "$server_deb" "$work/server-control"
    for script in postinst prerm postrm; do
        [ -x "$work/server-control/$script" ] || fail "$server_deb has no executable $script"
        sh -n "$work/server-control/$script" || fail "$server_deb: $script does not parse"
    done
    unit="$server_root/lib/systemd/system/veltan-server.service"
    program=$(sed -n 's/^ExecStart=\([^ ]*\).*/\1/p' "$unit")
    [ -x "$server_root$program" ] || fail "the unit starts $program, which the package does not hold"
    # systemd-analyze wants the program where the unit says; it is the
    # package's own here. It only warns of a key it does not know or a value
    # it cannot read, and a sound unit makes it say nothing at all.
    if command -v systemd-analyze >/dev/null; then
        mkdir "$work/units"
        sed "s#^ExecStart=$program#ExecStart=$server_root$program#" "$unit" >"$work/units/veltan-server.service"
        if ! systemd-analyze verify "$work/units/veltan-server.service" >"$work/verify.log" 2>&1 ||
            [ -s "$work/verify.log" ]; then
            cat "$work/verify.log"
            fail "systemd-analyze verify veltan-server.service"
        fi
    else
        echo "systemd-analyze is missing: the unit is not verified"
    fi
fi

if [ "$failed" -ne 0 ]; then
    echo "$failed package checks failed"
    exit 1
fi
echo "package checks passed: $deb $server_deb"
