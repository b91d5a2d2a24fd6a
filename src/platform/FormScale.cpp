#include "platform/FormScale.h"

#include <cmath>

namespace zlt::platform {

int FontHeightFromPoints(double points, int dpi) {
  return -static_cast<int>(std::lround(points * dpi / 72.0));
}

}  // namespace zlt::platform
