#!/usr/bin/env bash
# Checks the Windows build under Wine, in a private X server with a private PulseAudio null
# sink: the executable's resources, the unit tests, the zip and the MSI with the notices
# beside the program, a played game of the real program from the unpacked zip (also with an
# items.txt of Unix line ends) and from the installed MSI (one wrong drop, one right drop,
# their sounds, a drop by keyboard, from the zip the rest of the game by clicks to the box
# titled exactly SUCCESS, then Exit), an error box titled exactly Application Error, and the
# MSI's repeat install, upgrade, refused downgrade and silent removal.
#
#   tests/windows/run.sh BUILD_DIR        (as made by tools/windows/build.sh)
#
# Needs what tools/setup-debian.sh --windows installs. Exit status: the number of failed
# checks, 0 when all passed.
set -uo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "${1:?usage: run.sh BUILD_DIR}" && pwd)"
readonly WINDOW_TIMEOUT_S=60    # Wine's first start of a program in a new prefix is slow
readonly EXIT_TIMEOUT_S=20
readonly CLIENT_WIDTH=999 CLIENT_HEIGHT=706

# shellcheck source=../../tools/private-session.sh
source "$root/tools/private-session.sh"
work="$(mktemp -d /tmp/tessaline-windows.XXXXXX)"
chmod 700 "$work"
program=""
cleanup() {
    [[ -n "$program" ]] && kill "$program" 2>/dev/null
    game_stop
    WINEPREFIX="$work/wine" wineserver -k 2>/dev/null
    stop_private_session
    rm -rf "$work"
}
trap cleanup EXIT

# shellcheck source=../lib/played-game.sh
source "$root/tests/lib/played-game.sh"

# ---- the private X server, sound server and Wine prefix ----
start_private_x "$work" -ac || exit 1
# Wine plays through winepulse into the null sink.
readonly SINK=tessaline_wine
start_private_pulse "$work" "$SINK" || fail "PulseAudio null sink"

# winemenubuilder off: nothing installed here reaches the host's menus.
export WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wineboot -i >/dev/null 2>&1

# ---- the executable's resources: icon group 1 of four images and version block 1 ----
exe="$build/Tessaline.exe"
resources="$(wrestool -l "$exe" 2>&1)"
echo "$resources"
check "resources: four icons, icon group 1, version block 1, nothing else" \
    test "$(grep -c -- '--type=3 ' <<<"$resources")" -eq 4 -a \
         "$(grep -c -- '--type=14 --name=1 ' <<<"$resources")" -eq 1 -a \
         "$(grep -c -- '--type=16 --name=1 ' <<<"$resources")" -eq 1 -a \
         "$(wc -l <<<"$resources")" -eq 6
version_block="$(wrestool -x --raw --type=16 --name=1 "$exe" | iconv -f UTF-16LE -t UTF-8 -c | tr -c '[:print:]' ' ')"
check "version block: Tessaline 7.00 by Quelmark" \
    grep -q 'ProductName *Tessaline.*FileVersion *7\.00.*ProductVersion *7\.00' <<<"$version_block"
check "no console window (GUI subsystem)" \
    grep -qi 'subsystem.*(Windows GUI)' <(x86_64-w64-mingw32-objdump -p "$exe")

# ---- the unit tests, cross-built, under Wine ----
# They run before Arial is given to the prefix, so the layout tests see the program's own
# stand-ins for a missing font at work.
check "unit tests under Wine" \
    ctest --test-dir "$build" -LE soak --output-on-failure --timeout 600 ${TESSALINE_CTEST_ARGS:-}
# Offscreen under Wine finds no fonts, so the name-fit test skips there; the fault it guards
# against (a wider stand-in face cutting a name off) happened here. It runs again on the
# Windows platform plugin, with the fonts Wine gives a program without Arial, and must pass,
# not skip. Wine hands no QT_* variable to a Windows program: the platform is an argument.
fit_test() {
    wine "$build/tests/quiz/test_quiz.exe" -platform windows \
        --gtest_filter='QuizWindowOnScreen.EveryNameFitsItsPoolLabelAndItsMapLabel' 2>&1 |
        tr -d '\r' | tee "$work/fit-test.txt" >/dev/null
    grep -q '^\[  PASSED  \] 1 test' "$work/fit-test.txt" || { cat "$work/fit-test.txt"; return 1; }
}
check "every name fits its pool and map labels with the Windows platform's fonts" fit_test

# For the played game, Wine maps Arial to the metric-compatible Liberation faces, as a
# user without Windows' own fonts would set it up.
for pair in "Arial=Liberation Sans" "Arial Narrow=Liberation Sans Narrow"; do
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${pair%%=*}" /t REG_SZ \
        /d "${pair#*=}" /f >/dev/null 2>&1
done

# ---- the zip: one folder with the program and its files ----
zip="$(ls "$build"/Tessaline-*-win64.zip | head -1)"
mkdir -p "$work/unpacked"
unzip -q "$zip" -d "$work/unpacked"
folder="$(find "$work/unpacked" -mindepth 1 -maxdepth 1 -type d | head -1)"
for f in Tessaline.exe items.txt HAND-M.CUR x/o.cjs sounds/correct.wma sounds/wrong.wma \
    sounds/complete.wma; do
    check "zip holds $f" test -f "$folder/$f"
done
check "items.txt has CRLF line ends" \
    test "$(grep -c $'\r$' "$folder/items.txt")" -eq "$(wc -l <"$folder/items.txt")"

for f in COPYING.txt THIRD-PARTY-NOTICES.txt; do
    check "zip holds $f" test -f "$folder/$f"
done

# ---- the notices name everything the executable links statically ----
# The Qt modules and Qt's bundled libraries on the executable's link line, and the code
# that Qt Core and Qt Gui carry inside them; then the MinGW runtime.
notices="$folder/THIRD-PARTY-NOTICES.txt"
link_line="$(grep -A3 '^build Tessaline.exe' "$build/build.ninja" | tr ' ' '\n')"
declare -A bundled_name=([Harfbuzz]=HarfBuzz [Libpng]=libpng [Freetype]=FreeType
    [Pcre2]=PCRE2 [Libjpeg]=libjpeg [Zlib]=zlib)
for library in $(grep -oE 'libQt6Bundled[A-Za-z0-9]+\.a' <<<"$link_line" | sort -u); do
    name="${library#libQt6Bundled}" name="${name%.a}"
    check "notices name the bundled ${bundled_name[$name]:-$name}" \
        grep -qi -- "--- .*${bundled_name[$name]:-$name}" "$notices"
done
notices_line() { tr -d '\r' <"$notices" | grep -x -- "$1" >/dev/null; }
for code in 3rdparty/zlib 3rdparty/double-conversion 3rdparty/md4c corelib/text; do
    check "notices name the code Qt carries in src/$code" \
        notices_line "Third-party code in qtbase: src/$code"
done
for module in qtbase qtshadertools qtmultimedia; do
    check "notices name Qt module $module" grep -q "^Qt module $module " "$notices"
done
check "Qt Multimedia is linked, so noticed" grep -q 'libQt6Multimedia\.a' <<<"$link_line"
for runtime in libstdc++.a libgcc.a libwinpthread.a; do
    check "notices name the MinGW runtime's $runtime" grep -q "^MinGW-w64 runtime: .*$runtime" "$notices"
done
check "the shipped executable is stripped" \
    sh -c "! x86_64-w64-mingw32-objdump -h '$folder/Tessaline.exe' | grep -q '\.debug_'"

# ---- the MSI's properties ----
msi="$(ls "$build"/Tessaline-*-win64.msi | head -1)"
property() { msiinfo export "$1" Property | tr -d '\r' | awk -F'\t' -v p="$2" '$1 == p { print $2 }'; }
version_text="$(basename "$zip" | sed -E 's/^Tessaline-(.*)-win64\.zip$/\1/')"
msi_version="$(property "$msi" ProductVersion)"
upgrade_code="$(property "$msi" UpgradeCode)"
check "MSI: ProductName Tessaline" test "$(property "$msi" ProductName)" = Tessaline
check "MSI: ProductVersion $msi_version is $version_text in three numeric fields" \
    test "$msi_version" = "$(sed -E 's/^([0-9]+)\.0*([0-9]+)$/\1.\2.0/' <<<"$version_text")"
check "MSI: Manufacturer Quelmark" test "$(property "$msi" Manufacturer)" = Quelmark
check "MSI: an upgrade code" grep -qE '^\{[0-9A-F-]{36}\}$' <<<"$upgrade_code"
check "MSI: per machine (ALLUSERS=1)" test "$(property "$msi" ALLUSERS)" = 1
check "MSI: 64-bit" grep -q 'Template: x64;' <(msiinfo suminfo "$msi")
check "MSI: the shortcut passes the property TESSALINE_LANG as --lang" \
    grep -q -- '--lang=\[TESSALINE_LANG\]' <(msiinfo export "$msi" Shortcut)
check "MSI: the same files as the zip" \
    test "$(msiinfo export "$msi" File | tail -n +4 | cut -f3 | sort | tr '\n' ' ')" = \
         "$(find "$folder" -type f -printf '%f\n' | sort | tr '\n' ' ')"

# ---- a played game ----
# play_game FOLDER LABEL [to-end [LOCALE LANGUAGE]]: starts FOLDER/Tessaline.exe from its
# folder, plays two drops by dragging and one by keyboard, checks what is seen, every text of
# the window and what is heard; with to-end, plays the rest of the game by clicks to the box
# titled exactly SUCCESS and dismisses it; and ends it with Exit. Each game keeps its captures
# in a folder of its own. With LOCALE, Wine runs under that desktop locale and the texts are
# read in LANGUAGE (es, pt_BR, fr, nl), as the program's translation gives them.
play_game() {
    local from="$1" label="$2" to_end="${3:-}" locale="${4:-}" language="${5:-}" work
    work="$base_work/$label"
    mkdir -p "$work"
    echo "---- a played game from the $label${locale:+ under $locale}"
    game_record "$SINK"
    if [[ -n "$locale" ]]; then
        # Wine takes the Windows display language from the C library's locale, which need not
        # be installed: it is compiled into a private folder (LOCPATH) from Debian's sources.
        mkdir -p "$base_work/locales"
        [[ -d "$base_work/locales/$locale" ]] ||
            localedef -i "${locale%%.*}" -f "${locale##*.}" "$base_work/locales/$locale" ||
            fail "$label: the locale $locale is made"
        (cd "$from" && LOCPATH="$base_work/locales" LANG="$locale" LC_ALL="$locale" \
            exec wine Tessaline.exe) &
    else
        (cd "$from" && exec wine Tessaline.exe) &
    fi
    program=$!
    if ! game_find_window "$WINDOW_TIMEOUT_S"; then
        fail "$label: window titled Tessaline opens"
        kill "$program" 2>/dev/null
        program=""
        game_stop
        return
    fi
    pass "$label: window titled Tessaline opens"
    sleep 2 # the first frame, then the sounds prepared after it
    # Without a window manager, Wine's X window is the client area itself.
    check "$label: client area is ${CLIENT_WIDTH} x ${CLIENT_HEIGHT}" \
        test "$WIDTH" -eq "$CLIENT_WIDTH" -a "$HEIGHT" -eq "$CLIENT_HEIGHT"
    game_play_drops
    game_check_board
    check "$label: every text of the window reads right at the start" \
        python3 "$root/tests/lib/read-window.py" "$work/start.png" --origin 0,0 \
        --items "$from/items.txt" --lang "$language"
    check "$label: every text reads right after the drops, Peru on the map" \
        python3 "$root/tests/lib/read-window.py" "$work/right.png" --origin 0,0 --placed Peru \
        --items "$from/items.txt" --lang "$language"
    if [[ "$to_end" == to-end ]]; then
        game_stop # the recording holds the three drops' sounds
        game_play_to_end
    fi
    game_exit "$program" "$EXIT_TIMEOUT_S"
    program=""
    game_check_sounds "$root/assets/sounds"
}
base_work="$work"

play_game "$folder" zip to-end
# Qt's translations and the program's are in the static executable: under a Spanish, a French
# or a Dutch desktop every text is in that language.
play_game "$folder" zip-es "" es_ES.UTF-8 es
play_game "$folder" zip-fr "" fr_FR.UTF-8 fr
play_game "$folder" zip-nl "" nl_NL.UTF-8 nl
# An item list saved with line feeds alone (a Unix editor, a Git checkout with line-end
# conversion) plays the same game to the end.
mkdir -p "$work/unix-items"
cp -r "$folder/." "$work/unix-items/"
sed -i 's/\r$//' "$work/unix-items/items.txt"
check "the copy's items.txt has no carriage return" \
    test "$(grep -c $'\r' "$work/unix-items/items.txt")" -eq 0
play_game "$work/unix-items" zip-unix-items to-end

# ---- an error box: its window is titled exactly "Application Error" ----
# Without items.txt the load reports the file missing, after the application title is set.
mkdir -p "$work/no-items"
cp -r "$folder/." "$work/no-items/"
rm "$work/no-items/items.txt"
(cd "$work/no-items" && exec wine Tessaline.exe) &
program=$!
if game_find_box "Application Error" "$WINDOW_TIMEOUT_S"; then
    pass "no items.txt: the error box is titled exactly Application Error"
    game_answer_box
    if game_find_window "$WINDOW_TIMEOUT_S"; then
        pass "no items.txt: after the error box the window opens"
        game_exit "$program" "$EXIT_TIMEOUT_S"
    else
        fail "no items.txt: after the error box the window opens"
    fi
else
    fail "no items.txt: the error box is titled exactly Application Error (${game_box_seen:-no box})"
fi
if [[ -n "$program" ]] && kill -0 "$program" 2>/dev/null; then
    kill "$program" 2>/dev/null
    wait "$program" 2>/dev/null
fi
program=""

# ---- the MSI under Wine: install, play, repeat, upgrade, downgrade, removal ----
program_files="$WINEPREFIX/drive_c/Program Files/Tessaline"
start_menus=("$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
             "$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs")
readonly UNINSTALL_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
# The uninstall entries named Tessaline, one "DisplayVersion" line each.
installed_versions() {
    wine reg query "$UNINSTALL_KEY" /s 2>/dev/null | tr -d '\r' |
        awk '/^HKEY/ { if (named) print version; named = 0; version = "" }
             /DisplayName +REG_SZ +Tessaline$/ { named = 1 }
             /DisplayVersion +REG_SZ/ { version = $NF }
             END { if (named) print version }'
}
shortcuts() { find "${start_menus[@]}" -name 'Tessaline.lnk' 2>/dev/null; }
# The machine policy's SiteVisit value as "TYPE DATA", or nothing when there is none.
readonly POLICY_KEY='HKLM\SOFTWARE\Policies\Quelmark\Tessaline'
site_visit_policy() {
    wine reg query "$POLICY_KEY" /v SiteVisit 2>/dev/null | tr -d '\r' |
        awk '$1 == "SiteVisit" { print $2, $3 }'
}
msiexec_quiet() { wine msiexec "$@" /qn >/dev/null 2>&1; }

check "MSI: silent install succeeds" msiexec_quiet /i "$msi"
for f in Tessaline.exe items.txt HAND-M.CUR x/o.cjs sounds/correct.wma sounds/wrong.wma \
    sounds/complete.wma COPYING.txt THIRD-PARTY-NOTICES.txt; do
    check "MSI: installs Program Files\\Tessaline\\$f" test -f "$program_files/$f"
done
check "MSI: installs the same files as the zip" diff -r "$folder" "$program_files"
check "MSI: a Start-menu shortcut Tessaline.lnk" test -n "$(shortcuts)"
shortcut_file="$(shortcuts | head -1)"
check "MSI: with no TESSALINE_LANG the shortcut leaves the language to the desktop (--lang=)" \
    grep -qx -- '--lang=' <(strings -el "${shortcut_file:-/dev/null}")
check "MSI: an uninstall entry Tessaline $msi_version" test "$(installed_versions)" = "$msi_version"
check "MSI: the uninstall entry names Quelmark" \
    grep -q 'Publisher .*Quelmark' <(wine reg query "$UNINSTALL_KEY" /s 2>/dev/null | tr -d '\r')
check "MSI: without SITEVISIT, no machine policy is written" test -z "$(site_visit_policy)"

play_game "$program_files" msi

check "MSI: installing again succeeds" msiexec_quiet /i "$msi"
check "MSI: installing again leaves one copy" test "$(installed_versions)" = "$msi_version"

# A later version, built here from the same description with the version bumped.
later_version="${msi_version%.*}.$((${msi_version##*.} + 1))"
later="$work/later.msi"
msi_dir="$build/packaging/windows/msi"
sed "s/Version=\"$msi_version\"/Version=\"$later_version\"/" "$msi_dir/tessaline.wxs" >"$msi_dir/later.wxs"
(cd "$msi_dir" && wixl -a x64 -o "$later" later.wxs files.wxs) 2>/dev/null
python3 "$root/packaging/windows/msi-policy.py" "$later" SiteVisitPolicy SITEVISIT 0
rm -f "$msi_dir/later.wxs"
check "MSI: the later version $later_version is built" test -f "$later"
check "MSI: the later version installs over this one" msiexec_quiet /i "$later"
check "MSI: after the upgrade, only $later_version is installed" \
    test "$(installed_versions)" = "$later_version"
check "MSI: the earlier version is refused over the later one" \
    sh -c "! WINEPREFIX='$WINEPREFIX' wine msiexec /i '$msi' /qn >/dev/null 2>&1"
check "MSI: after the refused downgrade, $later_version is still installed" \
    test "$(installed_versions)" = "$later_version"
check "MSI: the downgrade message is in the package" \
    grep -q 'A later version of Tessaline is already installed' <(msiinfo export "$msi" LaunchCondition)

check "MSI: silent removal succeeds" msiexec_quiet /x "$later"
check "MSI: removal leaves no folder" test ! -e "$program_files"
check "MSI: removal leaves no shortcut" test -z "$(shortcuts)"
check "MSI: removal leaves no uninstall entry" test -z "$(installed_versions)"
check "MSI: removal leaves no Quelmark registry key" \
    sh -c "! WINEPREFIX='$WINEPREFIX' wine reg query 'HKLM\\Software\\Quelmark' >/dev/null 2>&1"

# ---- the machine policy: SITEVISIT=0 writes SiteVisit = 0, removal takes it away ----
check "MSI: installing with SITEVISIT=0 succeeds" msiexec_quiet /i "$msi" SITEVISIT=0
check "MSI: SITEVISIT=0 writes $POLICY_KEY SiteVisit, a DWORD of 0" \
    test "$(site_visit_policy)" = "REG_DWORD 0x0"
check "MSI: silent removal after SITEVISIT=0 succeeds" msiexec_quiet /x "$msi"
check "MSI: removal takes the machine policy away" test -z "$(site_visit_policy)"
check "MSI: removal leaves no folder after SITEVISIT=0" test ! -e "$program_files"

echo "windows: $failed failed"
exit "$failed"
