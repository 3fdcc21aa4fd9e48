// Pictures brought to the pixel size a display needs. The program carries
// each picture drawn at several scales and reduces the smallest one that is
// large enough (see renderings.h), so reduction is the normal case.
#pragma once

#include "imaging/pixels.h"

namespace imaging {

// The picture at `width` x `height` pixels.
//
// Reduction averages, for every new pixel, the area of the picture it
// covers, fractions of pixels included. Transparency follows the shape: a
// new pixel is opaque when at least half of its area is, and its colour is
// the average of the opaque part alone, so the colour behind transparent
// pixels (black, the note window's colour key) never bleeds into an edge.
// An opaque pixel averaged from colours that are not all black is never
// exactly black. At the picture's own size the pixels come back unchanged.
//
// A size larger than the picture, which only a display beyond the largest
// scale asks for, is reached by linear interpolation between pixel centres,
// with transparency thresholded as above: never by repeating pixels.
Pixels Resample(const Pixels& picture, int width, int height);

}  // namespace imaging
