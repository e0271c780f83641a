#pragma once
// The number texts now live in common/ (below the message catalogue). This header only keeps code written against
// the old place building; include "common/NumberText.h" instead.
#include "common/NumberText.h"
