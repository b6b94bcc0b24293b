# Sourced by test.sh and sanitize.sh: starts the print server and the
# PostgreSQL server of our own that the tests use, exports what the tests need
# to reach them, and stops both when the calling script ends.
server=$(tests/support/cups/stampante-privata.sh start)
eval "$server"
trap 'tests/support/cups/stampante-privata.sh stop "$TARVELO_STAMPANTE_PRIVATA"' EXIT
server=$(tests/support/postgresql/server-privato.sh start)
eval "$server"
trap 'tests/support/cups/stampante-privata.sh stop "$TARVELO_STAMPANTE_PRIVATA";
      tests/support/postgresql/server-privato.sh stop "$TARVELO_PG_PRIVATO"' EXIT
