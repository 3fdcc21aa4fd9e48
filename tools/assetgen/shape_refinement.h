// The transparent shape of a picture drawn at a whole multiple of 100 %,
// made to agree with the shape at 100 %.
#pragma once

#include <vector>

#include "raster.h"

namespace assetgen {

// A pixel map of transparency, top row first.
struct Shape {
  int width = 0;
  int height = 0;
  std::vector<bool> transparent;
};

// The program reduces a picture k times as large to 100 % by k x k blocks
// and keeps a block opaque when at least half of its pixels are. Where a
// block of `larger` disagrees with its pixel in `actual`, its most covered
// pixels (by `coverage`) become opaque, or its least covered ones
// transparent, until it agrees; everywhere else the finer shape stays as
// drawn.
void AgreeWith100Percent(Shape& larger, const Mask& coverage, const Shape& actual);

}  // namespace assetgen
