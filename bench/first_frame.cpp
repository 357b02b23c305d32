// Waits for the first frame of a new window on the X screen. Takes the screen's middle row and
// column as they are, says "ready" on standard output, then reads them from the X server again
// and again until a pixel differs, and prints the wall-clock time of that moment (ns since the
// epoch), to half a millisecond. A window that is mapped but not yet drawn leaves the screen as it was (Qt's windows
// have no background of their own on X11), so the change is the program's first drawing of a
// window that crosses the middle of the screen. Exits 1 when nothing changes within the given
// milliseconds (20 s by default).

#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {

std::vector<unsigned char> Grab(xcb_connection_t* c, xcb_window_t root, int x, int y, int w, int h)
{
    const auto cookie = xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, root, int16_t(x), int16_t(y), uint16_t(w),
                                      uint16_t(h), ~0u);
    xcb_get_image_reply_t* reply = xcb_get_image_reply(c, cookie, nullptr);
    if (!reply) return {};
    const unsigned char* data = xcb_get_image_data(reply);
    std::vector<unsigned char> pixels(data, data + xcb_get_image_data_length(reply));
    std::free(reply);
    return pixels;
}

}  // namespace

int main(int argc, char** argv)
{
    const long limitMs = argc > 1 ? std::atol(argv[1]) : 20000;
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) return 2;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const int w = screen->width_in_pixels, h = screen->height_in_pixels;
    const auto row = [&] { return Grab(c, screen->root, 0, h / 2, w, 1); };
    const auto column = [&] { return Grab(c, screen->root, w / 2, 0, 1, h); };
    const auto rowBefore = row(), columnBefore = column();
    std::printf("ready\n");
    std::fflush(stdout);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    while (std::chrono::steady_clock::now() < deadline) {
        if (row() != rowBefore || column() != columnBefore) {
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            std::printf("%lld\n", static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
            xcb_disconnect(c);
            return 0;
        }
        // Half a millisecond between looks leaves the X server and the program under test the
        // processor: a watcher that asks without a pause delays the drawing it waits for.
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    xcb_disconnect(c);
    return 1;
}
