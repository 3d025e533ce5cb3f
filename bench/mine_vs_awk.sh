#!/bin/sh
# The data-mining table as a user makes it, whole process: `vidorev diary mine --file DIARY`
# (start-up, reading, the table written and synced) against an awk program that sums the Stop
# minutes of the same Diary, in turns N times each. Prints the medians and the ratio (goal: 3x).
#
#   bench/mine_vs_awk.sh BUILD_DIR [N [RECORDS]]   (N defaults to 9, RECORDS to 1000000)
#
# The Diary is made once by diary_log_bench --make-diary in BUILD_DIR's temporary folder and kept
# there (bench-mine/) for the next run; the table is written beside it.
set -eu
build=${1:?usage: mine_vs_awk.sh BUILD_DIR [N [RECORDS]]}
runs=${2:-9}
records=${3:-1000000}
vidorev=$build/src/vidorev
maker=$build/bench/diary_log_bench
for program in "$vidorev" "$maker"; do
    [ -x "$program" ] || { echo "mine_vs_awk: no $program (build it first)" >&2; exit 1; }
done
data=$build/bench-mine
mkdir -p "$data"
diary=$data/diary-$records.log
[ -s "$diary" ] || "$maker" --make-diary "$diary" "$records" >/dev/null
export VIDOREV_STORE="$data/settings.sqlite"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# One run: its wall time in microseconds, appended to the file named first.
timed() {
    out=$1
    shift
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    echo $(((end - start) / 1000)) >>"$out"
}

# Untimed: brings the Diary and both programs into the page cache.
"$vidorev" diary mine --file "$diary" >/dev/null
i=0
while [ "$i" -lt "$runs" ]; do
    timed "$work/mine" "$vidorev" diary mine --file "$diary"
    timed "$work/awk" awk -F'[{}]' '/^\[[^]]*\]\[Stop \]/ { s += $2 } END { print s }' "$diary"
    i=$((i + 1))
done

median() {
    sort -n "$1" | awk '{ v[NR] = $1 } END {
        if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
awk -v m="$(median "$work/mine")" -v a="$(median "$work/awk")" -v n="$runs" \
    -v load="$(cut -d' ' -f1-3 /proc/loadavg)" -v bytes="$(wc -c <"$diary")" 'BEGIN {
    printf "medians of %d runs each on a %.1f MB Diary (load average %s)\n", n, bytes / 1e6, load
    printf "vidorev diary mine %8.3f s\n", m / 1e6
    printf "awk (Stop minutes) %8.3f s\n", a / 1e6
    printf "ratio              %7.2fx   (goal: at most 3x)\n", m / a
}'
