#include "platform/thread.h"

#include <atomic>
#include <mutex>
#include <thread>

#include "common/backend_interface.h"

namespace platform {

struct Thread::State {
  std::thread thread;
  std::mutex join_mutex;
  std::atomic<bool> finished{false};
  std::atomic<int> exit_code{0};
};

Thread::Thread() = default;
Thread::Thread(Thread&& other) noexcept = default;

Thread& Thread::operator=(Thread&& other) noexcept {
  if (this != &other) {
    wait();
    state_ = std::move(other.state_);
  }
  return *this;
}

Thread::~Thread() {
  wait();
}

Thread Thread::start(Routine routine, void* argument) {
  Thread started;
  if (!routine) return started;
  auto state = std::make_unique<State>();
  State* raw = state.get();
  try {
    raw->thread = std::thread([raw, routine, argument] {
      raw->exit_code = routine(argument);
      raw->finished = true;
    });
  } catch (const std::system_error&) {
    return started;
  }
  started.state_ = std::move(state);
  return started;
}

bool Thread::started() const {
  return state_ != nullptr;
}

bool Thread::wait() {
  if (!state_) return true;
  std::lock_guard lock(state_->join_mutex);
  if (!state_->thread.joinable()) return true;
  if (state_->thread.get_id() == std::this_thread::get_id()) return false;  // would never end
  detail::BackendImpl* impl = detail::selected_backend();
  if (impl) impl->thread_wait_begins();
  state_->thread.join();
  if (impl) impl->thread_wait_ends();
  return true;
}

int Thread::exit_code() const {
  return state_ && state_->finished ? state_->exit_code.load() : 0;
}

}  // namespace platform
