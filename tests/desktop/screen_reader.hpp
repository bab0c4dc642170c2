#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "x_session.hpp"

using AtspiAccessible = struct _AtspiAccessible;
using AtspiEventListener = struct _AtspiEventListener;

namespace kolva::desktop {

// One object of an application as a screen reader sees it over the
// accessibility bus (AT-SPI): its role, name, description, states,
// relations, actions and children.
class Accessible {
public:
    explicit Accessible(AtspiAccessible* object);  // takes the reference
    ~Accessible();
    Accessible(const Accessible& other);
    Accessible& operator=(const Accessible& other);
    Accessible(Accessible&& other) noexcept;
    Accessible& operator=(Accessible&& other) noexcept;

    std::string role() const;  // as a reader names it: "combo box", "check box", …
    std::string name() const;
    std::string description() const;
    bool hasState(const char* state) const;  // "checked", "focused", "enabled", …
    // The names of the objects that label this one.
    std::vector<std::string> labelledBy() const;
    std::vector<std::string> actions() const;
    // Does the action named `action`, as a screen reader's user may ask it to.
    void doAction(const std::string& action) const;
    int childCount() const;
    Accessible child(int index) const;
    // The centre of the object on the screen.
    Point centre() const;

    // Every object in sight below this one that `matches`, depth first. What
    // is out of sight, such as a closed list's popup and its entries (which
    // Qt 6.8 makes at once), is not searched, as a reader's review skips it.
    std::vector<Accessible> findAll(const std::function<bool(const Accessible&)>& matches) const;
    // The first such object; fails the test with `what` if there is none.
    Accessible find(const std::function<bool(const Accessible&)>& matches,
                    const std::string& what) const;

    AtspiAccessible* raw() const { return object_; }

private:
    AtspiAccessible* object_ = nullptr;
};

// A screen reader's connection to the accessibility bus of the current
// desktop. One per process: the library behind it connects only once.
class ScreenReader {
public:
    ScreenReader();

    // The application of process `pid`, once it has joined the bus.
    Accessible application(pid_t pid, std::chrono::milliseconds timeout);
};

// One event the reader was sent.
struct Event {
    std::string type;        // such as "object:property-change:accessible-name"
    std::string sourceName;  // the name of the object it is about, when it came
    std::string sourceRole;
};

// Collects the events of the given types that the reader is sent.
class EventLog {
public:
    explicit EventLog(std::vector<std::string> types);
    ~EventLog();
    EventLog(const EventLog&) = delete;
    EventLog& operator=(const EventLog&) = delete;

    // Takes in what arrives for `duration`.
    void listen(std::chrono::milliseconds duration);
    // Takes in events until one matches, or `timeout` passes.
    bool waitFor(const std::function<bool(const Event&)>& matches,
                 std::chrono::milliseconds timeout);
    const std::vector<Event>& events() const { return events_; }
    void clear() { events_.clear(); }

private:
    std::vector<std::string> types_;
    AtspiEventListener* listener_ = nullptr;
    std::vector<Event> events_;
};

}  // namespace kolva::desktop
