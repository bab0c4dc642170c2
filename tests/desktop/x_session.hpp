#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// Xlib's own names clash with everything; only its handles appear here.
using XDisplay = struct _XDisplay;
using XWindow = unsigned long;

namespace kolva::desktop {

struct Point {
    int x = 0;
    int y = 0;

    friend bool operator==(const Point&, const Point&) = default;
    Point operator+(Point other) const { return {x + other.x, y + other.y}; }
    friend std::ostream& operator<<(std::ostream& out, Point p) { return out << p.x << "," << p.y; }
};

// The whole screen's pixels, row by row, as 0xRRGGBB.
struct Screenshot {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t at(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

// The test's connection to the X server: it finds windows, reads where they
// are and sends real input through the XTEST extension, as a user's mouse
// and keyboard would.
class XSession {
public:
    explicit XSession(const std::string& display);
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    // The mapped top-level window of the program whose class is `wmClass`.
    std::optional<XWindow> findWindow(std::string_view wmClass, std::chrono::milliseconds timeout);
    // The top-left corner of `window`'s client area on the screen.
    Point positionOf(XWindow window);
    // Waits until `window` stands at `where`; false if it does not in time.
    bool waitForPosition(XWindow window, Point where, std::chrono::milliseconds timeout);

    // The values of a window property made of 32-bit numbers, such as
    // _NET_WM_ICON; empty if the window has no such property.
    std::vector<unsigned long> numbers(XWindow window, const char* property);

    Screenshot screenshot();

    void movePointer(Point to);
    // Moves the pointer from where it is to `to` in small steps, as a hand does.
    void dragPointer(Point from, Point to);
    void press(unsigned button);
    void release(unsigned button);
    void click(Point at, unsigned button = 1);
    // Presses `button` at `from`, moves to `to` and releases it there.
    void drag(Point from, Point to, unsigned button);
    // Gives `window` the keyboard, as a window manager does when it is clicked.
    void focus(XWindow window);
    // Presses and releases a key given by its X name ("Tab", "Escape", "q"),
    // with the key named `held` ("Control_L", "Insert") held down if given.
    void tapKey(std::string_view keyName, std::string_view held = {});

    // The text on the clipboard, asked of its owner as any program asks for
    // it; empty if no one offers text in time.
    std::string clipboardText(std::chrono::milliseconds timeout);

private:
    void flush();

    XDisplay* display_ = nullptr;
};

}  // namespace kolva::desktop
