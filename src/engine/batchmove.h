#pragma once
// Batch copy: appends every row of a source dataset to a destination, field by
// field of the same name. Fields the destination lacks are left out.
#include "dataset.h"

namespace engine {

// Copies from the source's first row to its last; returns the number of rows copied.
int batchCopy(Dataset &source, Dataset &destination);

} // namespace engine
