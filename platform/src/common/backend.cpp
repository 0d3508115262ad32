#include "platform/backend.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "common/backend_factories.h"
#include "common/backend_interface.h"

namespace platform {
namespace {

struct Selection {
  Backend kind = Backend::sim;
  std::unique_ptr<detail::BackendImpl> impl;
};

// A namespace-scope object, so that its destructor is registered when the
// platform library is loaded: it then runs after the destructors of the
// program's own process-wide objects, which may still close sounds.
Selection g_selection;

Selection& selection() {
  return g_selection;
}

}  // namespace

void use_backend(Backend backend) {
  Selection& chosen = selection();
  if (chosen.impl) {
    std::fprintf(stderr, "platform: the backend is chosen once per process\n");
    std::abort();
  }
  chosen.kind = backend;
  chosen.impl = backend == Backend::sdl ? detail::make_sdl_backend() : detail::make_sim_backend();
}

Backend current_backend() {
  return selection().kind;
}

namespace detail {

BackendImpl* selected_backend() {
  return selection().impl.get();
}

BackendImpl& backend() {
  BackendImpl* impl = selection().impl.get();
  if (!impl) {
    std::fprintf(stderr, "platform: no backend selected (call platform::use_backend first)\n");
    std::abort();
  }
  return *impl;
}

}  // namespace detail
}  // namespace platform
