#pragma once

namespace platform {

// Which desktop the platform stands on.
//  - sdl: a real window, sound device, keyboard and game controller.
//  - sim: a simulated desktop for tests and tools; see platform/sim.h.
enum class Backend { sdl, sim };

// Selects the backend. Call once, before any other platform call; the choice
// holds for the rest of the process.
void use_backend(Backend backend);

Backend current_backend();

}  // namespace platform
