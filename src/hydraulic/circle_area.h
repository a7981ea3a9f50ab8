#pragma once

namespace tallies {

// The area of a circle from its diameter (a Single input, held in a double),
// as the piston area and the oil velocity compute it: the radius is squared
// with the general power operation, multiplied by the circle constant and the
// result narrowed to Single. Checks the radius and the area; an area beyond the
// Single range is an overflow fault, one too small for it becomes 0.
float CircleArea(double diameter);

}  // namespace tallies
