#!/bin/sh
# Installs the Debian 12 packages the game needs to build, test and run,
# skipping those already present. Uses sudo when not run as root.
# With the argument "packaging" it adds the tools that build the Debian
# package and check the desktop files (scripts/check-package.sh).
set -eu

PACKAGES="build-essential cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev \
qt6-websockets-dev libqt6sql6-sqlite libqt6sql6-psql \
libgtest-dev libgmock-dev googletest libbenchmark-dev fonts-dejavu-core fonts-freefont-ttf fontconfig"
# With "postgres": a PostgreSQL server and pg_virtualenv, for the tests of
# several server processes on one database (scripts/test-postgres.sh).
if [ "${1:-}" = "postgres" ]; then
    PACKAGES="$PACKAGES postgresql-15 postgresql-common"
fi
if [ "${1:-}" = "packaging" ]; then
    # dpkg-shlibdeps finds the package's dependencies; gio reads the MIME
    # database the way file managers do.
    PACKAGES="$PACKAGES dpkg-dev desktop-file-utils appstream shared-mime-info libglib2.0-bin"
fi

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
echo "Installing:$missing"
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -q
# shellcheck disable=SC2086
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
