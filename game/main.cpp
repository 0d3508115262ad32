// The game on the real desktop.

#include "KelvroResources.h"
#include "platform/backend.h"
#include "shell/ProgramEntry.h"

int main(int, char**) {
  platform::use_backend(platform::Backend::sdl);
  platform::Instance* instance = platform::program_instance("kelvro", KelvroResources());
  return ProgramEntry(instance, nullptr, "", platform::ShowCommand::normal);
}
