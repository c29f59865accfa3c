#!/usr/bin/env bash
# Times fileworks5 against its peers on the same files, side by side in one run:
#   compare_files   on two identical 1 GiB page-cached files   vs  cmp
#   file_randomness on 256 MiB of random and of zero bytes     vs  ent
#   dd_purge_file's four fixed passes over a 64 MiB file       vs  four runs of
#                   dd conv=notrunc oflag=dsync bs=16k (one flush per 16 KiB block)
# The two sides run alternately, each going first in every other round, and
# each timing is the best of its rounds; each line ends with the ratio
# fileworks5 time / peer time (below 1 means fileworks5 is faster).
#
#   bench/fileworks5_vs_peers.sh [BUILD_DIR]     (default: build)
# The files go to a temporary folder under $TMPDIR (default /tmp), about
# 2.6 GB, removed at the end.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
driver=$build/bin/fileworks5_driver
if [[ ! -x $driver ]]; then
    echo "No $driver: build first (cmake --build $build --target fileworks5_driver)" >&2
    exit 1
fi
source "$root/scripts/deps.sh"
ensure_packages ent

readonly READ_RUNS=5
readonly PURGE_RUNS=4
readonly FIXED_PASSES=4
work=$(mktemp -d "${TMPDIR:-/tmp}/fileworks5_bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

# Prints the seconds one run of the command takes (its output discarded).
seconds_of() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    awk -v ns=$((end - start)) 'BEGIN { printf "%.4f", ns / 1e9 }'
}

# Prints the smaller of two numbers.
smaller() { awk -v a="$1" -v b="$2" 'BEGIN { print (a < b) ? a : b }'; }

# side_by_side RUNS FW_COMMAND... -- PEER_COMMAND...
# Times both commands RUNS times, alternating which goes first, and sets
# best_fw and best_peer to the best times.
side_by_side() {
    local runs=$1 run fw=() peer=()
    shift
    while [[ $1 != -- ]]; do
        fw+=("$1")
        shift
    done
    shift
    peer=("$@")
    best_fw=999
    best_peer=999
    for ((run = 0; run < runs; run++)); do
        if ((run % 2 == 0)); then
            best_fw=$(smaller "$best_fw" "$(seconds_of "${fw[@]}")")
            best_peer=$(smaller "$best_peer" "$(seconds_of "${peer[@]}")")
        else
            best_peer=$(smaller "$best_peer" "$(seconds_of "${peer[@]}")")
            best_fw=$(smaller "$best_fw" "$(seconds_of "${fw[@]}")")
        fi
    done
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

throughput() { awk -v bytes="$1" -v s="$2" 'BEGIN { printf "%.2f GB/s", bytes / s / 1e9 }'; }

# dd's share of the purge comparison: the same fixed passes, one flush per block.
dd_fixed_passes() {
    local pass
    for ((pass = 0; pass < FIXED_PASSES; pass++)); do
        dd if=/dev/zero of="$1" bs=16k count="$2" conv=notrunc oflag=dsync status=none
    done
}

echo "Creating the files in $work ..."
head -c 1G /dev/urandom >"$work/big1"
cp "$work/big1" "$work/big2"
head -c 256M /dev/urandom >"$work/random"
head -c 256M /dev/zero >"$work/zeros"
head -c 64M /dev/urandom >"$work/purge"
sync
cat "$work/big1" "$work/big2" "$work/random" "$work/zeros" >/dev/null

echo "compare_files: $("$driver" compare "$work/big1" "$work/big2") (-1: identical)"
echo "file_randomness: random $("$driver" randomness "$work/random"), zeros $("$driver" randomness "$work/zeros")"

side_by_side $READ_RUNS "$driver" compare "$work/big1" "$work/big2" -- cmp "$work/big1" "$work/big2"
printf "compare 1 GiB identical:  fileworks5 %s s  cmp %s s  ratio %s (target <= 0.95)\n" \
    "$best_fw" "$best_peer" "$(ratio "$best_fw" "$best_peer")"

bytes=$((256 * 1024 * 1024))
for name in random zeros; do
    side_by_side $READ_RUNS "$driver" randomness "$work/$name" -- ent "$work/$name"
    printf "randomness 256 MiB %-6s fileworks5 %s s (%s)  ent %s s (%s)  ratio %s (target <= 0.10, >= 1.5 GB/s)\n" \
        "$name" "$best_fw" "$(throughput $bytes "$best_fw")" "$best_peer" \
        "$(throughput $bytes "$best_peer")" "$(ratio "$best_fw" "$best_peer")"
done

blocks=$((64 * 1024 / 16))
side_by_side $PURGE_RUNS "$driver" fixed-passes "$work/purge" -- dd_fixed_passes "$work/purge" "$blocks"
printf "purge 64 MiB, %d fixed passes:  fileworks5 %s s  dd %s s  ratio %s (target <= 1.10)\n" \
    "$FIXED_PASSES" "$best_fw" "$best_peer" "$(ratio "$best_fw" "$best_peer")"
