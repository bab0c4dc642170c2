#include "x_session.hpp"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace kolva::desktop {

namespace {

using namespace std::chrono_literals;

// Time for the program to take each input event before the next one.
constexpr auto kInputPause = 15ms;

bool hasClass(Display* display, Window window, std::string_view wmClass) {
    XClassHint hint{};
    if (XGetClassHint(display, window, &hint) == 0) {
        return false;
    }
    const bool matches = hint.res_class != nullptr && wmClass == hint.res_class;
    XFree(hint.res_name);
    XFree(hint.res_class);
    return matches;
}

bool isViewable(Display* display, Window window) {
    XWindowAttributes attributes{};
    return XGetWindowAttributes(display, window, &attributes) != 0 &&
           attributes.map_state == IsViewable && attributes.override_redirect == False;
}

// Depth first: a window manager puts each client inside a frame of its own.
std::optional<Window> search(Display* display, Window under, std::string_view wmClass) {
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display, under, &root, &parent, &children, &count) == 0) {
        return std::nullopt;
    }
    std::optional<Window> found;
    for (unsigned i = 0; i < count && !found; ++i) {
        if (hasClass(display, children[i], wmClass) && isViewable(display, children[i])) {
            found = children[i];
        } else {
            found = search(display, children[i], wmClass);
        }
    }
    XFree(children);
    return found;
}

}  // namespace

XSession::XSession(const std::string& display) : display_(XOpenDisplay(display.c_str())) {
    int event = 0;
    int error = 0;
    int major = 0;
    int minor = 0;
    if (display_ == nullptr || XTestQueryExtension(display_, &event, &error, &major, &minor) == 0) {
        throw std::runtime_error("cannot open " + display + " with the XTEST extension");
    }
}

XSession::~XSession() {
    XCloseDisplay(display_);
}

std::optional<XWindow> XSession::findWindow(std::string_view wmClass,
                                            std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    do {
        if (auto window = search(display_, DefaultRootWindow(display_), wmClass)) {
            return window;
        }
        std::this_thread::sleep_for(25ms);
    } while (std::chrono::steady_clock::now() < deadline);
    return std::nullopt;
}

Point XSession::positionOf(XWindow window) {
    int x = 0;
    int y = 0;
    Window child = 0;
    XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 0, 0, &x, &y, &child);
    return {x, y};
}

bool XSession::waitForPosition(XWindow window, Point where, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (positionOf(window) != where) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

std::vector<unsigned long> XSession::numbers(XWindow window, const char* property) {
    const Atom name = XInternAtom(display_, property, False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> values;
    constexpr long kAtMost = 1L << 22;
    if (XGetWindowProperty(display_, window, name, 0, kAtMost, False, AnyPropertyType, &type,
                           &format, &count, &after, &data) == Success &&
        format == 32) {
        // Xlib hands 32-bit values over as longs.
        const auto* longs = reinterpret_cast<const unsigned long*>(data);
        values.assign(longs, longs + count);
    }
    XFree(data);
    return values;
}

Screenshot XSession::screenshot() {
    const Window root = DefaultRootWindow(display_);
    XWindowAttributes attributes{};
    XGetWindowAttributes(display_, root, &attributes);
    XImage* image = XGetImage(display_, root, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    Screenshot shot{attributes.width, attributes.height, {}};
    shot.pixels.reserve(static_cast<std::size_t>(shot.width) *
                        static_cast<std::size_t>(shot.height));
    for (int y = 0; y < shot.height; ++y) {
        for (int x = 0; x < shot.width; ++x) {
            shot.pixels.push_back(static_cast<std::uint32_t>(XGetPixel(image, x, y) & 0xFFFFFF));
        }
    }
    XDestroyImage(image);
    return shot;
}

void XSession::movePointer(Point to) {
    XTestFakeMotionEvent(display_, DefaultScreen(display_), to.x, to.y, CurrentTime);
    flush();
}

void XSession::dragPointer(Point from, Point to) {
    constexpr int kSteps = 6;
    for (int step = 1; step <= kSteps; ++step) {
        movePointer(
            {from.x + (to.x - from.x) * step / kSteps, from.y + (to.y - from.y) * step / kSteps});
    }
}

void XSession::press(unsigned button) {
    XTestFakeButtonEvent(display_, button, True, CurrentTime);
    flush();
}

void XSession::release(unsigned button) {
    XTestFakeButtonEvent(display_, button, False, CurrentTime);
    flush();
}

void XSession::click(Point at, unsigned button) {
    movePointer(at);
    press(button);
    release(button);
}

void XSession::drag(Point from, Point to, unsigned button) {
    movePointer(from);
    press(button);
    dragPointer(from, to);
    release(button);
}

void XSession::tapKey(std::string_view keyName, std::string_view held) {
    const KeyCode key = XKeysymToKeycode(display_, XStringToKeysym(std::string(keyName).c_str()));
    const KeyCode modifier =
        held.empty() ? 0 : XKeysymToKeycode(display_, XStringToKeysym(std::string(held).c_str()));
    if (modifier != 0) {
        XTestFakeKeyEvent(display_, modifier, True, CurrentTime);
    }
    XTestFakeKeyEvent(display_, key, True, CurrentTime);
    XTestFakeKeyEvent(display_, key, False, CurrentTime);
    if (modifier != 0) {
        XTestFakeKeyEvent(display_, modifier, False, CurrentTime);
    }
    flush();
}

void XSession::focus(XWindow window) {
    XSetInputFocus(display_, window, RevertToParent, CurrentTime);
    flush();
}

void XSession::flush() {
    XSync(display_, False);
    std::this_thread::sleep_for(kInputPause);
}

std::string XSession::clipboardText(std::chrono::milliseconds timeout) {
    const Atom clipboard = XInternAtom(display_, "CLIPBOARD", False);
    const Atom utf8 = XInternAtom(display_, "UTF8_STRING", False);
    const Atom into = XInternAtom(display_, "KOLVA_TEST_CLIPBOARD", False);
    const Window requestor =
        XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 1, 1, 0, 0, 0);
    XConvertSelection(display_, clipboard, utf8, into, requestor, CurrentTime);
    flush();
    std::string text;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    XEvent event{};
    while (std::chrono::steady_clock::now() < deadline) {
        if (XCheckTypedWindowEvent(display_, requestor, SelectionNotify, &event) == 0) {
            std::this_thread::sleep_for(kInputPause);
            continue;
        }
        Atom type = 0;
        int format = 0;
        unsigned long length = 0;
        unsigned long remaining = 0;
        unsigned char* data = nullptr;
        if (event.xselection.property == into &&
            XGetWindowProperty(display_, requestor, into, 0, 1 << 20, True, AnyPropertyType, &type,
                               &format, &length, &remaining, &data) == Success &&
            data != nullptr) {
            text.assign(reinterpret_cast<const char*>(data), length);
            XFree(data);
        }
        break;
    }
    XDestroyWindow(display_, requestor);
    flush();
    return text;
}

}  // namespace kolva::desktop
