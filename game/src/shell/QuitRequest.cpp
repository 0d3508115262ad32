#include "shell/QuitRequest.h"

std::atomic<std::int32_t> QuitRequest{QuitRunning};

bool RequestQuit(std::int32_t value) {
  std::int32_t expected = QuitRunning;
  return QuitRequest.compare_exchange_strong(expected, value);
}
