// ParallelFor and the stop machinery of background work now live in work/, below this layer.
#pragma once

#include "work/parallel_for.h"
