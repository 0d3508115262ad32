#pragma once

#include <memory>

namespace platform {

// A thread of the program. The routine starts at once; wait() blocks until it
// has returned. A Thread that is destroyed while its routine still runs waits
// for it first, so a thread never outlives the object that started it.
class Thread {
 public:
  using Routine = int (*)(void* argument);

  Thread();
  ~Thread();
  Thread(Thread&& other) noexcept;
  Thread& operator=(Thread&& other) noexcept;
  Thread(const Thread&) = delete;
  Thread& operator=(const Thread&) = delete;

  // Starts a thread; an empty Thread when it cannot be started.
  static Thread start(Routine routine, void* argument);

  bool started() const;

  // Waits until the routine has returned; true at once when it already has
  // (or none was started). Safe to call more than once.
  bool wait();

  // The routine's result once it has returned, else 0.
  int exit_code() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace platform
