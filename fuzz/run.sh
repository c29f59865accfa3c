#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) in build-fuzz/ and runs each in turn, sharing
# the time between them:
#   datelib_fuzz   the date-text readers
#   quillday_fuzz  the program's request reader (batch lines) and CSV reader
#   settings_fuzz  the window's settings-file reader
#   fuzz/run.sh [SECONDS]     run for SECONDS in all (default 60)
# Each starts from its committed seeds in fuzz/corpus/TARGET/ and keeps what
# it finds in fuzz/corpus-run/TARGET/ (not committed), so each run goes on
# from the last one. A failing input is written to build-fuzz/crash-*;
# replay it with the target that found it: build-fuzz/TARGET build-fuzz/crash-...
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages clang libclang-rt-14-dev

seconds=${1:-60}
out=build-fuzz
targets=(datelib quillday settings)
mkdir -p "$out/objects"

flags=(-std=c++20 -O2 -g -fno-omit-frame-pointer -Wall -Wextra
       -fsanitize=address,undefined -fno-sanitize-recover=all
       -Iquillday -Icompute/include -Itexts/include -Idatelib/include -Idaymath/include -Iapp)

# The program loads its engine by name from its own folder; so do the targets.
clang++ "${flags[@]}" -fsanitize=fuzzer-no-link -shared -fPIC -DDAYMATH_BUILDING \
    daymath/*.cpp -o "$out/libdaymath.so"

# The code under test, built once for all targets.
objects=()
for source in datelib/*.cpp compute/*.cpp texts/gen_text.cpp app/settings_file.cpp quillday/*.cpp; do
    # The targets bring their own entry point.
    [[ $source == quillday/main.cpp ]] && continue
    object=$out/objects/$(echo "$source" | tr / _).o
    clang++ "${flags[@]}" -fsanitize=fuzzer-no-link -c "$source" -o "$object"
    objects+=("$object")
done

for target in "${targets[@]}"; do
    clang++ "${flags[@]}" -fsanitize=fuzzer "fuzz/${target}_fuzz.cpp" "${objects[@]}" \
        -ldl -pthread -o "$out/${target}_fuzz"
done

share=$((seconds / ${#targets[@]}))
((share > 0)) || share=1
for target in "${targets[@]}"; do
    mkdir -p "fuzz/corpus-run/$target"
    # Standard error of the targets holds the program's messages: closed.
    "$out/${target}_fuzz" -max_total_time="$share" -max_len=4096 -timeout=10 \
        -dict=fuzz/dates.dict -close_fd_mask=2 -artifact_prefix="$out/" -print_final_stats=1 \
        "fuzz/corpus-run/$target" "fuzz/corpus/$target"
done
