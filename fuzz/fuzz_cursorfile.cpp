// The cursor file reader on any bytes: it either refuses them with a failure or gives a
// picture within the cursor limits with its hot spot inside.
#include "mapdata/toolkit/failure.h"
#include "shell/cursorfile.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr int kMaxCursorSide = 256;

void check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        const mapdata::PointerPicture picture = shell::decodeCursor(bytes);
        check(!picture.isNull());
        check(picture.image.width() <= kMaxCursorSide && picture.image.height() <= kMaxCursorSide);
        check(picture.hotSpot.x() >= 0 && picture.hotSpot.x() < picture.image.width());
        check(picture.hotSpot.y() >= 0 && picture.hotSpot.y() < picture.image.height());
    } catch (const mapdata::Failure &failure) {
        check(failure.number() == mapdata::Failure::invalidPicture().number());
    }
    return 0;
}
