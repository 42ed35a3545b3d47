#!/usr/bin/env bash
# "generate" on a scratch data file, read back with "list": counters, Ids, refusals, Ctrl-C.
# Usage: generate_test.sh CLI SCRATCH_FOLDER
set -euo pipefail
cli="$1"
work="$2"
rm -rf "$work"
mkdir -p "$work"
data="$work/puzzles.dat"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
expect_line() {  # FILE TEXT
    grep -qF -- "$2" "$1" || { cat "$1" >&2; fail "expected '$2' in $1"; }
}

# A new file: two puzzles with Ids 1 and 2, progress on stderr, nothing on stdout.
"$cli" generate --size mini --stars 2 --count 2 --seed 11 --data "$data" \
    >"$work/out1" 2>"$work/err1" || fail "generate exited $?"
expect_line "$work/err1" "puzzle 2 of 2: Id 2 in slot 2"
[ ! -s "$work/out1" ] || fail "generate wrote to stdout"
"$cli" list --data "$data" >"$work/list1"
expect_line "$work/list1" "Puzzles stored: 2"
expect_line "$work/list1" "Last puzzle Id: 2"
expect_line "$work/list1" "2 Star 2"
[ "$(grep -c '9 x 13' "$work/list1")" -eq 2 ] || fail "two Mini puzzles expected"
! grep -q damaged "$work/list1" || fail "a generated puzzle reads as damaged"
cp "$data" "$work/first.dat"

# The same seed makes the same file.
"$cli" generate --size mini --stars 2 --count 2 --seed 11 --data "$work/again.dat" 2>/dev/null
cmp -s "$work/first.dat" "$work/again.dat" || fail "same seed, different puzzles"

# Appending continues the Ids and the counters, and tidies away what a killed save left, and
# nothing else.
echo leftover >"$data.~saving~QwErTy12"
echo mine >"$data.QwErTy"
"$cli" generate --size small --stars 1 --count 1 --seed 12 --data "$data" 2>/dev/null
[ ! -e "$data.~saving~QwErTy12" ] || fail "a killed save's temporary file was left"
[ -e "$data.QwErTy" ] || fail "a file of the user's was taken for a leftover"
"$cli" list --data "$data" >"$work/list2"
expect_line "$work/list2" "Puzzles stored: 3"
expect_line "$work/list2" "Last puzzle Id: 3"
expect_line "$work/list2" "1 Star 1"

# More than the library holds: refused, file untouched.
cp "$data" "$work/before.dat"
if "$cli" generate --size mini --stars 1 --count 98 --data "$data" 2>"$work/err3"; then
    fail "a request past 100 puzzles was accepted"
fi
expect_line "$work/err3" "more than 100 puzzles"
cmp -s "$data" "$work/before.dat" || fail "a refused request changed the file"

# Bad arguments are usage errors.
for bad in "--size huge --stars 1 --count 1" "--size mini --stars 6 --count 1" \
    "--size mini --stars 1 --count 0" "--size mini --stars 1 --count 1 --seed -4"; do
    set +e
    # shellcheck disable=SC2086
    "$cli" generate $bad --data "$data" 2>/dev/null
    rc=$?
    set -e
    [ "$rc" -eq 2 ] || fail "'$bad' exited $rc, expected 2"
done

# Ctrl-C, kill and a closed terminal after the first puzzle: the one in progress is dropped,
# those made are written, and the exit code says which signal stopped it. Each starts from the
# three-puzzle library with a batch long enough to be stopped. Job control keeps SIGINT from
# being ignored by the background job.
set -m
for sig in INT:130 TERM:143 HUP:129; do
    name="${sig%%:*}"
    copy="$work/stopped_$name.dat"
    cp "$data" "$copy"
    "$cli" generate --size medium --stars 5 --count 97 --seed 13 --data "$copy" \
        2>"$work/err_$name" &
    pid=$!
    for _ in $(seq 600); do
        grep -q "puzzle 1 of 97" "$work/err_$name" && break
        sleep 0.1
    done
    kill -"$name" "$pid"
    set +e
    wait "$pid"
    rc=$?
    set -e
    [ "$rc" -eq "${sig##*:}" ] || { cat "$work/err_$name" >&2; fail "SIG$name: exited $rc"; }
    made="$(grep -c ' in slot ' "$work/err_$name")"
    [ "$made" -ge 1 ] && [ "$made" -lt 97 ] || fail "SIG$name: $made puzzles reported"
    expect_line "$work/err_$name" "Stopped by SIG$name: $made of 97 made and kept"
    "$cli" list --data "$copy" >"$work/list_$name"
    expect_line "$work/list_$name" "Puzzles stored: $((3 + made))"
done

echo "generate test: all checks passed"
