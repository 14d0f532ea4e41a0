#!/usr/bin/env bash
# Brings assets/translations/*.ts up to date with the texts of the sources: new texts are added
# unfinished (to translate with Qt Linguist), texts gone from the sources are dropped.
#   tools/update-translations.sh            update every .ts file
#   tools/update-translations.sh fr         also start assets/translations/tessaline_fr.ts
#   tools/update-translations.sh --into DIR write the updated copies into DIR, keeping texts
#                                           gone from the sources (for the check), and leave
#                                           the repository as it is
# The place names' source texts are the item file's names (assets/items.txt), in the context
# PlaceName; the others are the tr()/translate()/QT_TRANSLATE_NOOP texts of quiz/, shell/ and
# mapdata/. Needs lupdate (Debian: qt6-l10n-tools).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
into=
languages=()
while [ $# -gt 0 ]; do
    case $1 in
        --into) into=$2; shift 2 ;;
        *) languages+=("$1"); shift ;;
    esac
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The item file's first fields, marked for lupdate as C++ would mark them.
python3 - "$root/assets/items.txt" > "$work/placenames.cpp" <<'PY'
import json, sys
with open(sys.argv[1], encoding="utf-8") as f:
    for line in f.read().splitlines():
        name = line.split(",")[0]
        if name:
            print('QT_TRANSLATE_NOOP("PlaceName", %s);' % json.dumps(name, ensure_ascii=False))
PY

ts_files=()
for ts in "$root"/assets/translations/tessaline_*.ts; do
    [ -e "$ts" ] && ts_files+=("$ts")
done
for language in "${languages[@]}"; do
    ts="$root/assets/translations/tessaline_$language.ts"
    [ -e "$ts" ] || ts_files+=("$ts")
done
[ ${#ts_files[@]} -gt 0 ] || { echo "no .ts file to update" >&2; exit 1; }

options=(-locations none -no-ui-lines -silent -source-language en)
if [ -n "$into" ]; then
    mkdir -p "$into"
    targets=()
    for ts in "${ts_files[@]}"; do
        cp "$ts" "$into/" 2>/dev/null || true
        targets+=("$into/$(basename "$ts")")
    done
else
    options+=(-no-obsolete)
    targets=("${ts_files[@]}")
fi
"$lupdate" "${options[@]}" "$root/quiz" "$root/shell" "$root/mapdata" "$work/placenames.cpp" \
    -ts "${targets[@]}"
