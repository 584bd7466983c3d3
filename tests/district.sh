#!/bin/sh
# SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# district.sh README SOURCE SHOW POSTGRES_DRIVER PG_CTL
# The README's recipes for two servers, run as written but for this test's places: a primary on
# 127.0.0.1 and the standby copied from it on 127.0.0.2, on one free port, in a folder of the
# test's (for /var/lib and /etc/postgresql) that is removed at the end. The quiz plays, shown by
# SHOW --show 26, with either server stopped; with both stopped, its message names both.
set -eu
readme=$1 source=$2 show=$3 bin=$(dirname "$5")
work=$(mktemp -d)
pg=
[ "$(id -u)" -ne 0 ] || { pg="runuser -u postgres --"; chown postgres "$work"; }
start() { $pg "$bin/pg_ctl" -D "$1" -l "$1.log" -w -t 60 -o "-c listen_addresses=$2" start > /dev/null; }
stop() { $pg "$bin/pg_ctl" -D "$1" -m immediate stop > /dev/null; }
trap 'for s in primary standby; do stop "$work/$s" 2> /dev/null || true; done; rm -rf "$work"' EXIT
cd "$work"
export ODBCSYSINI=$work ODBCINI=$work/user.ini PGHOST=127.0.0.1 PGUSER=postgres PGPASSWORD=postgres
PGPORT=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
export PGPORT
printf '[PostgreSQL Unicode]\nDriver = %s\n' "$4" > odbcinst.ini && : > odbc.ini
echo postgres > password
$pg "$bin/initdb" -D primary -U postgres -A scram-sha-256 --pwfile=password > /dev/null
printf "port = %s\nunix_socket_directories = ''\n" "$PGPORT" >> primary/postgresql.conf

# The commands of the README's recipe $1, for this test and the server in folder $2.
recipe() {
    awk -v marker="<!-- recipe: $1 -->" -f "$source/tests/readme_recipe.awk" "$readme" |
        sed -e '/^apt-get\|systemctl\|conf\.d/d' -e "s|runuser -u postgres -- |$pg |" \
            -e "s#/etc/postgresql/15/main\|/var/lib/postgresql/15/main#$work/${2:-}#" \
            -e "s|/usr/share/valtora|$source/data|; s|Port = 5432|Port = $PGPORT|" \
            -e 's|db1.school.example|127.0.0.1|g; s|db2.school.example|127.0.0.2|g'
}
start primary 127.0.0.1
recipe postgresql primary | sh -e > /dev/null
recipe primary primary | sh -e > /dev/null
recipe standby standby | sh -e > /dev/null
start standby 127.0.0.2
# The standby follows the primary.
timeout 60 sh -c 'until [ "$(psql -XAtc "select count(*) from pg_stat_replication")" = 1 ]; do sleep 0.1; done' ||
    { echo "the standby does not follow the primary"; exit 1; }
recipe desk-two-servers | sh -e | grep -q Iron

# The quiz on the data source, named $1, shows each of the further words.
shows() {
    case=$1 && shift
    "$show" --show 26 > shown || true
    for words; do grep -q "$words" shown || { echo "$case: not \"$words\" but:"; cat shown; exit 1; }; done
}
iron=$(printf '26\tFe\tIron')
stop primary && shows "the primary stopped" "$iron"
# Listed first, the standby is the one tried first.
sed -i 's/127.0.0.1,127.0.0.2/127.0.0.2,127.0.0.1/' odbc.ini
start primary 127.0.0.1 && stop standby && shows "the standby stopped" "$iron"
stop primary && shows "both stopped" "cannot be reached" 'server at "127.0.0.2"' 'server at "127.0.0.1"'
