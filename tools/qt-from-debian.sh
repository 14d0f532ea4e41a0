# Sourced by the scripts that build Qt from Debian's own source packages for another
# platform (tools/windows/build-qt.sh, tools/web/build-qt.sh). The caller sets $here (its
# folder, holding patches/), $prefix, and the arrays source_package and host_package.

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)

version_of() { dpkg-query -W -f='${Version}' "$1"; }

# Changes to a stage's source before it is configured: the patches in patches/ named after
# the stage, in order, each with its reason in its header. A patch that does not apply
# stops the build.
patches_of() { find "$here/patches" -name "$1-*.patch" | sort; }
apply_patches() { # stage
    local patch
    for patch in $(patches_of "$1"); do
        echo "applying $(basename "$patch")"
        patch -p1 --forward --quiet <"$patch"
    done
}

# What the notices beside the program are made from: every qt_attribution.json of the
# stage's source with the license files beside it, Qt's own license texts, and the list of
# source files the build read (ninja's dependency log), which tells what was built.
capture_notices() { # stage source build
    local out="$prefix/share/tessaline-notices/$1" json dir
    rm -rf "$out"
    mkdir -p "$out/source"
    dpkg-query -W -f='${Version}\n' "${host_package[$1]}" >"$out/version.txt"
    cp -r "$2/LICENSES" "$out/source/"
    (cd "$2" && find . -name qt_attribution.json -not -path './tests/*' -not -path './examples/*') |
        while read -r json; do
            dir="$(dirname "$json")"
            mkdir -p "$out/source/$dir"
            (cd "$2/$dir" && find . -maxdepth 2 -type f \( -name qt_attribution.json -o \
                -iname '*licen[cs]e*' -o -iname '*copying*' -o -iname '*copyright*' \) -print0 |
                xargs -0 cp --parents -t "$out/source/$dir")
        done
    (cd "$3" && ninja -t deps) | sed -n 's/^    //p' | sort -u |
        (cd "$3" && xargs realpath -m --relative-to="$2") | grep -v '^\.\./' | sort -u \
        >"$out/used-files.txt"
}

# Source packages need a deb-src entry. It is derived from the machine's own apt sources
# (the archive that serves the host Qt, through the same mirror and keyring), so a machine
# behind a local mirror builds the same way.
ensure_deb_src_entries() { # host-package
    if ! apt-get source --print-uris qt6-base >/dev/null 2>&1; then
        echo "adding deb-src entries for the archive of $1"
        python3 "$(dirname "${BASH_SOURCE[0]}")/windows/deb-src-entries.py" "$1" |
            "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/tessaline-src.sources >/dev/null
        "${sudo_cmd[@]}" apt-get update
    fi
}

# The Debian source of a stage, of the host package's exact version, unpacked in
# work/src-STAGE.
fetch_source() { # stage work
    local package="${source_package[$1]}" version
    version="$(version_of "${host_package[$1]}")"
    (cd "$2" && apt-get source --download-only "$package=$version" &&
        dpkg-source --no-check -x "${package}_${version#*:}.dsc" "src-$1" >/dev/null)
}
