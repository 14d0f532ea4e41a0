#!/usr/bin/env bash
# Installs what Tessaline needs to build, test and run, from Debian's packages.
# Runs as root, or through sudo when it is not root.
set -euo pipefail

packages=(
    build-essential cmake
    qt6-base-dev qt6-multimedia-dev libqt6multimedia6
    libgtest-dev
    fonts-liberation
    libgl-dev
    # The media tests play into a private PulseAudio null sink and record it with parec.
    pulseaudio pulseaudio-utils
    # The resource-script test compiles the Windows resources with MinGW's windres.
    binutils-mingw-w64-x86-64
    # The translations: lupdate and lrelease, their CMake package, and Qt's own translations
    # (built into the program); python3 runs the check of the .ts files.
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n python3
)
# Extra tools for benchmarks, fuzzing, the played games and the package checkers, asked for
# with --extra. The played game reads its accessible names over AT-SPI (dbus, at-spi2-core,
# python3-pyatspi); the game played with a screen reader listening needs Orca,
# speech-dispatcher and a private session bus.
extra=(libbenchmark-dev xvfb xauth x11-apps imagemagick clang libclang-rt-14-dev
       sox xdotool x11-utils libx11-dev
       tesseract-ocr tesseract-ocr-eng tesseract-ocr-spa tesseract-ocr-por tesseract-ocr-fra
       tesseract-ocr-nld
       lintian appstream desktop-file-utils
       dbus at-spi2-core python3-pyatspi
       orca speech-dispatcher dbus-daemon dbus-bin bsdutils
       # qemu-user emulates narrower processors for the pixel tests.
       qemu-user)

# The Windows cross-build and its checks under Wine, asked for with --windows: MinGW-w64,
# the host Qt tools the Windows Qt build runs (shader baker included), GoogleTest's source,
# Wine, and what the checks drive it with. Wine's Media Foundation resampler, which Qt's
# Windows audio output goes through, runs on GStreamer's base plugins.
# wixl makes the MSI installer; msitools finishes it and reads it back and tesseract reads
# the window in the checks. osslsigncode signs the executable and the MSI when given a
# certificate; openssl makes the checks' throwaway one.
windows=(g++-mingw-w64-x86-64-posix ninja-build dpkg-dev
         qt6-shadertools-dev qt6-shader-baker googletest
         wine wine64 python3 patch xvfb xauth xdotool x11-utils imagemagick icoutils zip unzip
         pulseaudio pulseaudio-utils sox
         gstreamer1.0-plugins-base
         wixl msitools tesseract-ocr tesseract-ocr-eng osslsigncode openssl
         tesseract-ocr-spa tesseract-ocr-fra tesseract-ocr-nld)

# The web page, asked for with --web: Debian's emscripten (Node comes with it) and what Qt for
# WebAssembly's build needs from Debian (the host Qt's tools come with the packages above), the
# fonts built into the page; and for its checks and benchmarks headless Chromium driven by
# Selenium, tesseract and ImageMagick reading its screenshots, and brotli for its sizes.
web=(emscripten ninja-build dpkg-dev patch python3 fonts-liberation
     chromium chromium-driver python3-selenium curl
     tesseract-ocr tesseract-ocr-eng tesseract-ocr-spa imagemagick brotli)

for option in "$@"; do
    case "$option" in
        --extra) packages+=("${extra[@]}") ;;
        --windows) packages+=("${windows[@]}") ;;
        --web) packages+=("${web[@]}") ;;
        *) echo "usage: $0 [--extra] [--windows] [--web]" >&2; exit 2 ;;
    esac
done

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    "${sudo_cmd[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
