#pragma once

namespace platform::detail {

// Linux's sound library reports a machine without a sound card by printing to
// stderr, once for every lookup SDL makes. A program of ours prints nothing
// of its own accord, so its messages are dropped.
void quiet_alsa_messages();

}  // namespace platform::detail
