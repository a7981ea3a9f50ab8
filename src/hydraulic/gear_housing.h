#pragma once

namespace tallies {

// The housing product of the gear pump's results, step by step in this order: the overlap of
// the two chambers (d + d) - l, times the weighted gear width, times half the distance between
// the gear centres (l - d) / 2. The same steps in US and metric units.
inline double GearHousingProduct(double d, double l, double w, double widthFactor) {
  const double overlap = (d + d) - l;
  const double weightedWidth = w * widthFactor;
  const double partial = overlap * weightedWidth;
  const double halfCentres = (l - d) / 2;
  return partial * halfCentres;
}

}  // namespace tallies
