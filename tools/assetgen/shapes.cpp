#include "shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace assetgen {

Region Circle(Point centre, double radius) {
  return [=](double x, double y) {
    const double dx = x - centre.x, dy = y - centre.y;
    return dx * dx + dy * dy <= radius * radius;
  };
}

Region Ellipse(Point centre, double radiusX, double radiusY) {
  return [=](double x, double y) {
    const double dx = (x - centre.x) / radiusX, dy = (y - centre.y) / radiusY;
    return dx * dx + dy * dy <= 1.0;
  };
}

Region RoundedRect(double left, double top, double right, double bottom, double radius) {
  return [=](double x, double y) {
    if (x < left || x > right || y < top || y > bottom) return false;
    const double cx = std::clamp(x, left + radius, right - radius);
    const double cy = std::clamp(y, top + radius, bottom - radius);
    const double dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy <= radius * radius;
  };
}

Region Polygon(std::vector<Point> corners) {
  return [corners = std::move(corners)](double x, double y) {
    int winding = 0;
    for (std::size_t i = 0; i < corners.size(); ++i) {
      const Point& a = corners[i];
      const Point& b = corners[(i + 1) % corners.size()];
      const double side = (b.x - a.x) * (y - a.y) - (x - a.x) * (b.y - a.y);
      if (a.y <= y && b.y > y && side > 0) ++winding;
      if (a.y > y && b.y <= y && side < 0) --winding;
    }
    return winding != 0;
  };
}

Region Stroke(Point from, Point to, double width) {
  const double half = width / 2;
  return [=](double x, double y) {
    const double vx = to.x - from.x, vy = to.y - from.y;
    const double length2 = vx * vx + vy * vy;
    const double t =
        length2 > 0 ? std::clamp(((x - from.x) * vx + (y - from.y) * vy) / length2, 0.0, 1.0) : 0;
    const double dx = x - (from.x + t * vx), dy = y - (from.y + t * vy);
    return dx * dx + dy * dy <= half * half;
  };
}

Point RotatePoint(Point p, Point pivot, double degrees) {
  const double a = degrees * std::numbers::pi / 180;
  const double c = std::cos(a), s = std::sin(a);
  const double dx = p.x - pivot.x, dy = p.y - pivot.y;
  return {pivot.x + dx * c - dy * s, pivot.y + dx * s + dy * c};
}

Region Rotated(Region region, Point pivot, double degrees) {
  return [region = std::move(region), pivot, degrees](double x, double y) {
    const Point p = RotatePoint({x, y}, pivot, -degrees);
    return region(p.x, p.y);
  };
}

Region Magnified(Region region, double factor) {
  return [region = std::move(region), factor](double x, double y) {
    return region(x / factor, y / factor);
  };
}

Region Union(Region a, Region b) {
  return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) || b(x, y); };
}

Region Intersection(Region a, Region b) {
  return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) && b(x, y); };
}

Region Difference(Region a, Region b) {
  return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) && !b(x, y); };
}

}  // namespace assetgen
