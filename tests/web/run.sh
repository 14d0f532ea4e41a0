#!/usr/bin/env bash
# Checks the web page in Debian's headless Chromium, served from 127.0.0.1: a game played by
# mouse and by touch to the end in English (the browser's language) and in Spanish (?lang=es,
# the page drawn at twice the density), and the error box of a server without items.txt
# (tests/web/play.py plays each).
#
#   tests/web/run.sh BUILD_DIR        (as made by tools/web/build.sh: BUILD_DIR/web is served)
#
# Needs what tools/setup-debian.sh --web installs. Exit status: the number of failed checks.
set -uo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "${1:?usage: run.sh BUILD_DIR}" && pwd)"
work="$(mktemp -d /tmp/tessaline-web.XXXXXX)"
servers=()
cleanup() {
    for pid in "${servers[@]}"; do kill "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT

# Serves a folder on a free port of 127.0.0.1; sets page to its address. (Not in a command
# substitution: the server must be this shell's child, for cleanup to stop it.)
serve() { # folder
    local port
    port="$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')"
    /usr/bin/python3 -m http.server --bind 127.0.0.1 --directory "$1" "$port" \
        >"$work/server-$port.log" 2>&1 &
    servers+=("$!")
    for _ in $(seq 50); do
        curl -sf -o /dev/null "http://127.0.0.1:$port/index.html" && break
        sleep 0.1
    done
    page="http://127.0.0.1:$port/index.html"
}

failed=0
play() { # title play.py-arguments...
    echo "---- $1"
    shift
    /usr/bin/python3 "$root/tests/web/play.py" "$@" "$root" --shots "$work/shots-$RANDOM"
    failed=$((failed + $?))
}

serve "$build/web"
play "English, the browser's language" "$page?scale=1"
play "Spanish, on a screen of twice the density" "$page?scale=1" --lang es --density 2

cp -r "$build/web" "$work/no-items"
rm "$work/no-items/items.txt"
serve "$work/no-items"
play "no items.txt on the server" "$page?scale=1" --missing-items

echo "$failed failed"
exit "$failed"
