#!/usr/bin/env bash
# quillday's batch mode against GNU date -f, side by side in one run, on the
# same random Common Era dates (years 1 to 9999, one per line):
#   quillday --batch --to JDN FILE     "2012-12-31 CE = 2,456,293 JDN, Monday"
#   date -f FILE '+%F %A'              "2012-12-31 Monday"
# First the week days of both are compared line by line. Then the two run
# alternately, each going first in every other round; each side's figures
# are those of its fastest round: wall-clock seconds, CPU seconds (user +
# system) and lines per second. The ratio is GNU date's time over
# quillday's (above 1 means quillday is faster). Last, quillday's largest
# resident memory at 1 and at 10 times the lines, to show it stays flat.
#
#   bench/quillday_vs_gnu_date.sh [BUILD_DIR] [LINES]   (defaults: build, 1000000)
# The files go to a temporary folder under $TMPDIR (default /tmp), about
# 12 bytes a line times 11, removed at the end.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
lines=${2:-1000000}
quillday=$build/bin/quillday
if [[ ! -x $quillday ]]; then
    echo "No $quillday: build first (cmake --build $build --target quillday)" >&2
    exit 1
fi
source "$root/scripts/deps.sh"
ensure_packages time python3 coreutils

readonly ROUNDS=3
readonly GROWTH=10
readonly TARGET_RATIO=10
quillday_command=("$quillday" --batch --to JDN)
date_command=(date '+%F %A' -f)
work=$(mktemp -d "${TMPDIR:-/tmp}/quillday_bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
dates=$work/dates.txt

echo "Writing $lines random dates (years 1 to 9999) to $work ..."
python3 - "$lines" "$dates" <<'EOF'
import datetime, random, sys
count, path = int(sys.argv[1]), sys.argv[2]
random.seed(15)
last = datetime.date(9999, 12, 31).toordinal()
with open(path, "w") as out:
    for _ in range(count):
        day = datetime.date.fromordinal(random.randint(1, last))
        out.write(f"{day.year:04d}-{day.month:02d}-{day.day:02d}\n")
EOF


# The same week day on every line, or the comparison means nothing.
same=$(paste -d' ' <("${quillday_command[@]}" "$dates" | awk '{ print $NF }') \
    <("${date_command[@]}" "$dates" | awk '{ print $NF }') | awk '$1 == $2 && NF == 2' | wc -l)
if ((same != lines)); then
    echo "quillday and date agree on the week day of $same lines out of $lines" >&2
    exit 1
fi
echo "Both give the same week day on all $lines lines."

# measure COMMAND...: prints "wall cpu max_rss_kb" of one run, output discarded.
measure() {
    /usr/bin/time -f '%e %U %S %M' -o "$work/time" "$@" >/dev/null
    awk '{ printf "%.3f %.3f %d\n", $1, $2 + $3, $4 }' "$work/time"
}

# better OLD NEW: the run with the smaller wall time.
better() { awk -v a="$1" -v b="$2" 'BEGIN { split(a, x, " "); split(b, y, " "); print (y[1] < x[1]) ? b : a }'; }

best_quillday="999 999 0"
best_date="999 999 0"
for ((round = 0; round < ROUNDS; round++)); do
    if ((round % 2 == 0)); then
        best_quillday=$(better "$best_quillday" "$(measure "${quillday_command[@]}" "$dates")")
        best_date=$(better "$best_date" "$(measure "${date_command[@]}" "$dates")")
    else
        best_date=$(better "$best_date" "$(measure "${date_command[@]}" "$dates")")
        best_quillday=$(better "$best_quillday" "$(measure "${quillday_command[@]}" "$dates")")
    fi
done

report() {
    awk -v name="$1" -v run="$2" -v lines="$lines" 'BEGIN {
        split(run, r, " ")
        printf "%-10s wall %7.3f s   cpu %7.3f s   %12.0f lines/s   max RSS %6d KB\n",
               name, r[1], r[2], lines / r[1], r[3] }'
}
echo
echo "$lines lines, best of $ROUNDS rounds ($(nproc) CPUs, load average $(cut -d' ' -f1 /proc/loadavg)):"
report quillday "$best_quillday"
report "GNU date" "$best_date"
awk -v q="$best_quillday" -v d="$best_date" -v target="$TARGET_RATIO" 'BEGIN {
    split(q, a, " "); split(d, b, " ")
    wall = b[1] / a[1]; cpu = b[2] / a[2]
    printf "ratio (date / quillday): wall %.1fx, cpu %.1fx; target %dx on wall time: %s\n",
           wall, cpu, target, (wall >= target) ? "met" : "NOT met" }'

echo
echo "Memory of quillday as the input grows:"
big=$work/dates_x$GROWTH.txt
for ((i = 0; i < GROWTH; i++)); do cat "$dates"; done >"$big"
for file in "$dates" "$big"; do
    read -r wall cpu rss < <(measure "${quillday_command[@]}" "$file")
    printf "%10d lines: max RSS %6d KB (wall %.3f s)\n" "$(wc -l <"$file")" "$rss" "$wall"
done
