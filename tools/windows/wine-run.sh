#!/usr/bin/env bash
# Runs a Windows program under Debian's Wine: CMake's cross-compiling emulator (the
# build's own tools at build time, the tests under CTest) and the checks in tests/windows.
# Uses $WINEPREFIX when it is set; otherwise a temporary prefix for this run alone.
set -euo pipefail
export WINEDEBUG="${WINEDEBUG:--all}"
# No prompts to install Wine's .NET and HTML engines: nothing here uses them.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
if [ -z "${WINEPREFIX:-}" ]; then
    WINEPREFIX="$(mktemp -d "${TMPDIR:-/tmp}/tessaline-wine.XXXXXX")"
    export WINEPREFIX
    trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
fi
wine "$@"
