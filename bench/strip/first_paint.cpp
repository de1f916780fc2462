// first_paint X Y PROGRAM [ARGS...]: starts PROGRAM and prints, in one line,
//   <ms to the first change of root pixel (X, Y)> <peak RSS in KiB one second later>
// The pixel is read straight from the X server every 0.2 ms; on a screen without a
// compositor the first change is the first paint of the window there. The program
// is ended afterwards.
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

namespace {

bool read_pixel(xcb_connection_t* c, xcb_window_t root, int x, int y, std::uint32_t& out) {
    auto cookie = xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, root, static_cast<int16_t>(x), static_cast<int16_t>(y),
                                1, 1, ~0u);
    xcb_get_image_reply_t* r = xcb_get_image_reply(c, cookie, nullptr);
    if (!r) return false;
    const std::uint8_t* d = xcb_get_image_data(r);
    out = d[0] | d[1] << 8 | d[2] << 16;
    std::free(r);
    return true;
}

long vm_hwm_kib(pid_t pid) {
    std::ifstream f("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(f, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: first_paint X Y PROGRAM [ARGS...]\n");
        return 2;
    }
    const int x = std::atoi(argv[1]);
    const int y = std::atoi(argv[2]);
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "first_paint: no display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    std::uint32_t before = 0;
    if (!read_pixel(c, root, x, y, before)) return 1;

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[3], argv + 3);
        _exit(127);
    }
    double ms = -1;
    for (;;) {
        std::uint32_t now = before;
        if (read_pixel(c, root, x, y, now) && now != before) {
            ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            break;
        }
        if (std::chrono::steady_clock::now() - start > std::chrono::seconds(20)) break;
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) break;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const long rss = vm_hwm_kib(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(c);
    if (ms < 0) {
        std::fprintf(stderr, "first_paint: no paint seen\n");
        return 1;
    }
    std::printf("%.1f %ld\n", ms, rss);
    return 0;
}
