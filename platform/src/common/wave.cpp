#include "platform/wave.h"

#include <cstring>
#include <map>
#include <mutex>
#include <string>

#include "common/backend_interface.h"
#include "common/sound_folder.h"
#include "common/wave_file.h"

namespace platform {
namespace {

struct OpenSound {
  std::string alias;
  std::uint32_t voice = 0;
};

// The open sounds by device number. Device numbers start at 1 and are not
// reused, so a stale number never reaches another sound.
struct SoundTable {
  std::mutex mutex;
  std::map<std::uint32_t, OpenSound> open;
  std::uint32_t next_device = 1;

  bool alias_in_use(const std::string& alias) const {
    for (const auto& [device, sound] : open) {
      if (sound.alias == alias) return true;
    }
    return false;
  }

  const OpenSound* find(std::uint32_t device) const {
    auto found = open.find(device);
    return found == open.end() ? nullptr : &found->second;
  }
};

SoundTable g_sounds;

template <typename Command>
int with_voice(std::uint32_t device, Command command) {
  std::lock_guard lock(g_sounds.mutex);
  const OpenSound* sound = g_sounds.find(device);
  return sound ? command(sound->voice) : kWaveBadDevice;
}

}  // namespace

int wave_open(const char* device_type, const char* file, const char* alias, std::uint32_t* device) {
  if (!device_type || std::strcmp(device_type, "waveaudio") != 0) return kWaveBadDeviceType;
  if (!file || !device) return kWaveFileMissing;
  const std::string alias_name = alias ? alias : file;
  std::lock_guard lock(g_sounds.mutex);
  if (g_sounds.alias_in_use(alias_name)) return kWaveAliasInUse;
  const std::optional<std::string> path = detail::find_sound_file(file);
  if (!path) return kWaveFileMissing;
  const std::optional<detail::WaveFormat> format = detail::read_wave_format(*path);
  if (!format) return kWaveNotWaveFile;

  std::uint32_t voice = 0;
  const int result = detail::backend().open_voice({file, *path, format->duration_ms}, &voice);
  if (result != kWaveOk) return result;
  *device = g_sounds.next_device++;
  g_sounds.open[*device] = {alias_name, voice};
  return kWaveOk;
}

int wave_play(std::uint32_t device) {
  return with_voice(device,
                    [](std::uint32_t voice) { return detail::backend().play_voice(voice); });
}

int wave_is_playing(std::uint32_t device, int* playing) {
  if (!playing) return kWaveBadDevice;
  return with_voice(device, [playing](std::uint32_t voice) {
    return detail::backend().voice_playing(voice, playing);
  });
}

int wave_stop(std::uint32_t device) {
  return with_voice(device,
                    [](std::uint32_t voice) { return detail::backend().stop_voice(voice); });
}

int wave_close(std::uint32_t device) {
  std::lock_guard lock(g_sounds.mutex);
  const OpenSound* sound = g_sounds.find(device);
  if (!sound) return kWaveBadDevice;
  const int result = detail::backend().close_voice(sound->voice);
  if (result == kWaveOk) g_sounds.open.erase(device);
  return result;
}

namespace detail {

// Forgets every open sound without telling the backend (its voices are gone
// with it); the simulated desktop's reset.
void forget_sounds() {
  std::lock_guard lock(g_sounds.mutex);
  g_sounds.open.clear();
}

}  // namespace detail
}  // namespace platform
