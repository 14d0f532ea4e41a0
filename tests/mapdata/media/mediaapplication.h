#pragma once

#include "mapdata/media/mediabackend.h"

#include <QCoreApplication>

namespace mapdata {

// The application the media tests play under, built once with the program's backend choice
// and kept for the whole run: Qt Multimedia must not outlive or precede its application.
inline void ensureMediaApplication() {
    if (QCoreApplication::instance() != nullptr)
        return;
    selectMediaBackend();
    static int argc = 1;
    static char name[] = "tessaline_media_test";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

} // namespace mapdata
