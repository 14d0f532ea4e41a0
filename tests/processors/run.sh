#!/usr/bin/env bash
# Runs the test programs that draw, scale and convert pictures again on narrower x86-64
# processors, emulated by qemu-user. Qt picks its image code by the processor's instructions
# (SSE2 up to AVX-512) and those paths may round differently, so what holds on this machine's
# processor must hold on the others too.
#
#   tests/processors/run.sh BUILD_DIR        (a native build with its tests)
#
# Qt's own switch for this, QT_NO_CPU_FEATURE, turns nothing off in Qt 6.4: its table of
# feature names keeps a leading space on each name, so no name given matches. Emulation hides
# the instructions from the processor identification itself, which Qt and the C library both
# read; the dynamic loader's report of the x86-64 levels it finds proves each model narrower.
# Needs qemu-user (tools/setup-debian.sh --extra). Exit status: the number of failed runs.
set -uo pipefail
build="$(cd "${1:?usage: run.sh BUILD_DIR}" && pwd)"

# Model, and how many of the levels x86-64-v2, -v3 and -v4 it offers: the baseline (SSE2),
# SSE4.2 without AVX, and AVX2 without AVX-512.
readonly MODELS=("qemu64 0" "Nehalem 1" "Haswell 2")
readonly PROGRAMS=(tests/mapdata/design/test_design tests/mapdata/toolkit/test_toolkit
                   tests/shell/test_shell tests/quiz/test_quiz)
readonly LOADER=/lib64/ld-linux-x86-64.so.2

failed=0
log="$(mktemp /tmp/tessaline-processors.XXXXXX)"
trap 'rm -f "$log"' EXIT
for entry in "${MODELS[@]}"; do
    read -r model levels <<<"$entry"
    offered="$(qemu-x86_64 -cpu "$model" "$LOADER" --help 2>/dev/null |
        grep -c '^  x86-64-v[0-9] (supported')"
    if [[ "$offered" != "$levels" ]]; then
        echo "FAILED: $model offers $offered x86-64 levels above the baseline, not $levels"
        failed=$((failed + 1))
        continue
    fi
    for program in "${PROGRAMS[@]}"; do
        # qemu warns on stderr about model features it does not emulate: kept for a failure.
        if QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 \
            qemu-x86_64 -cpu "$model" "$build/$program" >"$log" 2>&1; then
            echo "ok: $model: $(basename "$program"): $(grep '^\[  PASSED  \]' "$log")"
        else
            echo "FAILED: $model: $(basename "$program")"
            grep -E '^\[  FAILED  \]|Failure$|^(Expected|Which is|  Actual)' "$log" | head -40
            failed=$((failed + 1))
        fi
    done
done
echo "processors: $failed failed"
exit "$failed"
