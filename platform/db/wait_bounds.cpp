#include "platform/db/wait_bounds.h"

namespace db {

namespace {

WaitBounds& bounds() {
    static WaitBounds b;
    return b;
}

} // namespace

const WaitBounds& waitBounds() {
    return bounds();
}

void setWaitBounds(const WaitBounds& b) {
    bounds() = b;
}

} // namespace db
