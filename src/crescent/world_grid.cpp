#include "crescent/world_grid.h"

#include <algorithm>
#include <cmath>
#include <thread>

namespace orvane::crescent {

WorldGrid EvaluateWorld(double dayJD, double cellDegrees, double maxLatitude, int threads) {
  WorldGrid grid;
  grid.dayJD = dayJD;
  grid.cellDegrees = cellDegrees;
  grid.maxLatitude = maxLatitude;
  grid.columns = static_cast<int>(std::lround(360 / cellDegrees));
  grid.rows = static_cast<int>(std::lround(2 * maxLatitude / cellDegrees));
  grid.cells.resize(static_cast<std::size_t>(grid.columns) * static_cast<std::size_t>(grid.rows));
  // Each worker takes every n-th row; the cells are independent.
  const int workers = std::max(1, std::min(threads, grid.rows));
  auto work = [&grid](int first, int step) {
    for (int row = first; row < grid.rows; row += step) {
      for (int column = 0; column < grid.columns; ++column) {
        grid.cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(grid.columns) +
                   static_cast<std::size_t>(column)] =
            EvaluateCriteria(grid.dayJD, {grid.Latitude(row), grid.Longitude(column), 0});
      }
    }
  };
  std::vector<std::thread> pool;
  for (int w = 1; w < workers; ++w) pool.emplace_back(work, w, workers);
  work(0, workers);
  for (std::thread& t : pool) t.join();
  return grid;
}

}  // namespace orvane::crescent
