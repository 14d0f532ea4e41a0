# Sourced: where the Qt builds for other platforms are cached, unless the environment says
# otherwise. Outside any checkout, so that every checkout and CI on the same machine find them.
export TESSALINE_QT_WINDOWS="${TESSALINE_QT_WINDOWS:-/var/cache/tessaline/qt6-windows}"
export TESSALINE_QT_WEB="${TESSALINE_QT_WEB:-/var/cache/tessaline/qt6-wasm}"
