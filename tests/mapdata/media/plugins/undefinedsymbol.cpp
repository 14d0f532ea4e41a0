// A damaged player library: its factory needs a function that no library provides.
#include <QtGlobal>

extern "C" void tessaline_functionNobodyDefines();

extern "C" Q_DECL_EXPORT void *tessaline_createMediaPlayer() {
    tessaline_functionNobodyDefines();
    return nullptr;
}
