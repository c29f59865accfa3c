# Checks shared by install_check.sh and package_check.sh, on installed
# programs. Sourced.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# check_command_line QLY734 VERSION: --version and --help are answered without
# a display (on the X11 platform with no X server, a window would abort), and
# an unknown option is a usage error (status 2).
check_command_line() {
    local program=$1 version=$2 answer status
    answer=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" --version 2>&1) ||
        fail "$program --version: $answer"
    [[ $answer == "qly734 $version" ]] || fail "$program --version says: $answer"
    answer=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" --help 2>&1) ||
        fail "$program --help: $answer"
    [[ $answer == *"Usage: "*"--version"* ]] || fail "$program --help says: $answer"
    status=0
    answer=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" --bogus 2>&1) ||
        status=$?
    [[ $status -eq 2 && $answer == *"Unknown option 'bogus'"* ]] ||
        fail "$program --bogus: status $status: $answer"
}

# check_starts QLY734: the program starts offscreen and is still running two
# seconds later, without a word on standard error (an engine that cannot be
# loaded is reported there before its message box).
check_starts() {
    local program=$1 status=0 errors
    errors=$(QT_QPA_PLATFORM=offscreen timeout 2 "$program" 2>&1 >/dev/null) || status=$?
    errors=$(grep -v '^QStandardPaths: ' <<<"$errors" || true)
    [[ $status -eq 124 && -z $errors ]] || fail "$program ended with status $status: $errors"
}

# check_terminal_program QUILLDAY: the terminal program converts a date with
# its engine.
check_terminal_program() {
    local answer
    answer=$("$1" 2012-12-31 2>&1) || fail "$1 2012-12-31: $answer"
    [[ $answer == "2012-12-31 CE, Monday" ]] || fail "$1 2012-12-31 says: $answer"
}
