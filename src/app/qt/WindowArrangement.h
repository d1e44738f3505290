// Where the frame puts its document windows: tiling within the client area, and the smallest
// size a document window may take.
#pragma once

#include <QList>
#include <QRect>
#include <QSize>

namespace lumbrix {

// The places of `count` windows tiled in `area`: Qt::Horizontal stacks them one above the
// other, each as wide as the area; Qt::Vertical puts them side by side, each as high as the area.
// Windows keep at least `minimum`: when their shares would be smaller, they overlap evenly and
// the last one still ends at the area's far edge.
QList<QRect> TiledRects(const QRect& area, int count, const QSize& minimum,
                        Qt::Orientation orientation);

// `window` moved as little as needed to lie inside `area`; a window larger than the area keeps
// its top left corner at the area's.
QRect PlaceInside(const QRect& window, const QRect& area);

// The smallest outer size of a document window: its minimum size, raised to what the window's
// resize rule accepts.
QSize SmallestDocumentSize();

}  // namespace lumbrix
