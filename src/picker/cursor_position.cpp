#include "picker/cursor_position.h"

POINT LAST_CURSOR_POS = {};
bool HAVE_CURSOR_POS = false;

bool ReadCursorPos(POINT* pos) {
    POINT now;
    if (GetCursorPos(&now)) {
        LAST_CURSOR_POS = now;
        HAVE_CURSOR_POS = true;
    }
    *pos = LAST_CURSOR_POS;
    return HAVE_CURSOR_POS;
}
