#!/bin/sh
# SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# readme_recipes.sh README SOURCE SHOW SQLITE_DRIVER POSTGRES_DRIVER
# The README's recipes for a school's own table, run as written but for this test's places:
# its folder for /srv/valtora, /etc/pgbouncer and the ODBC configuration, the sources for
# /usr/share/valtora, pg_virtualenv's server (run under it) reached as its superuser, PgBouncer
# on a port beside it, started by hand; packages are installed already. They run on CSV files as
# office programs write them (tests/data), and each ends in a table the quiz plays, shown by
# SHOW --show 26, or in the message that says what to change. Last, PgBouncer's one server
# connection is held by another client, and then the server stops behind PgBouncer, which would
# queue a query for two minutes: the quiz says so, within the limits.
set -eu
readme=$1 source=$2 show=$3
work=$(mktemp -d)
bouncer=
trap '[ -z "$bouncer" ] || kill $bouncer; rm -rf "$work"' EXIT
cd "$work"
export ODBCSYSINI=$work ODBCINI=$work/user.ini
printf '[SQLite3]\nDriver = %s\n[PostgreSQL Unicode]\nDriver = %s\n' "$4" "$5" > odbcinst.ini
: > odbc.ini

# The commands of the README's recipe $1, for this test.
recipe() {
    awk -v marker="<!-- recipe: $1 -->" -f "$source/tests/readme_recipe.awk" "$readme" |
        sed -e '/^apt-get install/d' -e '/systemctl\|systemd\|\/etc\/postgresql/d' \
            -e "s|/srv/valtora|$work|g" -e "s|/etc/pgbouncer|$work|g" \
            -e "s|/usr/share/valtora|$source/data|g" \
            -e 's|runuser -u postgres -- ||' -e 's|db.school.example|127.0.0.1|' \
            -e "s/\(Port = \|port=\)5432/\1$PGPORT/" -e "s|6432|$((PGPORT + 1000))|" \
            -e 's|listen_addr = \*|listen_addr = 127.0.0.1|'
}

# The quiz on the data source now defined shows iron, or a message holding $1; its exit status
# is kept in $status.
shows() {
    status=0
    "$show" --show 26 > shown || status=$?
    grep -q "$1" shown || { echo "$case: not \"$1\" but:"; cat shown; exit 1; }
}
iron=$(printf '26\tFe\tIron')

# csv FILE [IMPORT]: the recipe "csv" on tests/data/FILE.csv, its import line replaced by the
# recipe IMPORT where given.
csv() {
    case="$1 through ${2:-csv}"
    cp "$source/tests/data/$1.csv" elements.csv
    recipe csv > steps
    [ $# -lt 2 ] || sed -i "/\.import/c\\$(recipe "$2")" steps
    sh steps > isql 2>&1 || true
}
csv bom-crlf && shows "$iron"
csv semicolons && shows "saved with semicolons between its columns"
csv semicolons csv-semicolons && shows "$iron"
csv title-row && shows "the file has a title row above its header"
csv title-row csv-title-row && shows "$iron"
# isql finds iron where the quiz does; then the import is run twice into the same database, as
# the recipe did before it made the database afresh.
csv trailing-row && shows "$iron" && grep -q Iron isql
case="trailing-row imported twice" && grep '\.import' steps | sh && shows "imported twice"
# Into a table made before the import, which reads the header as a row.
case="trailing-row into a table made before"
sed -i "/\.import/i sqlite3 $work/elements.db 'create table elements (AtomicNumber, AtomicSymbol, ElementName, AtomicMass)'" steps
sh steps > isql 2>&1 && shows "The file's header row (AtomicNumber, .*) is a row of the table"
# Files saved in another character set than UTF-8, on a Polish desk, are refused by the atomic
# numbers of their garbled names; converted as the README says, they play.
notUtf8="characters that no element's name has, .* for atomic numbers 1, 6, 11, 20, 26"
csv windows-1250 && shows "$notUtf8"
zelazo=$(printf '26\tFe\tŻelazo')
case="windows-1250 through csv-iconv" && recipe csv-iconv > convert && sed -i '/\.import/e cat convert' steps
sh steps > isql 2>&1 && shows "$zelazo"
csv latin1-question-marks && shows "$notUtf8"
csv mojibake && shows "$notUtf8"
csv quoted-semicolons && shows "saved with semicolons between its columns"
csv quoted-semicolons csv-semicolons && shows "$iron"
csv blank-number && shows "with blanks around them, which the lookup's query does not find: 26"
csv invisible && shows "invisible characters in them .* for atomic numbers 26, 29"

case=postgresql
recipe postgresql | sh -e > /dev/null
recipe desk | sh -e | grep -q Iron
shows "$iron"
case="postgresql-csv on Windows-1250, read as such"
cp "$source/tests/data/windows-1250.csv" elements.csv
recipe postgresql-csv | sed 's/-c "\\copy/-c "\\encoding WIN1250" &/' | sh -e > /dev/null
shows "$zelazo"
case=postgresql-csv
cp "$source/tests/data/trailing-row.csv" elements.csv
recipe postgresql-csv | sh -e > /dev/null
shows "$iron"
# A file it cannot read (semicolons, read as commas) leaves the table as it was.
case="postgresql-csv on semicolons"
cp "$source/tests/data/semicolons.csv" elements.csv
if recipe postgresql-csv | sh -e > /dev/null 2>&1; then echo "$case: read"; exit 1; fi
shows "$iron"

case=pgbouncer
recipe pgbouncer.ini > pgbouncer.ini
recipe pgbouncer | sh > /dev/null 2>&1 || true
chmod 755 "$work"
# run_bouncer INI: PgBouncer runs on INI, listening. bounce INI: and ready for the quiz's data
# source.
run_bouncer() {
    [ -z "$bouncer" ] || { kill $bouncer; wait $bouncer || true; }
    if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- pgbouncer "$1" & else pgbouncer "$1" & fi
    bouncer=$!
    timeout 30 sh -c "until pg_isready -q -h 127.0.0.1 -p $((PGPORT + 1000)); do sleep 0.1; done"
}
bounce() {
    run_bouncer "$1"
    timeout 30 sh -c 'until echo "select 1" | isql -b Elements > /dev/null 2>&1; do sleep 0.1; done'
}
bounce pgbouncer.ini
shows "$iron"
# A pool of one server connection, held by a transaction left open: the quiz's first query waits
# as long as PgBouncer's query_wait_timeout allows, and the box names that setting.
case="pgbouncer, its one server connection held"
sed -e 's/^default_pool_size = .*/default_pool_size = 1/' -e '$a query_wait_timeout = 4' \
    pgbouncer.ini > pool-of-one.ini
bounce pool-of-one.ini
mkfifo hold && exec 3<> hold # psql holds the transaction open until this ends
PGPASSWORD=quiz psql -XAtq -h 127.0.0.1 -p $((PGPORT + 1000)) -U quiz -c begin -c "select 'held'" \
    -f hold elements > held 3>&- &
timeout 30 sh -c 'until grep -q held held; do sleep 0.1; done'
shows "gave up waiting for a server connection"
exec 3>&-
bounce pgbouncer.ini
case="pgbouncer, its server stopped"
pg_ctlcluster "$PGVERSION" regress stop -m immediate
start=$(date +%s)
shows "did not answer within\|cannot be reached"
[ "$status" = 1 ] && [ $(($(date +%s) - start)) -lt 45 ] || { echo "$case: $status, late"; exit 1; }
# Waiting less than the quiz does for a server that has gone, PgBouncer gives up first: the box
# names both causes that may have.
case="pgbouncer waiting 4 s, its server stopped"
run_bouncer pool-of-one.ini
shows "cannot be reached"
