#include "common/message_queue.h"

#include "common/backend_interface.h"

namespace platform::detail {
namespace {

// The backend may be waiting on events of its own rather than on our
// condition variable; tell it that something arrived.
void wake_backend() {
  if (BackendImpl* impl = selected_backend()) impl->wake();
}

}  // namespace

void MessageQueue::changed_locked() {
  changed_.notify_all();
}

void MessageQueue::post(const QueuedMessage& message) {
  {
    std::lock_guard lock(mutex_);
    if (closed_) return;
    posted_.push_back(message);
    changed_locked();
  }
  wake_backend();
}

void MessageQueue::post_quit(int exit_code) {
  {
    std::lock_guard lock(mutex_);
    quit_ = true;
    exit_code_ = exit_code;
    changed_locked();
  }
  wake_backend();
}

bool MessageQueue::send_and_wait(Sent& sent, const std::atomic<bool>& refused) {
  std::uint64_t generation = 0;
  {
    std::unique_lock lock(mutex_);
    if (closed_ || refused) return false;
    generation = generation_;
    sent_.push_back(&sent);
    changed_locked();
  }
  wake_backend();
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] {
    return sent.done || closed_ || generation != generation_ || !contains_locked(sent);
  });
  if (sent.done) return true;
  // Not handled: make sure nobody touches the message after we return.
  std::erase(sent_, &sent);
  return false;
}

bool MessageQueue::contains_locked(const Sent& sent) const {
  for (const Sent* queued : sent_) {
    if (queued == &sent) return true;
  }
  return taken_ == &sent;
}

void MessageQueue::abandon(Window* window) {
  std::lock_guard lock(mutex_);
  std::erase_if(sent_, [&](const Sent* sent) { return sent->message.window == window; });
  changed_locked();
}

MessageQueue::Next MessageQueue::take(QueuedMessage* posted, Sent** sent, int* exit_code) {
  std::lock_guard lock(mutex_);
  if (!sent_.empty()) {
    *sent = taken_ = sent_.front();
    sent_.pop_front();
    return Next::sent;
  }
  if (!posted_.empty()) {
    *posted = posted_.front();
    posted_.pop_front();
    return Next::posted;
  }
  if (quit_) {
    quit_ = false;
    *exit_code = exit_code_;
    return Next::quit;
  }
  return Next::empty;
}

void MessageQueue::finish(Sent& sent, MessageResult result) {
  std::lock_guard lock(mutex_);
  sent.result = result;
  sent.done = true;
  taken_ = nullptr;
  changed_locked();
}

void MessageQueue::close() {
  std::lock_guard lock(mutex_);
  closed_ = true;
  posted_.clear();
  changed_locked();
}

bool MessageQueue::closed() const {
  std::lock_guard lock(mutex_);
  return closed_;
}

bool MessageQueue::empty() const {
  std::lock_guard lock(mutex_);
  return empty_locked();
}

void MessageQueue::wait_until_not_empty() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] { return !empty_locked() || closed_; });
}

void MessageQueue::reset() {
  std::lock_guard lock(mutex_);
  ++generation_;  // releases any sender still waiting on the old queue
  changed_locked();
  sent_.clear();
  taken_ = nullptr;
  posted_.clear();
  quit_ = false;
  exit_code_ = 0;
  closed_ = false;
}

namespace {
MessageQueue g_queue;
}  // namespace

MessageQueue& message_queue() {
  return g_queue;
}

}  // namespace platform::detail
