#!/usr/bin/env bash
# Signs a Windows executable or installer in place (Authenticode, SHA-256, with osslsigncode)
# when a certificate is given, and leaves it unsigned otherwise. The build's packaging step
# runs it on the staged Tessaline.exe, before the zip and the MSI take it, and on the MSI.
#
#   tools/windows/sign.sh FILE DESCRIPTION URL
#
# From the environment, never from the repository:
#   TESSALINE_SIGN_PKCS12          the certificate with its private key, a PKCS#12 file
#   TESSALINE_SIGN_PASSWORD        its password (handed to osslsigncode through a pipe, so it
#                                  shows on no command line)
#   TESSALINE_SIGN_TIMESTAMP_URL   optional: an RFC 3161 time-stamping server, so that the
#                                  signature stays valid after the certificate expires
set -euo pipefail
file="${1:?usage: sign.sh FILE DESCRIPTION URL}" description="${2:?}" url="${3:?}"
if [[ -z "${TESSALINE_SIGN_PKCS12:-}" ]]; then
    echo "unsigned: $(basename "$file") (no TESSALINE_SIGN_PKCS12)"
    exit 0
fi
if [[ ! -r "$TESSALINE_SIGN_PKCS12" ]]; then
    echo "sign.sh: cannot read the certificate $TESSALINE_SIGN_PKCS12" >&2
    exit 1
fi
timestamp=()
if [[ -n "${TESSALINE_SIGN_TIMESTAMP_URL:-}" ]]; then
    timestamp=(-ts "$TESSALINE_SIGN_TIMESTAMP_URL")
fi
signed="$(mktemp "$file.signing.XXXXXX")"
trap 'rm -f "$signed"' EXIT
rm -f "$signed" # osslsigncode writes a new file
osslsigncode sign -pkcs12 "$TESSALINE_SIGN_PKCS12" \
    -readpass <(printf '%s' "${TESSALINE_SIGN_PASSWORD:-}") \
    -h sha256 -n "$description" -i "$url" "${timestamp[@]}" -in "$file" -out "$signed" >/dev/null
mv "$signed" "$file"
echo "signed: $(basename "$file")"
