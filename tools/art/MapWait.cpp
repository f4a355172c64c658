// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
// map-wait <program> [arguments]: starts the program and prints the milliseconds from its
// exec to the mapping of its first top-level window on the X display, its resident memory
// (VmRSS, KiB) half a second later, and the processor time it had used by the mapping (ms,
// user and system: on a busy machine steadier than the wall clock); then ends it with SIGTERM. A
// helper of bench-start.sh, built by it with the system's Xlib; not part of the game.
#include <X11/Xlib.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

long ResidentKiB(pid_t Pid) {
  std::ifstream File("/proc/" + std::to_string(Pid) + "/status");
  for (std::string Line; std::getline(File, Line);)
    if (Line.rfind("VmRSS:", 0) == 0)
      return std::stol(Line.substr(6));
  return -1;
}

// The processor time of all the process's threads so far, in milliseconds (the scheduler's
// nanosecond count: /proc/<pid>/task/<tid>/schedstat).
double ProcessorMs(pid_t Pid) {
  double Ns = 0;
  const std::string Tasks = "/proc/" + std::to_string(Pid) + "/task";
  for (const auto& Task : std::filesystem::directory_iterator(Tasks)) {
    std::ifstream File(Task.path() / "schedstat");
    double Running = 0;
    if (File >> Running)
      Ns += Running;
  }
  return Ns / 1e6;
}

} // namespace

int main(int Argc, char** Argv) {
  if (Argc < 2) {
    std::fprintf(stderr, "usage: map-wait <program> [arguments]\n");
    return 2;
  }
  Display* X = XOpenDisplay(nullptr);
  if (!X) {
    std::fprintf(stderr, "map-wait: no display\n");
    return 1;
  }
  const Window Root = DefaultRootWindow(X);
  XSelectInput(X, Root, SubstructureNotifyMask);
  XSync(X, False);
  const auto Start = std::chrono::steady_clock::now();
  const pid_t Pid = fork();
  if (Pid == 0) {
    execv(Argv[1], Argv + 1);
    _exit(127);
  }
  double Ms = -1, Cpu = -1;
  while (Ms < 0) {
    XEvent Event;
    XNextEvent(X, &Event);
    if (Event.type == MapNotify && Event.xmap.event == Root) {
      Ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - Start)
               .count();
      Cpu = ProcessorMs(Pid);
    }
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  const long Rss = ResidentKiB(Pid);
  kill(Pid, SIGTERM);
  int Exit = 0;
  waitpid(Pid, &Exit, 0);
  std::printf("%.1f %ld %.1f\n", Ms, Rss, Cpu);
  XCloseDisplay(X);
  return 0;
}
