#include "sim/journal.h"

namespace sim {

int Journal::Count(std::string_view operation) const {
  int count = 0;
  for (const std::string& line : lines_)
    if (line.size() > operation.size() && line.compare(0, operation.size(), operation) == 0 &&
        line[operation.size()] == ' ')
      ++count;
  return count;
}

}  // namespace sim
