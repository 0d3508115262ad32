// Windows, classes and the message loop on the simulated desktop.

#include <atomic>
#include <thread>
#include <vector>

#include "SimFixture.h"
#include "platform/thread.h"

namespace {

using platform::Message;

std::vector<Message> g_seen;

platform::MessageResult Recording(platform::Window* window, Message message, std::uintptr_t wparam,
                                  std::intptr_t lparam) {
  g_seen.push_back(message);
  if (message == Message::command) return static_cast<platform::MessageResult>(wparam * 2);
  if (message == Message::destroy) platform::post_quit(7);
  return platform::default_procedure(window, message, wparam, lparam);
}

class WindowTest : public SimTest {
 protected:
  void SetUp() override {
    SimTest::SetUp();
    g_seen.clear();
  }
};

TEST_F(WindowTest, ClassNamesAreRawBytesAndRegisterOnce) {
  const char name[] = "\x83\x45\x83\x42";  // not text in any particular encoding
  platform::WindowClass window_class;
  window_class.procedure = Recording;
  window_class.class_name = name;
  EXPECT_TRUE(platform::register_class(window_class));
  EXPECT_FALSE(platform::register_class(window_class));

  platform::WindowParams params;
  params.class_name = "no such class";
  params.width = 640;
  params.height = 480;
  EXPECT_EQ(platform::create_window(params), nullptr);
  EXPECT_STRNE(platform::last_error(), "");
  params.class_name = name;
  EXPECT_NE(platform::create_window(params), nullptr);
}

TEST_F(WindowTest, OuterSizeLosesTheCaptionAndTheClientStartsInTheBackground) {
  platform::Window* window = MakeWindow(Recording);
  ASSERT_NE(window, nullptr);
  const platform::BitmapSize client = platform::client_size(window);
  EXPECT_EQ(client.width, 640);
  EXPECT_EQ(client.height, 460);
  EXPECT_EQ(platform::sim::screen_pixel(0, 0), platform::kWhite);
  EXPECT_EQ(platform::sim::screen_pixel(639, 459), platform::kWhite);
  ASSERT_FALSE(g_seen.empty());
  EXPECT_EQ(g_seen.front(), Message::create);  // delivered before create_window returned
}

TEST_F(WindowTest, CloseDestroysThroughTheDefaultProcedureAndEndsTheLoop) {
  platform::Window* window = MakeWindow(Recording);
  platform::post_message(window, Message::close, 0, 0);
  platform::QueuedMessage message;
  while (platform::get_message(&message))
    platform::dispatch_message(message);
  EXPECT_EQ(message.message, Message::quit);
  EXPECT_EQ(message.wparam, 7u);
  EXPECT_FALSE(platform::is_window(window));
  EXPECT_EQ(g_seen, (std::vector<Message>{Message::create, Message::close, Message::destroy}));
}

TEST_F(WindowTest, SendFromAnotherThreadReturnsTheResultOnceHandled) {
  platform::Window* window = MakeWindow(Recording);
  std::atomic<platform::MessageResult> result{0};
  std::thread sender([&] {
    result = platform::send_message(window, Message::command, 21, 0);
    platform::post_quit(0);
  });
  platform::QueuedMessage message;
  while (platform::get_message(&message))
    platform::dispatch_message(message);
  sender.join();
  EXPECT_EQ(result, 42);
}

TEST_F(WindowTest, SendsThatCouldNeverBeAnsweredReturnAtOnce) {
  platform::Window* window = MakeWindow(Recording);
  // The loop has ended: nobody will ever read the queue again.
  platform::post_quit(0);
  platform::QueuedMessage message;
  while (platform::get_message(&message))
    platform::dispatch_message(message);
  std::thread late([&] { EXPECT_EQ(platform::send_message(window, Message::command, 1, 0), 0); });
  late.join();

  // A destroyed window answers nothing either.
  platform::sim::reset();
  window = MakeWindow(Recording);
  platform::destroy_window(window);
  std::thread after([&] { EXPECT_EQ(platform::send_message(window, Message::command, 1, 0), 0); });
  after.join();
}

// The window thread waits for a worker inside its destroy handler while the
// worker sends to the window: the send must give up instead of waiting for
// an answer that can never come.
platform::Thread g_worker;
std::atomic<bool> g_worker_may_send{false};

int SendToDyingWindow(void* window) {
  while (!g_worker_may_send)
    std::this_thread::yield();
  platform::send_message(static_cast<platform::Window*>(window), Message::command, 1, 0);
  return 0;
}

platform::MessageResult WaitsForWorker(platform::Window* window, Message message, std::uintptr_t w,
                                       std::intptr_t l) {
  if (message == Message::destroy) {
    g_worker_may_send = true;
    g_worker.wait();
    platform::post_quit(0);
    return 0;
  }
  return platform::default_procedure(window, message, w, l);
}

TEST_F(WindowTest, SendToAWindowWaitingForTheSenderDoesNotHang) {
  platform::Window* window = MakeWindow(WaitsForWorker);
  g_worker_may_send = false;
  g_worker = platform::Thread::start(SendToDyingWindow, window);
  platform::post_message(window, Message::close, 0, 0);
  platform::QueuedMessage message;
  while (platform::get_message(&message))
    platform::dispatch_message(message);
  EXPECT_TRUE(g_worker.wait());
}

}  // namespace
