// pixmint's operations return the Result every tool shares.
#pragma once

#include "../common/result.h"

namespace pixmint {
using lvforge::Result;
}  // namespace pixmint
