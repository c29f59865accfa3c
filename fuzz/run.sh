#!/usr/bin/env bash
# Builds the date-text fuzzer with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) in build-fuzz/ and runs it.
#   fuzz/run.sh [SECONDS]     run for SECONDS (default 60)
# It starts from the committed seeds in fuzz/corpus/ and keeps what it finds
# in fuzz/corpus-run/ (not committed), so each run goes on from the last one.
# A failing input is written to build-fuzz/crash-*; replay it with
#   build-fuzz/datelib_fuzz build-fuzz/crash-...
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages clang libclang-rt-14-dev

seconds=${1:-60}
out=build-fuzz
mkdir -p "$out" fuzz/corpus-run

flags=(-std=c++20 -O2 -g -fno-omit-frame-pointer -Wall -Wextra
       -fsanitize=address,undefined -fno-sanitize-recover=all
       -Idatelib/include -Idaymath/include)

# The program loads its engine by name from its own folder; so does the fuzzer.
clang++ "${flags[@]}" -fsanitize=fuzzer-no-link -shared -fPIC -DDAYMATH_BUILDING \
    daymath/*.cpp -o "$out/libdaymath.so"
clang++ "${flags[@]}" -fsanitize=fuzzer \
    datelib/*.cpp fuzz/datelib_fuzz.cpp -ldl -o "$out/datelib_fuzz"

"$out/datelib_fuzz" -max_total_time="$seconds" -max_len=64 -timeout=10 \
    -dict=fuzz/datelib.dict -artifact_prefix="$out/" -print_final_stats=1 \
    fuzz/corpus-run fuzz/corpus
