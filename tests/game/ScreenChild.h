#pragma once

// One screen of the game called directly, in a child process of its own: the
// game's process-wide objects can be set up only once per process. The child
// makes its checks itself and writes every failure back to the parent.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <functional>
#include <sstream>
#include <string>

#include "KelvroResources.h"
#include "QelLib.h"
#include "SimFixture.h"
#include "assets/LoadAssets.h"
#include "platform/resources.h"
#include "platform/sim.h"

class ChildChecks {
 public:
  explicit ChildChecks(int fd) : fd_(fd) {}

  bool Expect(bool ok, const std::string& what) {
    if (!ok) Fail(what);
    return ok;
  }

  template <typename A, typename B>
  bool ExpectEq(const A& actual, const B& expected, const std::string& what) {
    if (actual == expected) return true;
    std::ostringstream message;
    message << what << ": got " << actual << ", expected " << expected;
    Fail(message.str());
    return false;
  }

  void Fail(const std::string& what) {
    ++failures_;
    const std::string line = what + "\n";
    // Should the pipe fail, the parent still sees the count in the status.
    [[maybe_unused]] const ssize_t written = write(fd_, line.data(), line.size());
  }

  int failures() const { return failures_; }

 private:
  int fd_;
  int failures_ = 0;
};

struct ChildReport {
  bool exited = false;  // false: killed, e.g. by the alarm of a hang
  int status = -1;      // the number of failed checks (capped), or the signal
  std::string failures;
};

// Forks; the child starts from a fresh simulated desktop, runs `body` and
// exits with its count of failed checks. A child still running after
// `seconds_allowed` of real time is killed.
inline ChildReport RunInChild(const std::function<void(ChildChecks&)>& body,
                              unsigned seconds_allowed = 20) {
  int fds[2];
  if (pipe(fds) != 0) return {};
  const pid_t child = fork();
  if (child == 0) {
    close(fds[0]);
    alarm(seconds_allowed);
    platform::sim::reset();
    ChildChecks checks(fds[1]);
    body(checks);
    std::_Exit(checks.failures() > 100 ? 100 : checks.failures());
  }
  close(fds[1]);
  ChildReport report;
  char buffer[256];
  ssize_t got = 0;
  while ((got = read(fds[0], buffer, sizeof buffer)) > 0)
    report.failures.append(buffer, got);
  close(fds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  report.exited = WIFEXITED(status);
  report.status = report.exited ? WEXITSTATUS(status) : WTERMSIG(status);
  return report;
}

inline void ExpectChildPassed(const ChildReport& report) {
  EXPECT_TRUE(report.exited) << "the child was killed by signal " << report.status << " (a hang?)\n"
                             << report.failures;
  if (report.exited) {
    EXPECT_EQ(report.status, 0) << report.failures;
  }
}

// The game's window, as the program opens it (outer 640 x 480, so a 640 x 460
// client area), with the game's resources, and its assets set up on it. The
// pacing clock starts now, as a wait always comes just before a screen in the
// game, so a screen's first step is paced like every other one.
inline bool SetUpGameScreens(ChildChecks& checks) {
  platform::Instance* instance = platform::program_instance("kelvro", KelvroResources());
  platform::Window* window = MakeWindow(DefaultOnly, 640, 480, "screen test", instance);
  const bool ready = checks.Expect(window != nullptr, "the window opens") &&
                     checks.Expect(LoadAssets(window) == 0, "the game's assets load");
  QelWaitInit();
  return ready;
}
