#!/bin/bash
# Runs sonvale-convert as a user or a script would and checks what it prints,
# what it writes and how it exits.
set -u
tool=$(realpath "$1")
fixtures=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
passed=0
failed=0

check() {  # check DESCRIPTION CONDITION...
    local what=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $what" >&2
        echo "  stdout: $(cat out.txt 2>/dev/null)" >&2
        echo "  stderr: $(cat err.txt 2>/dev/null)" >&2
    fi
}

run() { "$tool" "$@" >out.txt 2>err.txt; echo $? >status.txt; }
status() { [ "$(cat status.txt)" = "$1" ]; }
says() { grep -qxF -- "$2" "$1"; }
empty() { [ ! -s "$1" ]; }

printf '\x2e\x73\x6e\x64\x00\x00\x00\x18\x00\x00\x00\x03\x00\x00\x00\x02\x00\x00\x1f\x40\x00\x00\x00\x01\x80\x10\xc8' >voice.au
printf '\x2e\x73\x6e\x64\x00\x00\x00\x18\x00\x00\x00\x03\x00\x00\x00\x02\x00\x00\x1f\x40\x00\x00\x00\x01\x90\xf0' >expected.zqa
printf 'RIFF....WAVE' >song.wav

run voice.au
check "converts to the proposed name" status 0
check "prints the input and the message" says out.txt "voice.au: Velloc Audio file saved successfully."
check "writes the packed file" cmp -s voice.zqa expected.zqa
check "nothing on stderr when saved" empty err.txt

run voice.au
check "an existing output is not overwritten" status 1
check "the refusal names the file" grep -q "voice.zqa" err.txt
check "the refusal says how to overwrite" grep -q -- "-f" err.txt

printf 'keep' >voice.zqa
run -f voice.au
check "-f overwrites" status 0
check "-f overwrite content" cmp -s voice.zqa expected.zqa

run -q -o custom.out voice.au
check "-o writes to the given name" cmp -s custom.out expected.zqa
check "-q prints nothing when saved" empty out.txt

run -f song.wav
check "non-AU input fails" status 1
check "non-AU message on stderr" says err.txt "song.wav: Not a valid AU file."
check "non-AU creates no output" test ! -e song.zqa

run -f missing.au voice.au
check "one failure among several gives 1" status 1
check "missing input reported" says err.txt "missing.au: Cannot open Input file."
check "the other input is still converted" says out.txt "voice.au: Velloc Audio file saved successfully."

run -f -o voice.au voice.au
check "same file refused" says err.txt "voice.au: Input and Output file are the same."
check "same file kept" test "$(wc -c <voice.au)" -eq 27
ln voice.au hardlink.au
run -f -o hardlink.au voice.au
check "hard link is the same file" says err.txt "voice.au: Input and Output file are the same."

run -o /dev/full voice.au
check "full disk is a failure" status 1
check "full disk message" says err.txt "voice.au: Cannot write Output file."
check "/dev/full survives" test -c /dev/full

run -o /dev/null voice.au
check "a device needs no -f" status 0

head -c 400000 /dev/urandom >noise
cat voice.au noise >big.au
( trap '' XFSZ; ulimit -f 100; "$tool" -f big.au >out.txt 2>err.txt; echo $? >status.txt )
check "write failing part way is a failure" status 1
check "part-way failure message" says err.txt "big.au: Cannot write Output file."
check "no half-written output is left" test ! -e big.zqa

mkdir folder.au
run -f folder.au
check "read error message" says err.txt "folder.au: Cannot read Input file."

for f in "$fixtures"/*.au; do
    run -f -o peer.zqa "$f"
    check "peer file $(basename "$f") converts" status 0
    check "peer file $(basename "$f") length" test "$(wc -c <peer.zqa)" -lt "$(wc -c <"$f")"
done

for args in "" "-x voice.au" "-o" "-o x a.au b.au"; do
    # shellcheck disable=SC2086
    run $args
    check "usage error for '$args'" status 2
    check "usage error for '$args' points to --help" grep -q -- "--help" err.txt
done

run --help
check "--help exits 0" status 0
check "--help shows usage" grep -q "^Usage: sonvale-convert" out.txt
run --version
check "--version" says out.txt "sonvale-convert (Sonvale) 1.0.0.1"

run -f -- -dash.au
check "-- ends the options" says err.txt "-dash.au: Cannot open Input file."

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
