#include "base/whole_dollar_cents.h"

bool RefusesCents(bool wholeDollars, bool& inCents, char key) {
    if (!wholeDollars) return false;
    if (key == '.') inCents = true;
    return inCents && (key == '.' || (key >= '0' && key <= '9'));
}
