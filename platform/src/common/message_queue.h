#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>

#include "platform/window.h"

namespace platform::detail {

// The window thread's queue: messages posted to it, messages other threads
// send and wait on, and the quit request. Safe to use from any thread.
class MessageQueue {
 public:
  // A message another thread waits on until the window thread has handled it.
  struct Sent {
    QueuedMessage message;
    MessageResult result = 0;
    bool done = false;
  };

  enum class Next { sent, posted, quit, empty };

  void post(const QueuedMessage& message);
  void post_quit(int exit_code);

  // Queues `sent` and blocks until the window thread has handled it (true),
  // or until the message loop ends or the message is abandoned without
  // being handled (false). Nothing is queued when *refused is already set.
  bool send_and_wait(Sent& sent, const std::atomic<bool>& refused);

  // Gives up every queued send to `window`: their senders get false. Set the
  // window's refused flag first, so that no new send slips in afterwards.
  void abandon(Window* window);

  // Window thread: what to do next. Sent messages come first, then posted
  // ones, then the quit request once nothing else is waiting.
  Next take(QueuedMessage* posted, Sent** sent, int* exit_code);

  // Window thread: `sent` has been handled with `result`.
  void finish(Sent& sent, MessageResult result);

  // Window thread: the loop has ended. Releases every waiting sender, and
  // later sends fail at once.
  void close();

  bool closed() const;
  bool empty() const;

  // Blocks until something is queued or the queue is closed.
  void wait_until_not_empty();

  // Back to a fresh, open queue (for the simulated desktop's reset).
  void reset();

 private:
  bool empty_locked() const { return sent_.empty() && posted_.empty() && !quit_; }
  bool contains_locked(const Sent& sent) const;
  void changed_locked();

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Sent*> sent_;
  Sent* taken_ = nullptr;  // the sent message the window thread is handling
  std::deque<QueuedMessage> posted_;
  bool quit_ = false;
  int exit_code_ = 0;
  bool closed_ = false;
  std::uint64_t generation_ = 0;  // moves on at every reset
};

// The process's one queue.
MessageQueue& message_queue();

}  // namespace platform::detail
