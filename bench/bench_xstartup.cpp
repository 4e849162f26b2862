// Start-up of the whole program on an X server against the floor program (startup_floor): time from
// exec to the first frame on the server, read back from the server's own pixels, time to the window's
// map, the processor time the process used (up to a moment after its first frame), and peak resident
// memory. The programs take turns, so that a slow spell of the machine hits all alike; the figures
// are medians.
//
//   bench_xstartup [-n runs] <program>... <floor>      (needs DISPLAY; no window manager)
//
// A window's first frame counts when two pixels of the background picture that no other control
// covers, one near the top and one near the bottom, show on the screen where the centred window lies.

#include <QImage>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

extern char** environ;

namespace {

constexpr int kWindowSize = 400;
constexpr std::array<std::array<int, 2>, 2> kProbes {{{20, 30}, {200, 392}}};
constexpr long kTimeoutNs = 10'000'000'000;
constexpr long kSettleNs = 300'000'000; // after the first frame, before the peak memory is read
constexpr long kPollNs = 250'000;

long nowNs()
{
    timespec t {};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1'000'000'000L + t.tv_nsec;
}

void pause(long ns)
{
    const timespec t {0, ns};
    nanosleep(&t, nullptr);
}

struct Sample
{
    double frameMs = 0;
    double mapMs = 0;
    double cpuMs = 0; // the program's own processor time, which other load on the machine hardly moves
    double peakMiB = 0;
};

class Screen
{
public:
    Screen()
    {
        m_connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_connection)) {
            std::fprintf(stderr, "no X server (DISPLAY)\n");
            std::exit(1);
        }
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
        m_root = screen->root;
        m_left = (screen->width_in_pixels - kWindowSize) / 2;
        m_top = (screen->height_in_pixels - kWindowSize) / 2;
        // Map notifications of every top-level window.
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_connection);
    }
    ~Screen() { xcb_disconnect(m_connection); }

    // The 24-bit colour of a pixel of the window's place.
    std::uint32_t pixel(int x, int y) const
    {
        const auto cookie
            = xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, m_root, static_cast<int16_t>(m_left + x),
                            static_cast<int16_t>(m_top + y), 1, 1, ~0U);
        xcb_get_image_reply_t* reply = xcb_get_image_reply(m_connection, cookie, nullptr);
        std::uint32_t value = 0;
        if (reply && xcb_get_image_data_length(reply) >= 4)
            std::copy_n(xcb_get_image_data(reply), 4, reinterpret_cast<std::uint8_t*>(&value));
        std::free(reply);
        return value & 0xffffff;
    }

    bool showsPicture(const std::array<std::uint32_t, kProbes.size()>& expected) const
    {
        for (std::size_t i = 0; i < kProbes.size(); ++i) {
            if (pixel(kProbes[i][0], kProbes[i][1]) != expected[i])
                return false;
        }
        return true;
    }

    // True once a top-level window has been mapped since the last call.
    bool mapped()
    {
        bool seen = false;
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY)
                seen = true;
            std::free(event);
        }
        return seen;
    }

private:
    xcb_connection_t* m_connection;
    xcb_window_t m_root;
    int m_left;
    int m_top;
};

bool measure(Screen& screen, const char* program, const std::array<std::uint32_t, kProbes.size()>& expected,
             Sample& sample)
{
    screen.mapped();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    char* argv[] = {const_cast<char*>(program), nullptr};
    pid_t pid = 0;
    const long start = nowNs();
    if (posix_spawn(&pid, program, &actions, nullptr, argv, environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", program);
        return false;
    }
    posix_spawn_file_actions_destroy(&actions);
    long mapped = 0;
    long frame = 0;
    while (frame == 0 && nowNs() - start < kTimeoutNs) {
        if (mapped == 0 && screen.mapped())
            mapped = nowNs();
        if (screen.showsPicture(expected))
            frame = nowNs();
        else
            pause(kPollNs);
    }
    if (mapped == 0 && screen.mapped())
        mapped = frame;
    if (frame != 0)
        pause(kSettleNs);
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage {};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) { }
    // The window is gone once its pixels are.
    for (const long gone = nowNs(); screen.showsPicture(expected) && nowNs() - gone < kTimeoutNs;)
        pause(kPollNs);
    if (frame == 0) {
        std::fprintf(stderr, "%s showed no frame\n", program);
        return false;
    }
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    sample = {(frame - start) / 1e6, (mapped - start) / 1e6, ms(usage.ru_utime) + ms(usage.ru_stime),
              usage.ru_maxrss / 1024.0};
    return true;
}

double median(std::vector<Sample> samples, double Sample::*member)
{
    std::vector<double> values;
    for (const Sample& s : samples)
        values.push_back(s.*member);
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    int runs = 21;
    int first = 1;
    if (argc > 2 && std::string_view(argv[1]) == "-n") {
        runs = std::max(1, std::atoi(argv[2]));
        first = 3;
    }
    if (argc - first < 2) {
        std::fprintf(stderr, "usage: %s [-n runs] <program>... <floor>\n", argv[0]);
        return 2;
    }
    const std::vector<const char*> programs(argv + first, argv + argc);

    const QImage background(QStringLiteral(":/pictures/background.png"));
    std::array<std::uint32_t, kProbes.size()> expected {};
    for (std::size_t i = 0; i < kProbes.size(); ++i)
        expected[i] = background.pixel(kProbes[i][0], kProbes[i][1]) & 0xffffff;

    Screen screen;
    std::vector<std::vector<Sample>> samples(programs.size());
    // One unmeasured run each first, so that all start with the same files in the page cache.
    for (int run = -1; run < runs; ++run) {
        for (std::size_t i = 0; i < programs.size(); ++i) {
            Sample sample;
            if (!measure(screen, programs[i], expected, sample))
                return 1;
            if (run >= 0)
                samples[i].push_back(sample);
        }
    }

    std::printf("median of %d runs each, taking turns; ratios to the floor (the last program)\n", runs);
    std::vector<Sample> medians;
    for (const auto& each : samples)
        medians.push_back({median(each, &Sample::frameMs), median(each, &Sample::mapMs),
                           median(each, &Sample::cpuMs), median(each, &Sample::peakMiB)});
    const Sample& floor = medians.back();
    for (std::size_t i = 0; i < programs.size(); ++i) {
        const Sample& m = medians[i];
        std::printf(
            "%s\n  first frame %6.1f ms %5.2fx   mapped %6.1f ms %5.2fx   processor %6.1f ms %5.2fx   "
            "peak memory %5.1f MiB %5.2fx\n",
            programs[i], m.frameMs, m.frameMs / floor.frameMs, m.mapMs, m.mapMs / floor.mapMs, m.cpuMs,
            m.cpuMs / floor.cpuMs, m.peakMiB, m.peakMiB / floor.peakMiB);
    }
    return 0;
}
