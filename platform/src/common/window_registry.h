#pragma once

// The process's window classes and windows.

#include <string>

#include "platform/window.h"

namespace platform::detail {

// The registered class of that name, or null. The pointer stays valid until
// forget_windows().
const WindowClass* find_class(const std::string& name);

// A new window record, owned by the registry until the end of the process.
Window* new_window();

// The window most recently created, or null.
Window* newest_window();

// Unregisters every class and marks every window destroyed (the simulated
// desktop's reset). The records themselves stay, so old handles stay safe.
void forget_windows();

void set_last_error(std::string message);

}  // namespace platform::detail
