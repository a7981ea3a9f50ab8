// Times a program's start on an X display: starts the program, waits until a
// top-level window is mapped (a MapNotify on the root window), prints the time
// from start to map, then lets the window settle, asks it to close as a window
// manager would (WM_DELETE_WINDOW) and waits for the program to end.
//
//   tallies_map_timer [--settle MS] [--timeout MS] -- program [arguments]
//
// Prints "map_ms=<milliseconds>" and exits with 0 when the program mapped its
// window and ended by itself with status 0.

#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <xcb/xcb.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string_view>

extern char** environ;

namespace {

constexpr int kPollSliceMs = 20;  // how often a silent wait looks at the program

double NowMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

void SleepMs(double ms) {
  if (ms <= 0) return;
  const auto ns = static_cast<long long>(ms * 1e6);
  timespec span{static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
  while (nanosleep(&span, &span) != 0 && errno == EINTR) {
  }
}

xcb_atom_t InternAtom(xcb_connection_t* connection, const char* name) {
  const xcb_intern_atom_cookie_t cookie =
      xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
  std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
      xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
  return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// The program's exit status once it has ended, or -1 while it still runs.
int Reap(pid_t pid, bool block) {
  int status = 0;
  const pid_t done = waitpid(pid, &status, block ? 0 : WNOHANG);
  if (done != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

int Fail(pid_t pid, const char* why) {
  std::fprintf(stderr, "map_timer: %s\n", why);
  if (pid > 0) {
    kill(pid, SIGKILL);
    Reap(pid, true);
  }
  return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  double settleMs = 300;
  double timeoutMs = 10000;
  int first = 1;
  for (; first < argc; ++first) {
    const std::string_view arg = argv[first];
    if (arg == "--") {
      ++first;
      break;
    }
    if (arg == "--settle" && first + 1 < argc) {
      settleMs = std::atof(argv[++first]);
    } else if (arg == "--timeout" && first + 1 < argc) {
      timeoutMs = std::atof(argv[++first]);
    } else {
      break;
    }
  }
  if (first >= argc) {
    std::fprintf(stderr, "usage: %s [--settle MS] [--timeout MS] -- program [arguments]\n",
                 argv[0]);
    return 2;
  }

  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection)) return Fail(0, "cannot open the X display");
  xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  // A checked request is a round trip: the root is watched before the program starts.
  const xcb_void_cookie_t watch =
      xcb_change_window_attributes_checked(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
  if (xcb_generic_error_t* error = xcb_request_check(connection, watch)) {
    std::free(error);
    return Fail(0, "cannot watch the root window");
  }
  const xcb_atom_t protocols = InternAtom(connection, "WM_PROTOCOLS");
  const xcb_atom_t deleteWindow = InternAtom(connection, "WM_DELETE_WINDOW");

  pid_t pid = 0;
  const double start = NowMs();
  if (posix_spawnp(&pid, argv[first], nullptr, nullptr, argv + first, environ) != 0) {
    return Fail(0, "cannot start the program");
  }

  xcb_window_t window = XCB_WINDOW_NONE;
  double mapped = 0;
  const int fd = xcb_get_file_descriptor(connection);
  while (window == XCB_WINDOW_NONE) {
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
      if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
        const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
        if (!map->override_redirect && window == XCB_WINDOW_NONE) {
          mapped = NowMs();
          window = map->window;
        }
      }
      std::free(event);
    }
    if (window != XCB_WINDOW_NONE) break;
    if (xcb_connection_has_error(connection)) return Fail(pid, "lost the X display");
    if (Reap(pid, false) >= 0) return Fail(0, "the program ended before it mapped a window");
    const double left = start + timeoutMs - NowMs();
    if (left <= 0) return Fail(pid, "no window was mapped in time");
    pollfd wait{fd, POLLIN, 0};
    poll(&wait, 1, static_cast<int>(left < kPollSliceMs ? left + 1 : kPollSliceMs));
  }
  std::printf("map_ms=%.3f\n", mapped - start);
  std::fflush(stdout);

  // Let the window paint, then close it the way a window manager does.
  SleepMs(settleMs);
  xcb_client_message_event_t close{};
  close.response_type = XCB_CLIENT_MESSAGE;
  close.format = 32;
  close.window = window;
  close.type = protocols;
  close.data.data32[0] = deleteWindow;
  close.data.data32[1] = XCB_CURRENT_TIME;
  xcb_send_event(connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
                 reinterpret_cast<const char*>(&close));
  xcb_flush(connection);

  int status = -1;
  for (const double end = NowMs() + timeoutMs; status < 0 && NowMs() < end;) {
    SleepMs(5);
    status = Reap(pid, false);
  }
  xcb_disconnect(connection);
  if (status < 0) return Fail(pid, "the program did not end when its window was closed");
  if (status != 0) {
    std::fprintf(stderr, "map_timer: the program ended with status %d\n", status);
    return 1;
  }
  return 0;
}
