#include "LibraryState.h"

QelLibraryState LibraryState = {};
