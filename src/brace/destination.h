// The brace reader prepares its destination with the walker's rule (see walk/destination.h).
#pragma once

#include "walk/destination.h"
