#pragma once

// Running the game's entry in a child process: its process-wide objects can
// be set up once per process only, so every whole-program case gets its own.

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <functional>
#include <span>

#include "KelvroResources.h"
#include "platform/resources.h"
#include "platform/sim.h"
#include "shell/ProgramEntry.h"

// Runs the program on the simulated desktop with the given resources.
inline int RunProgram(std::span<const platform::Resource> resources = KelvroResources()) {
  platform::Instance* instance = platform::program_instance("kelvro", resources);
  return ProgramEntry(instance, nullptr, "", platform::ShowCommand::normal);
}

struct ChildOutcome {
  bool exited = false;  // false: killed by a signal, e.g. the alarm of a hang
  int status = -1;      // exit status, or the signal's number
};

// Forks; the child runs `script` (scheduling input) and the program, and
// ends with the program's status. A child still running after
// `seconds_allowed` of real time is killed, which shows as a signal.
// `report`, when given, turns the program's status into the child's.
inline ChildOutcome RunProgramInChild(const std::function<void()>& script,
                                      unsigned seconds_allowed = 20,
                                      const std::function<int(int)>& report = nullptr) {
  const pid_t child = fork();
  if (child == 0) {
    alarm(seconds_allowed);
    script();
    const int status = RunProgram();
    std::_Exit(report ? report(status) : status);
  }
  int status = 0;
  waitpid(child, &status, 0);
  if (WIFEXITED(status)) return {true, WEXITSTATUS(status)};
  return {false, WIFSIGNALED(status) ? WTERMSIG(status) : -1};
}
