#include "MainRoutines.h"

namespace velmoran {

MainRoutines::MainRoutines(TableInterface& table, RandomSource& random)
    : table_(&table), random_(&random) {}

}  // namespace velmoran
