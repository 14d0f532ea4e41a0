// A damaged player library: the factory's name exported as data, not code.
#include <QtGlobal>

extern "C" Q_DECL_EXPORT const unsigned char tessaline_createMediaPlayer[64] = {0xff, 0xff};
