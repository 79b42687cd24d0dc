/* Times a program's windows from outside, for scripts/measure-startup.sh (native, Xlib):
 *
 *   window_clock LIMIT_MS TITLE... -- COMMAND [ARGS...]
 *
 * starts COMMAND and prints one line: for each TITLE the milliseconds from the start until a
 * top-level window with exactly that name was on the screen, drawn: viewable, and not black
 * in its middle (a window is mapped before anything is drawn in it, and Wine draws into a
 * window surface that reaches X only when it is flushed). -1 when none came within
 * LIMIT_MS. Then it waits for the program to end (the caller closes it), at most
 * LIMIT_MS more, and ends it when it does not.
 *
 * With WINDOW_CLOCK_GRAB naming a file, the first title's window is written there as a PPM
 * picture the moment it is seen drawn (scripts/compare-screens.sh takes the splash so, before
 * the main window can cover it).
 *
 * The X server announces every window it maps on the root (Wine without a window manager puts
 * top-level windows there); the clock wakes at each announcement, and looks at the mapped
 * windows again every 2 ms in case a name comes later. A window is so seen within 2 ms of
 * its showing, without a scan of the whole screen at every turn. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

enum { kPollMs = 2, kMaxTitles = 8 };

static long long NowUs(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (long long)t.tv_sec * 1000000 + t.tv_nsec / 1000;
}

static int ignore_errors(Display* d, XErrorEvent* e) {
    (void)d;
    (void)e;
    return 0; /* windows vanish between looking and asking */
}

/* Whether something is drawn in the window: Wine's X windows are black until their surface is
 * flushed. Only a small square in the middle is looked at, so that the looking costs the X
 * server (which the program waits on too) next to nothing. */
static int Drawn(Display* d, Window w, int width, int height) {
    const int side = 8;
    if (width < side || height < side) return 1;
    XImage* image =
        XGetImage(d, w, (width - side) / 2, (height - side) / 2, side, side, AllPlanes, ZPixmap);
    if (!image) return 0;
    int drawn = 0;
    for (int y = 0; y < side && !drawn; ++y) {
        for (int x = 0; x < side && !drawn; ++x) drawn = XGetPixel(image, x, y) != 0;
    }
    XDestroyImage(image);
    return drawn;
}

/* Writes the window's picture to the file WINDOW_CLOCK_GRAB names, if it names one. */
static void Grab(Display* d, Window w, int width, int height) {
    const char* path = getenv("WINDOW_CLOCK_GRAB");
    if (!path || !*path) return;
    XImage* image = XGetImage(d, w, 0, 0, (unsigned)width, (unsigned)height, AllPlanes, ZPixmap);
    FILE* f = image ? fopen(path, "wb") : NULL;
    if (f) {
        fprintf(f, "P6\n%d %d\n255\n", width, height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const unsigned long p = XGetPixel(image, x, y);
                const unsigned char rgb[3] = {(unsigned char)((p & image->red_mask) >> 16),
                                              (unsigned char)((p & image->green_mask) >> 8),
                                              (unsigned char)(p & image->blue_mask)};
                fwrite(rgb, 1, 3, f);
            }
        }
        fclose(f);
    }
    if (image) XDestroyImage(image);
}

/* Notes the time for every title the window shows while viewable and drawn; returns how many
 * were new. */
static int Match(Display* d, Window w, char** titles, int count, long long* seen, long long now) {
    XWindowAttributes a;
    if (!XGetWindowAttributes(d, w, &a) || a.map_state != IsViewable) return 0;
    char* name = NULL;
    int found = 0;
    if (XFetchName(d, w, &name) && name) {
        int wanted = 0;
        for (int i = 0; i < count; ++i) wanted |= seen[i] < 0 && strcmp(name, titles[i]) == 0;
        if (wanted && Drawn(d, w, a.width, a.height)) {
            for (int i = 0; i < count; ++i) {
                if (seen[i] < 0 && strcmp(name, titles[i]) == 0) {
                    seen[i] = now;
                    ++found;
                    if (i == 0) Grab(d, w, a.width, a.height);
                }
            }
        }
        XFree(name);
    }
    return found;
}

int main(int argc, char** argv) {
    int sep = 0;
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "--") == 0) {
            sep = i;
            break;
        }
    }
    const int count = sep - 2;
    if (sep < 3 || sep + 1 >= argc || count > kMaxTitles) {
        fprintf(stderr, "usage: window_clock LIMIT_MS TITLE... -- COMMAND [ARGS...]\n");
        return 2;
    }
    const long long limitUs = atoll(argv[1]) * 1000;
    char** titles = argv + 2;
    Display* d = XOpenDisplay(NULL);
    if (!d) {
        fprintf(stderr, "window_clock: no display\n");
        return 2;
    }
    XSetErrorHandler(ignore_errors);
    const Window root = DefaultRootWindow(d);
    XSelectInput(d, root, SubstructureNotifyMask);
    XSync(d, False);

    long long seen[kMaxTitles];
    for (int i = 0; i < count; ++i) seen[i] = -1;
    const long long t0 = NowUs();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[sep + 1], argv + sep + 1);
        _exit(127);
    }
    /* The windows the server has mapped: looked at on every notice about them and every 2 ms,
     * since a name may come after the mapping. */
    Window mapped[256];
    int nMapped = 0;
    int left = count;
    while (left > 0 && NowUs() - t0 < limitUs) {
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type == MapNotify && nMapped < 256) {
                XSelectInput(d, e.xmap.window, PropertyChangeMask);
                mapped[nMapped++] = e.xmap.window;
            }
        }
        for (int k = 0; k < nMapped; ++k) {
            left -= Match(d, mapped[k], titles, count, seen, NowUs() - t0);
        }
        struct pollfd p = {ConnectionNumber(d), POLLIN, 0};
        poll(&p, 1, kPollMs);
    }
    for (int i = 0; i < count; ++i)
        printf("%s%lld", i ? " " : "", seen[i] < 0 ? -1 : seen[i] / 1000);
    printf("\n");
    fflush(stdout);
    XCloseDisplay(d);
    const long long t1 = NowUs();
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (NowUs() - t1 > limitUs) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            break;
        }
        usleep(10000);
    }
    return 0;
}
