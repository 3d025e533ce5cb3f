#!/bin/sh
# Start-up to the first frame saved, whole process: `vidorev --screenshot FILE` against the bare
# Qt program (bare_window), run in turns N times each on the offscreen platform. Prints the
# median wall time (seconds) and peak memory (MiB) of each and Vidorev's ratios to the bare one.
#
#   bench/startup_vs_bare.sh BUILD_DIR [N]     (N defaults to 9)
#
# BUILD_DIR is an optimised build with benchmarks on (the release preset's build/release).
# Vidorev starts on a settings store made by a first, untimed run, as a desk's would already be.
set -eu
build=${1:?usage: startup_vs_bare.sh BUILD_DIR [N]}
runs=${2:-9}
vidorev=$build/src/vidorev
bare=$build/bench/bare_window
for program in "$vidorev" "$bare"; do
    [ -x "$program" ] || { echo "startup_vs_bare: no $program (build it first)" >&2; exit 1; }
done
[ -x /usr/bin/time ] || { echo "startup_vs_bare: needs GNU time (/usr/bin/time)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
export VIDOREV_STORE="$work/settings.sqlite"

# One run: "wall_seconds peak_KiB" appended to the file named first.
measure() {
    out=$1
    shift
    /usr/bin/time -f '%e %M' -o "$work/one" "$@" "$work/frame.png" >/dev/null 2>&1
    # %e has hundredths only; the wall time is taken again to the microsecond around the run.
    cat "$work/one" >>"$out.raw"
}
timed() {
    out=$1
    shift
    start=$(date +%s%N)
    measure "$out" "$@"
    end=$(date +%s%N)
    kib=$(tail -n 1 "$out.raw" | cut -d' ' -f2)
    echo "$(( (end - start) / 1000 )) $kib" >>"$out"
}

# Untimed: makes the store and brings both programs into the page cache.
measure "$work/warm" "$vidorev" --screenshot
measure "$work/warm" "$bare"
i=0
while [ "$i" -lt "$runs" ]; do
    timed "$work/vidorev" "$vidorev" --screenshot
    timed "$work/bare" "$bare"
    i=$((i + 1))
done

# Median of column $2 of file $1.
median() {
    sort -n -k "$2,$2" "$1" | awk -v c="$2" '{ v[NR] = $c } END {
        if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
vw=$(median "$work/vidorev" 1); vm=$(median "$work/vidorev" 2)
bw=$(median "$work/bare" 1); bm=$(median "$work/bare" 2)
awk -v vw="$vw" -v vm="$vm" -v bw="$bw" -v bm="$bm" -v n="$runs" -v load="$(cut -d' ' -f1-3 /proc/loadavg)" 'BEGIN {
    printf "medians of %d runs each (load average %s)\n", n, load
    printf "%-10s %10s %12s\n", "", "wall s", "peak MiB"
    printf "%-10s %10.4f %12.1f\n", "vidorev", vw / 1e6, vm / 1024
    printf "%-10s %10.4f %12.1f\n", "bare Qt", bw / 1e6, bm / 1024
    printf "%-10s %9.2fx %11.2fx   (goal: at most 1.3x each)\n", "ratio", vw / bw, vm / bm
}'
