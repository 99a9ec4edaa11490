#!/bin/sh
# Starts the program with an empty data folder, ends it with SIGTERM and checks that it saved
# both files as a close of its window does.
set -eu
program=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
XDG_DATA_HOME="$home/data" "$program" &
pid=$!
# Wait until the window is up (the data folder appears during start-up), then a little more.
for _ in $(seq 1 100); do
    [ -d "$home/data/Ashtally" ] && break
    sleep 0.1
done
sleep 1
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { echo "program ended with status $status"; exit 1; }
grep -q '^\[Options\]' "$home/data/Ashtally/options.ini" || { echo "options.ini not written"; exit 1; }
grep -q '^UpdateTimer=30000' "$home/data/Ashtally/options.ini" || { echo "options incomplete"; exit 1; }
grep -q '^\[Placement\]' "$home/data/Ashtally/options.ini" || { echo "no placement"; exit 1; }
grep -q '^"User","","[0-9.]*","40","20","1"' "$home/data/Ashtally/buddies.csv" || {
    echo "buddies.csv not written"; exit 1; }
echo "saved on SIGTERM"
