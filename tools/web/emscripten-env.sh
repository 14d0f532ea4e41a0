# Sourced: the environment Debian's emscripten needs to build, for Qt's build and the
# program's alike.
#
# Every emcc call starts Python; through a user's Python shims it can take seconds.
export EMSDK_PYTHON=/usr/bin/python3
# emcc's JavaScript optimizer needs acorn, which Debian installs for Node here.
export NODE_PATH=/usr/share/nodejs
# Qt finds emscripten through an SDK folder: its .emscripten file names the root, relative
# to the folder, and it runs emcc from there to learn the version. Debian's package is laid
# out otherwise, so a small folder stands in for the SDK.
export EMSDK="${TESSALINE_EMSDK:-${TMPDIR:-/tmp}/tessaline-emsdk}"
mkdir -p "$EMSDK/upstream/emscripten"
ln -sf /usr/bin/emcc "$EMSDK/upstream/emscripten/emcc"
ln -sfn /usr/share/emscripten/cmake "$EMSDK/upstream/emscripten/cmake"
echo "EMSCRIPTEN_ROOT = '/upstream/emscripten'" >"$EMSDK/.emscripten"
# Qt's toolchain file loads emscripten's through that folder, from where emscripten's cannot find
# its own root; this names it.
export EMSCRIPTEN=/usr/share/emscripten
