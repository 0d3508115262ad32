#pragma once

#include <memory>

#include "common/backend_interface.h"

namespace platform::detail {

std::unique_ptr<BackendImpl> make_sdl_backend();
std::unique_ptr<BackendImpl> make_sim_backend();

}  // namespace platform::detail
