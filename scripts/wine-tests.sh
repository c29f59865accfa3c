# Sourced by the Windows scripts.
# run_tests_under_wine <label> <build folder> <seconds per test>
# Runs every test of a cross build through CTest, each under Wine (the
# toolchain's emulator; the tests are listed under Wine when CTest runs).
# Prints "<label>: N tests, N passed, N failed, N skipped" and names the
# skipped ones with their reasons; the output of failed tests goes to
# standard error. Fails when a test fails or does not run, or when none is
# found.
run_tests_under_wine() {
    local label=$1 folder=$2 timeout=$3 log=$2/ctest.log status=0
    ctest --test-dir "$folder" --parallel "$(nproc)" --timeout "$timeout" \
        --output-on-failure --no-tests=error > "$log" 2>&1 || status=$?
    local total=0 failed=0 skipped
    if [[ $(< "$log") =~ tests\ passed,\ ([0-9]+)\ tests?\ failed\ out\ of\ ([0-9]+) ]]; then
        failed=${BASH_REMATCH[1]}
        total=${BASH_REMATCH[2]}
    fi
    skipped=$(grep -c '(Skipped)$' "$log" || true)
    if [[ $status -ne 0 || $total -eq 0 ]]; then
        grep -vE '^ +Start |Passed +[0-9.]+ sec$' "$log" | tail -80 >&2
        ((failed > 0)) || failed=1  # the tests did not run at all
    fi
    echo "$label: $total tests, $((total - failed - skipped)) passed, $failed failed, $skipped skipped"
    # GoogleTest's report of a skipped test: "<file>:<line>: Skipped", the
    # reason, "[  SKIPPED ] <test> (<n> ms)".
    ((total > 0)) && awk '/: Skipped$/ { getline reason }
         /^\[  SKIPPED \] .* ms\)$/ { sub(/^\[  SKIPPED \] /, ""); sub(/ \([0-9]+ ms\)$/, "")
                                      print "    skipped: " $0 ": " reason; reason = "" }' \
        "$folder/Testing/Temporary/LastTest.log"
    [[ $failed -eq 0 ]]
}
