// first_paint X Y W H PROGRAM [ARGS...]: starts PROGRAM and prints the
// milliseconds until the first pure red pixel shows in the rectangle (X, Y,
// W, H) of the X screen, polled every millisecond; then ends the program.
// A window that shows its red prompt there has been mapped and painted.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

bool HasRed(Display* d, Window root, int x, int y, int w, int h) {
  XImage* img = XGetImage(d, root, x, y, static_cast<unsigned>(w), static_cast<unsigned>(h), AllPlanes, ZPixmap);
  if (img == nullptr) return false;
  bool found = false;
  for (int j = 0; j < h && !found; ++j)
    for (int i = 0; i < w && !found; ++i) found = (XGetPixel(img, i, j) & 0xFFFFFF) == 0xFF0000;
  XDestroyImage(img);
  return found;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 6) {
    std::fprintf(stderr, "usage: first_paint X Y W H PROGRAM [ARGS...]\n");
    return 2;
  }
  const int x = std::atoi(argv[1]), y = std::atoi(argv[2]), w = std::atoi(argv[3]), h = std::atoi(argv[4]);
  Display* d = XOpenDisplay(nullptr);
  if (d == nullptr) {
    std::fprintf(stderr, "first_paint: no X display\n");
    return 3;
  }
  const Window root = DefaultRootWindow(d);
  if (HasRed(d, root, x, y, w, h)) {
    std::fprintf(stderr, "first_paint: the rectangle is red already\n");
    return 4;
  }
  using Clock = std::chrono::steady_clock;
  const auto start = Clock::now();
  const pid_t pid = fork();
  if (pid < 0) {
    std::perror("first_paint: fork");
    XCloseDisplay(d);
    return 3;
  }
  if (pid == 0) {
    execv(argv[5], argv + 5);
    _exit(127);
  }
  bool found = false;
  while (!found && Clock::now() - start < std::chrono::seconds(30)) {
    found = HasRed(d, root, x, y, w, h);
    if (!found) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  const std::chrono::duration<double, std::milli> elapsed = Clock::now() - start;
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  XCloseDisplay(d);
  if (!found) {
    std::printf("timeout\n");
    return 1;
  }
  std::printf("%.1f\n", elapsed.count());
  return 0;
}
