#include "manager/ArrangePositions.h"

#include <cmath>

namespace zlt::manager {

namespace {

// Around the middle line: the even notes go down from just below it, 500 per
// two notes; the odd ones climb from it, 250 per note. i / 2 is not rounded,
// so neighbours end 490 to 500 twips apart for collapsed notes.
double MiddleTop(double screenHeight, double height, int i, double step) {
  const double half = i / 2.0;
  if (i % 2 == 0) return screenHeight / 2 + height / 2 + half * step;
  return screenHeight / 2 - half * step;
}

}  // namespace

ArrangedPlace ArrangedPosition(ArrangeMode mode, const ArrangeArea& area, int i,
                               platform::Twips width, platform::Twips height) {
  const double screenWidth = area.screenWidth;
  const double screenHeight = area.screenHeight;
  const double rightEdge = screenWidth - width;
  const double stacked = area.step * i;
  const double bottomUp = screenHeight - height - stacked;
  switch (mode) {
    case ArrangeMode::FromThisPosition:
      return {static_cast<double>(area.fromLeft), area.fromTop + stacked};
    case ArrangeMode::TopRight:
      return {rightEdge, stacked};
    case ArrangeMode::MiddleRight:
      return {rightEdge, MiddleTop(screenHeight, height, i, area.step)};
    case ArrangeMode::BottomRight:
      return {rightEdge, bottomUp};
    case ArrangeMode::TopLeft:
      return {0, stacked};
    case ArrangeMode::MiddleLeft:
      return {0, MiddleTop(screenHeight, height, i, area.step)};
    case ArrangeMode::BottomLeft:
      return {0, bottomUp};
  }
  return {};
}

platform::Twips WholeTwips(double twips) {
  return static_cast<platform::Twips>(std::lround(twips));
}

}  // namespace zlt::manager
