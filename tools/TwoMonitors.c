/* Divides the screen of an X display into two RandR monitors side by side,
 * the left one primary, so that Wine (with its X11 driver's UseXRandR set to
 * "N", which makes it ask Xinerama, which the server answers from these
 * monitors) shows programs two monitors on one Xvfb screen.
 *
 *   two-monitors [DISPLAY]
 *
 * The server must run with -noreset: monitors set by a client last only while
 * the server does not reset, and it resets when its last client leaves. */
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#include <stdio.h>
#include <string.h>

static void SetMonitor(Display* display, Window root, const char* name, int primary, RROutput* output, int x,
                       int width, int height) {
    XRRMonitorInfo info = {0};
    info.name = XInternAtom(display, name, False);
    info.primary = primary;
    info.automatic = False;
    info.noutput = output != NULL ? 1 : 0;
    info.outputs = output;
    info.x = x;
    info.y = 0;
    info.width = width;
    info.height = height;
    /* Millimetres at 96 dots an inch. */
    info.mwidth = width * 254 / 960;
    info.mheight = height * 254 / 960;
    XRRSetMonitor(display, root, &info);
}

int main(int argc, char** argv) {
    Display* display = XOpenDisplay(argc > 1 ? argv[1] : NULL);
    if (!display) {
        fprintf(stderr, "two-monitors: cannot open the display\n");
        return 1;
    }
    int event, error, major = 0, minor = 0;
    if (!XRRQueryExtension(display, &event, &error) || !XRRQueryVersion(display, &major, &minor) ||
        major * 100 + minor < 105) {
        fprintf(stderr, "two-monitors: the server has no RandR 1.5 (it has %d.%d)\n", major, minor);
        XCloseDisplay(display);
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    const int width = DisplayWidth(display, DefaultScreen(display));
    const int height = DisplayHeight(display, DefaultScreen(display));
    const int half = width / 2;
    /* Run again on the same server, it replaces its monitors. */
    int count = 0;
    XRRMonitorInfo* monitors = XRRGetMonitors(display, root, False, &count);
    for (int i = 0; i < count; ++i) {
        char* name = XGetAtomName(display, monitors[i].name);
        if (name && strncmp(name, "VISTREL-", 8) == 0) XRRDeleteMonitor(display, root, monitors[i].name);
        if (name) XFree(name);
    }
    if (monitors) XRRFreeMonitors(monitors);
    /* The screen's one output goes to the primary monitor: an output that no
     * monitor claims keeps a monitor of its own, the whole screen, which
     * Xinerama would report as a third head over the other two. */
    XRRScreenResources* resources = XRRGetScreenResources(display, root);
    RROutput output = resources && resources->noutput > 0 ? resources->outputs[0] : None;
    if (resources) XRRFreeScreenResources(resources);
    SetMonitor(display, root, "VISTREL-LEFT", True, output != None ? &output : NULL, 0, half, height);
    SetMonitor(display, root, "VISTREL-RIGHT", False, NULL, half, width - half, height);
    XSync(display, False);

    /* Read back: a server that took the call but did not keep both monitors
     * fails here and not later, in a test that would only find one. The
     * server's own monitor of the whole screen stays listed beside them;
     * Xinerama leaves it out. */
    int ours = 0;
    monitors = XRRGetMonitors(display, root, False, &count);
    for (int i = 0; i < count; ++i) {
        char* name = XGetAtomName(display, monitors[i].name);
        if (name && strncmp(name, "VISTREL-", 8) == 0) ++ours;
        if (name) XFree(name);
    }
    if (monitors) XRRFreeMonitors(monitors);
    XCloseDisplay(display);
    if (ours != 2) {
        fprintf(stderr, "two-monitors: the server kept %d of the 2 monitors\n", ours);
        return 1;
    }
    return 0;
}
