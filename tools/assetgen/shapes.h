// Point-in-shape tests that the rasteriser samples. Composed with the
// set operations below, they describe every outline in the artwork.
#pragma once

#include <vector>

#include "raster.h"

namespace assetgen {

struct Point {
  double x = 0, y = 0;
};

Region Circle(Point centre, double radius);
Region Ellipse(Point centre, double radiusX, double radiusY);
Region RoundedRect(double left, double top, double right, double bottom, double radius);
// Non-zero winding: the points may go round either way.
Region Polygon(std::vector<Point> corners);
// A stroke of the given width with round ends.
Region Stroke(Point from, Point to, double width);
// The region turned by the given angle (degrees, clockwise on screen) about a point.
Region Rotated(Region region, Point pivot, double degrees);

Region Union(Region a, Region b);
Region Intersection(Region a, Region b);
Region Difference(Region a, Region b);

// The region drawn `factor` times as large: a picture's coordinates are
// divided back into the region's own. A factor of 1 leaves them untouched.
Region Magnified(Region region, double factor);

// Turns a point about a pivot, clockwise on screen for a positive angle.
Point RotatePoint(Point p, Point pivot, double degrees);

}  // namespace assetgen
