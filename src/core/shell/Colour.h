#pragma once
// The colour type now lives in common/ (below every subsystem). This header only keeps code written against the
// old place building; include "common/Colour.h" instead.
#include "common/Colour.h"
