/* Times a program's windows from outside, for scripts/measure-startup.sh (native, Xlib):
 *
 *   window_clock LIMIT_MS TITLE... -- COMMAND [ARGS...]
 *
 * starts COMMAND and prints one line: for each TITLE the milliseconds from the start until a
 * top-level window with exactly that name was on the screen, drawn: viewable, and less than
 * half of it black (a window is mapped before anything is drawn in it, and Wine draws into a
 * window surface that reaches X only when it is flushed). -1 when none came within
 * LIMIT_MS. Then it waits for the program to end (the caller closes it), at most
 * LIMIT_MS more, and ends it when it does not.
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

static int ignore_errors(Display *d, XErrorEvent *e) {
    (void)d;
    (void)e;
    return 0; /* windows vanish between looking and asking */
}

/* Whether something is drawn in the window: Wine's X windows are black until their surface is
 * flushed, and no window of ours or the yardstick's is half black. */
static int Drawn(Display *d, Window w, int width, int height) {
    XImage *image = XGetImage(d, w, 0, 0, (unsigned)width, (unsigned)height, AllPlanes, ZPixmap);
    if (!image) return 0;
    long black = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) black += XGetPixel(image, x, y) == 0;
    }
    XDestroyImage(image);
    return black * 2 < (long)width * height;
}

/* Notes the time for every title the window shows while viewable and drawn; returns how many
 * were new. */
static int Match(Display *d, Window w, char **titles, int count, long long *seen, long long now) {
    XWindowAttributes a;
    if (!XGetWindowAttributes(d, w, &a) || a.map_state != IsViewable) return 0;
    char *name = NULL;
    int found = 0;
    if (XFetchName(d, w, &name) && name) {
        int wanted = 0;
        for (int i = 0; i < count; ++i) wanted |= seen[i] < 0 && strcmp(name, titles[i]) == 0;
        if (wanted && Drawn(d, w, a.width, a.height)) {
            for (int i = 0; i < count; ++i) {
                if (seen[i] < 0 && strcmp(name, titles[i]) == 0) {
                    seen[i] = now;
                    ++found;
                }
            }
        }
        XFree(name);
    }
    return found;
}

int main(int argc, char **argv) {
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
    char **titles = argv + 2;
    Display *d = XOpenDisplay(NULL);
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
    for (int i = 0; i < count; ++i) printf("%s%lld", i ? " " : "", seen[i] < 0 ? -1 : seen[i] / 1000);
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
