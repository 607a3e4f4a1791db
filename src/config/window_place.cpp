#include "config/window_place.h"

#include <algorithm>

namespace tessel {

QRect PlaceWindow(const StoredWindowPlace &stored, QSize screenSize, QRect current, QSize minimumSize)
{
    QRect placed = current;
    if (!stored.top)
        return placed;

    if (stored.left) {
        // Judged with the size the window has before the stored size is applied, so a window that was
        // closed on a larger or further screen comes back with its corner on this one.
        long long left = *stored.left;
        long long top = *stored.top;
        if (left > static_cast<long long>(screenSize.width()) - 50)
            left = screenSize.width() - current.width();
        if (top > static_cast<long long>(screenSize.height()) - 50)
            top = screenSize.height() - current.height();
        left = std::max(left, 0LL);
        top = std::max(top, 0LL);
        placed.moveTo(static_cast<int>(left), static_cast<int>(top));
    }
    if (stored.height)
        placed.setHeight(std::max(*stored.height, minimumSize.height()));
    if (stored.width)
        placed.setWidth(std::max(*stored.width, minimumSize.width()));
    return placed;
}

} // namespace tessel
