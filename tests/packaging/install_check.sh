#!/usr/bin/env bash
# install_check.sh BUILD_DIR VERSION PROBE CONSUMER_SOURCE WINDOW_PNG
# Installs the build into a temporary prefix (cmake --install) and checks it
# from another folder, as a user and another program's developer would:
# - qly734 answers --version and --help without a display, and a bad option
#   with a usage error;
# - qly734 and quillday start and find their engine in its private folder;
# - the user guides of every language and the labelled pictures of the
#   window they show are in share/doc/quillday, none beside the programs;
# - the start-up probe, placed beside qly734, finds the engine there and the
#   user guide of each language in share/doc/quillday, and saves the window
#   in WINDOW_PNG;
# - the engine comes with no development files;
# - a C program builds against fileworks5 through pkg-config and through
#   find_package, and runs.
set -euo pipefail
build=$(realpath "$1") version=$2 probe=$(realpath "$3") consumer=$(realpath "$4")
window_png=$(realpath -m "$5")
source "$(dirname "$0")/check_helpers.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log"
mkdir "$work/elsewhere"
cd "$work/elsewhere"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config

engine=$(find "$prefix/lib" -path '*/quillday/libdaymath.so')
[[ -n $engine ]] || fail "no engine in a lib*/quillday folder: $(cat "$work/install.log")"
[[ ! -e $prefix/bin/libdaymath.so ]] || fail "the engine is still installed beside the program"
# The guides in English, German and Spanish, and the pictures they show.
documents=$prefix/share/doc/quillday
guides=()
for language in "" .de .es; do
    guides+=("$documents/quillday-guide$language.html")
done
for file in "${guides[@]}" "$documents"/quillday-window.{en,de,es}.png; do
    [[ -f $file ]] || fail "not installed: $file"
    [[ ! -e $prefix/bin/$(basename "$file") ]] || fail "installed beside the program: $file"
done
engine_files=$(find "$prefix" -name 'daymath*' -o -name 'libdaymath.*a')
[[ -z $engine_files ]] || fail "development files of the engine were installed: $engine_files"

check_command_line "$prefix/bin/qly734" "$version"
check_starts "$prefix/bin/qly734"
check_terminal_program "$prefix/bin/quillday"

cp "$probe" "$prefix/bin/"
probe_output=$("$prefix/bin/$(basename "$probe")" "$window_png") || fail "start-up probe: $probe_output"
expected_output="engine $engine"
for guide in "${guides[@]}"; do
    expected_output+=$'\n'"guide $guide"
done
[[ $probe_output == "$expected_output" ]] ||
    fail "the probe found the engine or the guides elsewhere: $probe_output"
echo "window with its icon: $window_png"

# Another program's build, first through pkg-config, then through CMake.
pc_folder=$(dirname "$(find "$prefix/lib" -name fileworks5.pc)")
libraries=$(PKG_CONFIG_PATH=$pc_folder pkg-config --cflags --libs fileworks5)
# shellcheck disable=SC2086 # the flags are words
cc "$consumer/consumer.c" $libraries -o consumer-pc
LD_LIBRARY_PATH=$(dirname "$pc_folder") ./consumer-pc || fail "the pkg-config build does not run"
cmake -S "$consumer" -B consumer-cmake -DCMAKE_PREFIX_PATH="$prefix" >consumer.log 2>&1 ||
    fail "find_package: $(cat consumer.log)"
cmake --build consumer-cmake >>consumer.log 2>&1 || fail "the find_package build: $(cat consumer.log)"
consumer-cmake/consumer || fail "the find_package build does not run"
echo "install check passed"
