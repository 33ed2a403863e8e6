// The criteria of one evening over the world: the class of every cell of a
// latitude-longitude grid, each cell judged at its centre on the evening of
// the same civil date there.
#pragma once

#include <vector>

#include "crescent/crescent.h"

namespace orvane::crescent {

struct WorldGrid {
  double dayJD = 0;                    // the whole JD (noon) of the date
  double cellDegrees = 2;              // the side of a cell
  double maxLatitude = 60;             // the grid runs from this latitude north to as far south
  int columns = 0;                     // from 180 W eastwards
  int rows = 0;                        // from maxLatitude N southwards
  std::vector<CriteriaVerdict> cells;  // row by row

  const CriteriaVerdict& At(int row, int column) const {
    return cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) +
                 static_cast<std::size_t>(column)];
  }
  // The centre of a cell, degrees (latitude north positive, longitude east positive).
  double Latitude(int row) const { return maxLatitude - (row + 0.5) * cellDegrees; }
  double Longitude(int column) const { return -180 + (column + 0.5) * cellDegrees; }
};

// Given the whole JD of a date, the side of a cell (a divisor of 180) and
// the latitude limit (a multiple of it); returns every cell's classes.  The
// rows are shared between `threads` workers (at least one).
WorldGrid EvaluateWorld(double dayJD, double cellDegrees = 2, double maxLatitude = 60, int threads = 2);

}  // namespace orvane::crescent
