#pragma once

#include <span>

#include "platform/resources.h"

// The bitmaps and icons built into the program (generated at build time
// from game/resources).
std::span<const platform::Resource> KelvroResources();
