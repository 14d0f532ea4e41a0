#!/usr/bin/env bash
# A throwaway code-signing certificate for CI, and the check of a build signed with it.
#
#   tests/windows/signatures.sh certificate DIR     makes DIR/signing.p12 (certificate and key),
#                                                   DIR/signing.pem (the certificate alone) and
#                                                   DIR/password, all readable by the owner only
#   tests/windows/signatures.sh check BUILD_DIR DIR checks the signatures of the build's MSI and
#                                                   of Tessaline.exe in the zip and in the MSI
#
# The certificate is self-signed, so it is given to osslsigncode as the only trusted root: the
# check then proves the signature intact and made with this certificate, and covering the
# file: the executable with one byte changed after signing must fail it. Needs openssl,
# osslsigncode, unzip and msitools. Exit status of check: the number of failed checks.
set -uo pipefail

certificate() {
    local dir="$1"
    mkdir -p "$dir" && chmod 700 "$dir"
    (
        set -e
        umask 077
        openssl rand -hex 16 >"$dir/password"
        openssl req -x509 -newkey rsa:3072 -sha256 -days 2 -nodes \
            -subj "/CN=Tessaline CI throwaway signer" \
            -addext "keyUsage=critical,digitalSignature" -addext "extendedKeyUsage=codeSigning" \
            -keyout "$dir/signing.key" -out "$dir/signing.pem" 2>/dev/null
        openssl pkcs12 -export -inkey "$dir/signing.key" -in "$dir/signing.pem" \
            -out "$dir/signing.p12" -passout "file:$dir/password"
        rm "$dir/signing.key"
    )
}

failed=0
pass() { echo "ok: $1"; }
fail() { echo "FAILED: $1"; failed=$((failed + 1)); }

# verified FILE: the signature verifies against the throwaway certificate alone.
verified() {
    osslsigncode verify -CAfile "$cert" -in "$1" >"$work/verify.log" 2>&1 &&
        grep -q '^Signature verification: ok' "$work/verify.log" &&
        grep -q 'Subject: /CN=Tessaline CI throwaway signer' "$work/verify.log"
}

check() {
    local build dir
    build="$(cd "$1" && pwd)" dir="$(cd "$2" && pwd)"
    cert="$dir/signing.pem"
    work="$(mktemp -d /tmp/tessaline-signatures.XXXXXX)"
    trap 'rm -rf "$work"' EXIT
    local zip msi
    zip="$(ls "$build"/Tessaline-*-win64.zip | head -1)"
    msi="$(ls "$build"/Tessaline-*-win64.msi | head -1)"
    unzip -q "$zip" -d "$work/zip"
    local exe
    exe="$(find "$work/zip" -name Tessaline.exe | head -1)"
    msiextract -C "$work/msi" "$msi" >/dev/null
    local installed
    installed="$(find "$work/msi" -name Tessaline.exe | head -1)"

    if verified "$exe"; then pass "Tessaline.exe in the zip: signature verifies"; else
        fail "Tessaline.exe in the zip: signature verifies"; cat "$work/verify.log"; fi
    if verified "$msi"; then pass "the MSI: signature verifies"; else
        fail "the MSI: signature verifies"; cat "$work/verify.log"; fi
    if [[ -n "$installed" ]] && cmp -s "$exe" "$installed"; then
        pass "the MSI installs the same signed Tessaline.exe"
    else
        fail "the MSI installs the same signed Tessaline.exe"
    fi

    # One byte of the code changed after signing: the digest no longer matches.
    cp "$exe" "$work/changed.exe"
    python3 - "$work/changed.exe" <<'PY'
import sys
path = sys.argv[1]
data = bytearray(open(path, "rb").read())
data[len(data) // 3] ^= 0x01
open(path, "wb").write(data)
PY
    if ! verified "$work/changed.exe" && grep -q 'MISMATCH' "$work/verify.log"; then
        pass "Tessaline.exe with one byte changed after signing fails the check"
    else
        fail "Tessaline.exe with one byte changed after signing fails the check"
        cat "$work/verify.log"
    fi
    echo "signatures: $failed failed"
    return "$failed"
}

case "${1:-}" in
certificate) certificate "${2:?usage: signatures.sh certificate DIR}" ;;
check) check "${2:?usage: signatures.sh check BUILD_DIR DIR}" "${3:?usage: signatures.sh check BUILD_DIR DIR}" ;;
*) echo "usage: signatures.sh certificate DIR | check BUILD_DIR DIR" >&2; exit 2 ;;
esac
