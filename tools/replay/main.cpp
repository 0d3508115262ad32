// kelvro-replay SCRIPT OUTDIR [LIMIT_MS]
//
// Runs the game's own entry on the simulated desktop with the script's
// input, printing "TIME sound FILE COMMAND" for every sound command and
// "TIME exit CODE" at the end; its exit status is the program's. A run that
// does not end by LIMIT_MS (default one hour of virtual time) is stopped
// with status 124. Bad arguments or script lines give status 2.

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "KelvroResources.h"
#include "ReplayScript.h"
#include "platform/backend.h"
#include "platform/bmp.h"
#include "platform/sim.h"
#include "shell/ProgramEntry.h"

namespace {

constexpr std::uint32_t kOneHour = 60 * 60 * 1000;
std::string g_out_dir;

int Usage(const char* why) {
  std::fprintf(stderr, "kelvro-replay: %s\nusage: kelvro-replay SCRIPT OUTDIR [LIMIT_MS]\n", why);
  return 2;
}

void WriteShot(const std::string& name) {
  const platform::BitmapSize size = platform::sim::screen_size();
  const std::vector<std::uint8_t> file =
      platform::encode_bmp24(size.width, size.height, platform::sim::screen_pixels());
  const std::string path = g_out_dir + "/" + name + ".bmp";
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  if (!out) std::fprintf(stderr, "kelvro-replay: cannot write %s\n", path.c_str());
}

void Apply(const ReplayEvent& event) {
  switch (event.kind) {
    case ReplayEvent::Kind::key_down:
    case ReplayEvent::Kind::key_up:
      platform::sim::set_key(event.key, event.kind == ReplayEvent::Kind::key_down);
      break;
    case ReplayEvent::Kind::joystick:
      platform::sim::plug_joystick(event.joystick);
      break;
    case ReplayEvent::Kind::unplug:
      platform::sim::unplug_joystick();
      break;
    case ReplayEvent::Kind::close:
      platform::sim::request_close();
      break;
    case ReplayEvent::Kind::shot:
      WriteShot(event.name);
      break;
  }
}

void PrintSound(const platform::sim::WaveEvent& event) {
  std::printf("%u sound %s %s\n", event.time_ms, event.file.c_str(), event.command.c_str());
  std::fflush(stdout);
}

void StopAtTheLimit() {
  std::printf("%u exit 124\n", platform::sim::elapsed_ms());
  std::fflush(stdout);
  std::_Exit(124);  // the game thread is somewhere in its loop: no orderly way out
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) return Usage("wrong number of arguments");
  std::uint32_t limit = kOneHour;
  if (argc == 4) {
    char* end = nullptr;
    errno = 0;
    const unsigned long value = std::strtoul(argv[3], &end, 10);
    if (*argv[3] == '\0' || *end != '\0' || errno || value > 0xFFFFFFFFul) {
      return Usage("LIMIT_MS must be a number of milliseconds");
    }
    limit = static_cast<std::uint32_t>(value);
  }
  std::ifstream in(argv[1]);
  if (!in) return Usage((std::string("cannot read ") + argv[1]).c_str());
  const ReplayScript script = ParseReplayScript(in);
  if (!script.error.empty()) {
    std::fprintf(stderr, "kelvro-replay: %s: %s\n", argv[1], script.error.c_str());
    return 2;
  }
  g_out_dir = argv[2];

  platform::use_backend(platform::Backend::sim);
  platform::sim::on_wave_event(PrintSound);
  for (const ReplayEvent& event : script.events) {
    platform::sim::schedule(event.time, [event] { Apply(event); });
  }
  platform::sim::schedule(limit, StopAtTheLimit);

  platform::Instance* instance = platform::program_instance("kelvro", KelvroResources());
  const int code = ProgramEntry(instance, nullptr, "", platform::ShowCommand::normal);
  std::printf("%u exit %d\n", platform::sim::elapsed_ms(), code);
  return code;
}
