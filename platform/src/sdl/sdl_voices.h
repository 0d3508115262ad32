#pragma once

// The wave player's voices: every open sound is a loaded chunk on a mixer
// channel of its own, so any number of them play at once and starting one
// never cuts another off.

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "common/backend_interface.h"

struct Mix_Chunk;

namespace platform::detail {

class SdlVoices {
 public:
  SdlVoices() = default;
  ~SdlVoices();
  SdlVoices(const SdlVoices&) = delete;
  SdlVoices& operator=(const SdlVoices&) = delete;

  // Results are WaveResult codes.
  int open(const VoiceSource& source, std::uint32_t* voice);
  int play(std::uint32_t voice);
  int playing(std::uint32_t voice, int* playing);
  int stop(std::uint32_t voice);
  int close(std::uint32_t voice);

  // Stops and frees every voice; before the mixer closes.
  void close_all();

 private:
  struct FreeChunk {
    void operator()(Mix_Chunk* chunk) const;
  };
  struct Voice {
    std::unique_ptr<Mix_Chunk, FreeChunk> chunk;
    int channel = -1;
  };

  Voice* find_locked(std::uint32_t voice);
  // A mixer channel no voice holds, adding channels when all are taken; -1
  // when the mixer cannot have more.
  int take_channel_locked();
  std::uint32_t next_id_locked();

  std::mutex lock_;  // open and close run on the game thread, shutdown on another
  std::map<std::uint32_t, Voice> voices_;
  std::vector<bool> channel_taken_;
  std::uint32_t last_id_ = 0;
};

}  // namespace platform::detail
