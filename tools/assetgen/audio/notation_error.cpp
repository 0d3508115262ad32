#include "audio/notation_error.h"

#include <cstdio>
#include <cstdlib>

namespace assetgen {

void score_error(std::string_view what, std::string_view where) {
  std::fprintf(stderr, "kelvro-assetgen: %.*s near \"%.*s\"\n", static_cast<int>(what.size()),
               what.data(), static_cast<int>(where.size()), where.data());
  std::abort();
}

}  // namespace assetgen
