#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks the installed tree as a player's desktop,
# `man` and a software centre read it, and that the installed programs keep their data in the
# player's folder. Usage: check_install.sh BUILD_DIR SOURCE_DIR SCRATCH VERSION
set -uo pipefail
build="$1" source="$2" scratch="$3" version="$4"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

rm -rf "$scratch"
prefix="$scratch/prefix"
home="$scratch/home"
mkdir -p "$prefix" "$home"
if ! cmake --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1; then
    cat "$scratch/install.log"
    echo "FAIL: cmake --install"
    exit 1
fi

metainfo="share/metainfo/org.example.crosssums.metainfo.xml"
expected=(
    bin/crosssums
    bin/crosssums-cli
    share/applications/crosssums.desktop
    share/icons/hicolor/16x16/apps/crosssums.png
    share/icons/hicolor/32x32/apps/crosssums.png
    share/icons/hicolor/48x48/apps/crosssums.png
    share/icons/hicolor/64x64/apps/crosssums.png
    share/icons/hicolor/128x128/apps/crosssums.png
    share/icons/hicolor/256x256/apps/crosssums.png
    share/icons/hicolor/scalable/apps/crosssums.svg
    "$metainfo"
    share/man/man6/crosssums.6.gz
    share/man/man6/crosssums-cli.6.gz
    share/man/de/man6/crosssums.6.gz
    share/man/fr/man6/crosssums.6.gz
    share/crosssums/help/index.html
    share/crosssums/help/index.de.html
    share/crosssums/help/index.fr.html
    share/crosssums/translations/crosssums_de.qm
    share/crosssums/translations/crosssums_fr.qm
    share/doc/crosssums/copyright
    share/doc/crosssums/changelog.gz
)
for file in "${expected[@]}"; do
    [ -s "$prefix/$file" ] || fail "missing $file"
done
for program in crosssums crosssums-cli; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is not executable"
done
# Each hicolor PNG has the size of the folder it is in.
for size in 16 32 48 64 128 256; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/crosssums.png"
    [ -s "$png" ] || continue
    # Width and height are the big-endian words at bytes 16 and 20 of a PNG.
    read -r w h < <(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4, $7*256+$8}')
    [ "$w $h" = "$size $size" ] || fail "icon ${size}x${size} is $w x $h"
done
pass "installed files"

# The validators a player's system runs, where they are installed.
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/crosssums.desktop" || fail "desktop entry"
    pass "desktop-file-validate"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/$metainfo" || fail "metainfo"
    pass "appstreamcli validate"
fi
grep -q "<description>" "$prefix/$metainfo" || fail "metainfo without a description"
grep -q '<content_rating type="oars-1.1"' "$prefix/$metainfo" || fail "metainfo without rating"
# Every screenshot named is a committed file.
shots=$(grep -o '<image>[^<]*</image>' "$prefix/$metainfo" | sed 's#</image>##; s#.*/##')
[ -n "$shots" ] || fail "metainfo names no screenshot"
for shot in $shots; do
    [ -s "$source/data/screenshots/$shot" ] || fail "screenshot $shot is not in data/screenshots"
done
if command -v groff >/dev/null; then
    for page in crosssums crosssums-cli; do
        warnings=$(zcat "$prefix/share/man/man6/$page.6.gz" | groff -man -Tutf8 -ww -z 2>&1)
        [ -z "$warnings" ] || fail "$page.6: $warnings"
    done
    pass "manual pages format without warnings"
fi

# The version is the build's everywhere it is shown.
[ "$("$prefix/bin/crosssums-cli" --version 2>/dev/null)" = "crosssums-cli $version" ] ||
    fail "crosssums-cli --version"
grep -q "<release version=\"$version\"" "$prefix/$metainfo" || fail "metainfo release"
zcat "$prefix/share/doc/crosssums/changelog.gz" | head -1 | grep -q "^crosssums ($version)" ||
    fail "changelog version"
# The changelog is signed on the release date that the metainfo gives, in a mail date's words.
released=$(sed -n 's/.*<release version="[^"]*" date="\([0-9-]*\)".*/\1/p' "$prefix/$metainfo")
zcat "$prefix/share/doc/crosssums/changelog.gz" | tail -1 |
    grep -q "  $(LC_ALL=C date -u -d "$released 12:00" '+%a, %d %b %Y %H:%M:%S +0000')$" ||
    fail "changelog date is not the release date $released"
grep -q "^Keywords=.*Kakuro;" "$prefix/share/applications/crosssums.desktop" ||
    fail "desktop entry keywords"
grep -q "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" \
    "$prefix/share/doc/crosssums/copyright" || fail "copyright format"
for page in crosssums crosssums-cli; do
    zcat "$prefix/share/man/man6/$page.6.gz" | grep -q "^\.TH .*\"Cross Sums $version\"" ||
        fail "$page.6 version"
done
# The companion's page describes every command that its --help lists.
commands=$("$prefix/bin/crosssums-cli" --help 2>/dev/null | awk '/^Commands:/{on=1; next}
    on && /^  [a-z]/{print $1}')
[ -n "$commands" ] || fail "crosssums-cli --help lists no command"
# The first word of each entry (the line after .TP) of the page's COMMANDS section.
described=$(zcat "$prefix/share/man/man6/crosssums-cli.6.gz" | awk '/^\.SH/{on = $2 == "COMMANDS"}
    on && tp {print $2} {tp = on && /^\.TP/}')
# The page's text with its escaped hyphens plain, read once.
page_text=$(zcat "$prefix/share/man/man6/crosssums-cli.6.gz" | sed 's/\\-/-/g')
for command in $commands; do
    grep -qx "$command" <<<"$described" || fail "crosssums-cli.6 does not describe $command"
    # And every option of the command's own help.
    options=$("$prefix/bin/crosssums-cli" "$command" --help 2>/dev/null |
        grep -o '^  \(-h, \)\?--[a-z-]*' | sed 's/.*--//')
    for option in $options; do
        grep -q -- "--$option\b" <<<"$page_text" ||
            fail "crosssums-cli.6 does not name $command --$option"
    done
done
pass "version and commands"

# Installed, both programs keep the library in the player's folder, even where the program's
# folder can be written (as by root), and write nothing beside themselves.
before=$(ls -A "$prefix/bin")
user_file="$home/.local/share/VelmorDuvidOzad/VelmorDuvidOzad.dat"
run() { env -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen "$@"; }
run "$prefix/bin/crosssums-cli" generate --size mini --stars 1 --count 2 --seed 5 \
    >"$scratch/generate.log" 2>&1 || fail "installed crosssums-cli generate"
[ "$(stat -c %s "$user_file" 2>/dev/null)" = 999496 ] || fail "no data file in the player's folder"
run "$prefix/bin/crosssums-cli" list 2>/dev/null | grep -q "^Data file: $user_file$" ||
    fail "crosssums-cli list names another data file"
# Not through run(): $! must be the game itself (env replaces itself with it), not a subshell.
env -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen "$prefix/bin/crosssums" \
    >"$scratch/game.log" 2>&1 &
game=$!
trap 'kill -KILL "$game" 2>/dev/null' EXIT
for _ in $(seq 1 300); do
    [ -e "$user_file.lock" ] && break
    sleep 0.1
done
[ -e "$user_file.lock" ] || fail "the installed game did not lock the player's data file"
sleep 0.5
kill -TERM "$game"
wait "$game"
status=$?
trap - EXIT
[ "$status" = 143 ] || fail "the installed game ended with $status after SIGTERM"
# Ended by the signal, the game saved: the preferences are now set.
[ "$(od -An -tu1 -N1 "$user_file" | tr -d ' ')" = 1 ] || fail "the game did not save its file"
[ "$(ls -A "$prefix/bin")" = "$before" ] || fail "something was written beside the programs"
pass "data file in the player's folder"

if [ "$failures" -ne 0 ]; then
    echo "$failures failed"
    exit 1
fi
rm -rf "$scratch"
