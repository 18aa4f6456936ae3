#!/bin/sh
# The network tests again on PostgreSQL: the protocol's conversations with the
# server on a PostgreSQL database, and two server processes sharing one (a
# game played across them, either killed mid-game, a flag falling while the
# process of the team to move is down). The cluster is a throw-away one from
# pg_virtualenv; the programs are those scripts/test.sh built in build/.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh postgres
cd build
export QT_QPA_PLATFORM=offscreen
# shellcheck disable=SC2016
pg_virtualenv sh -c 'VELTAN_TEST_POSTGRES="postgresql://$PGUSER:$PGPASSWORD@$PGHOST:$PGPORT/$PGDATABASE" \
  tests/server/server_network_tests --gtest_filter="Protocol/Conversation.*:Postgres/*:SharedDatabase.*"'
