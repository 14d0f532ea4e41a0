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
# A crash ends the program with a backtrace on stderr instead of a debugger that waits
# for someone to close its window (and holds the caller's output open meanwhile).
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
    >/dev/null 2>&1
wine "$@"
