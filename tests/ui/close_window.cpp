// Asks an X11 window to close, as a window manager's close button does, so the smoke test can
// end the game the way a person would; xdotool can only destroy or kill a window.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: close_window <window id>\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "close_window: cannot open the display\n");
        return 1;
    }
    XEvent event {};
    event.xclient.type = ClientMessage;
    event.xclient.window = static_cast<Window>(std::strtoul(argv[1], nullptr, 0));
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, event.xclient.window, False, NoEventMask, &event);
    XCloseDisplay(display);
    return 0;
}
