#include "app/qt/WindowArrangement.h"

#include <algorithm>
#include <climits>

#include "document/EditForm.h"

namespace lumbrix {

QList<QRect> TiledRects(const QRect& area, int count, const QSize& minimum,
                        Qt::Orientation orientation) {
  QList<QRect> rects;
  if (count <= 0) return rects;
  const bool stacked = orientation == Qt::Horizontal;
  // "Length" runs along the row of windows, "breadth" across it.
  const int length = stacked ? area.height() : area.width();
  const int breadth = std::max(stacked ? area.width() : area.height(),
                               stacked ? minimum.width() : minimum.height());
  const int minLength = stacked ? minimum.height() : minimum.width();
  const int share = length / count;
  for (int i = 0; i < count; ++i) {
    int start = i * share;
    int extent = i == count - 1 ? length - start : share;
    if (share < minLength) {
      extent = minLength;
      start = count > 1 ? i * std::max(0, length - minLength) / (count - 1) : 0;
    }
    rects << (stacked ? QRect(area.left(), area.top() + start, breadth, extent)
                      : QRect(area.left() + start, area.top(), extent, breadth));
  }
  return rects;
}

QRect PlaceInside(const QRect& window, const QRect& area) {
  QRect placed = window;
  if (placed.right() > area.right()) placed.moveRight(area.right());
  if (placed.bottom() > area.bottom()) placed.moveBottom(area.bottom());
  if (placed.left() < area.left()) placed.moveLeft(area.left());
  if (placed.top() < area.top()) placed.moveTop(area.top());
  return placed;
}

QSize SmallestDocumentSize() {
  int width = TEditForm::kMinWidth;
  int height = TEditForm::kMinHeight;
  while (!TEditForm::FormCanResize(width, INT_MAX)) ++width;
  while (!TEditForm::FormCanResize(INT_MAX, height)) ++height;
  return {width, height};
}

}  // namespace lumbrix
