#!/bin/sh
# Whole-process timings of folianto-cat beside the sqlite3 shell on the same generated rows.
#   compare_with_sqlite.sh FOLIANTO_CAT [ROWS] [WORKDIR]
# Needs python3, hyperfine and sqlite3. Results go to WORKDIR/*.md (hyperfine's tables).
set -eu
cat_tool=$(realpath "$1")
rows=${2:-100000}
work=${3:-/tmp/folianto-whole-process}
here=$(dirname "$(realpath "$0")")
mkdir -p "$work"
cd "$work"

python3 "$here/make_rows.py" "$rows" rows
rm -f rows.bon rows.db
sqlite3 rows.db <<SQL
CREATE TABLE books(BookName TEXT, Author TEXT, Topic TEXT, First TEXT, Last TEXT, Percent INTEGER,
                   Size INTEGER, Comment TEXT, FileName TEXT, Pos INTEGER);
.mode tabs
.import rows.sqlite.tsv books
SQL

# Loading: every run starts from no file.
hyperfine --runs 3 --prepare 'rm -f rows.bon' --export-markdown load.md \
    "$cat_tool load rows.bon < rows.tsv"
"$cat_tool" load rows.bon < rows.tsv

hyperfine --warmup 1 --runs 10 --export-markdown verify.md "$cat_tool verify rows.bon"
hyperfine --warmup 1 --runs 10 --export-markdown sort.md \
    "$cat_tool dump rows.bon --sort _BookName > /dev/null" \
    "sqlite3 -separator '	' rows.db 'SELECT * FROM books ORDER BY BookName' > /dev/null"
hyperfine --warmup 1 --runs 10 --export-markdown like.md \
    "$cat_tool dump rows.bon --filter \"_BookName like '%мир%'\" > /dev/null" \
    "sqlite3 -separator '	' rows.db \"SELECT * FROM books WHERE BookName LIKE '%мир%'\" > /dev/null"
/usr/bin/time -f 'verify peak memory: %M KB' "$cat_tool" verify rows.bon
