#include "screen_reader.hpp"

#include <atspi/atspi.h>

#include <algorithm>
#include <stdexcept>
#include <thread>
#include <utility>

namespace kolva::desktop {

namespace {

using namespace std::chrono_literals;

constexpr int kReplyTimeoutMs = 10000;
constexpr int kStartupTimeoutMs = 30000;

// Takes a string that the library hands over.
std::string adopt(gchar* text) {
    std::string result = text != nullptr ? text : "";
    g_free(text);
    return result;
}

// Lets the library deliver what has come in over the bus.
void pumpEvents() {
    while (g_main_context_iteration(nullptr, FALSE) != FALSE) {
    }
}

}  // namespace

Accessible::Accessible(AtspiAccessible* object) : object_(object) {
    if (object_ == nullptr) {
        throw std::runtime_error("no accessible object");
    }
}

Accessible::~Accessible() {
    if (object_ != nullptr) {
        g_object_unref(object_);
    }
}

Accessible::Accessible(const Accessible& other)
    : object_(static_cast<AtspiAccessible*>(g_object_ref(other.object_))) {}

Accessible& Accessible::operator=(const Accessible& other) {
    if (this != &other) {
        Accessible copy(other);
        std::swap(object_, copy.object_);
    }
    return *this;
}

Accessible::Accessible(Accessible&& other) noexcept
    : object_(std::exchange(other.object_, nullptr)) {}

Accessible& Accessible::operator=(Accessible&& other) noexcept {
    std::swap(object_, other.object_);
    return *this;
}

std::string Accessible::role() const {
    return adopt(atspi_accessible_get_role_name(object_, nullptr));
}

std::string Accessible::name() const {
    return adopt(atspi_accessible_get_name(object_, nullptr));
}

std::string Accessible::description() const {
    return adopt(atspi_accessible_get_description(object_, nullptr));
}

bool Accessible::hasState(const char* state) const {
    auto* stateTypes = static_cast<GEnumClass*>(g_type_class_ref(ATSPI_TYPE_STATE_TYPE));
    const GEnumValue* type = g_enum_get_value_by_nick(stateTypes, state);
    g_type_class_unref(stateTypes);
    if (type == nullptr) {
        throw std::runtime_error(std::string("no state called ") + state);
    }
    AtspiStateSet* states = atspi_accessible_get_state_set(object_);
    const bool has =
        atspi_state_set_contains(states, static_cast<AtspiStateType>(type->value)) != FALSE;
    g_object_unref(states);
    return has;
}

std::vector<std::string> Accessible::labelledBy() const {
    std::vector<std::string> labels;
    GArray* relations = atspi_accessible_get_relation_set(object_, nullptr);
    if (relations == nullptr) {
        return labels;
    }
    for (guint i = 0; i < relations->len; ++i) {
        AtspiRelation* relation = g_array_index(relations, AtspiRelation*, i);
        if (atspi_relation_get_relation_type(relation) == ATSPI_RELATION_LABELLED_BY) {
            for (gint t = 0; t < atspi_relation_get_n_targets(relation); ++t) {
                labels.push_back(Accessible(atspi_relation_get_target(relation, t)).name());
            }
        }
        g_object_unref(relation);
    }
    g_array_free(relations, TRUE);
    return labels;
}

std::vector<std::string> Accessible::actions() const {
    std::vector<std::string> names;
    AtspiAction* action = atspi_accessible_get_action_iface(object_);
    if (action == nullptr) {
        return names;
    }
    const gint count = atspi_action_get_n_actions(action, nullptr);
    for (gint i = 0; i < count; ++i) {
        names.push_back(adopt(atspi_action_get_action_name(action, i, nullptr)));
    }
    g_object_unref(action);
    return names;
}

void Accessible::doAction(const std::string& action) const {
    const std::vector<std::string> names = actions();
    const auto found = std::find(names.begin(), names.end(), action);
    AtspiAction* actions = atspi_accessible_get_action_iface(object_);
    if (found == names.end() || actions == nullptr) {
        throw std::runtime_error(name() + " offers no action " + action);
    }
    atspi_action_do_action(actions, static_cast<gint>(found - names.begin()), nullptr);
    g_object_unref(actions);
}

int Accessible::childCount() const {
    return atspi_accessible_get_child_count(object_, nullptr);
}

Accessible Accessible::child(int index) const {
    return Accessible(atspi_accessible_get_child_at_index(object_, index, nullptr));
}

Point Accessible::centre() const {
    AtspiComponent* component = atspi_accessible_get_component_iface(object_);
    if (component == nullptr) {
        throw std::runtime_error(name() + " has no place on the screen");
    }
    AtspiRect* rect = atspi_component_get_extents(component, ATSPI_COORD_TYPE_SCREEN, nullptr);
    const Point centre{rect->x + rect->width / 2, rect->y + rect->height / 2};
    g_free(rect);
    g_object_unref(component);
    return centre;
}

std::vector<Accessible> Accessible::findAll(
    const std::function<bool(const Accessible&)>& matches) const {
    std::vector<Accessible> found;
    const int count = childCount();
    for (int i = 0; i < count; ++i) {
        const Accessible kid = child(i);
        if (!kid.hasState("showing")) {
            continue;
        }
        if (matches(kid)) {
            found.push_back(kid);
        }
        for (Accessible& below : kid.findAll(matches)) {
            found.push_back(std::move(below));
        }
    }
    return found;
}

Accessible Accessible::find(const std::function<bool(const Accessible&)>& matches,
                            const std::string& what) const {
    std::vector<Accessible> found = findAll(matches);
    if (found.empty()) {
        throw std::runtime_error("a screen reader finds no " + what);
    }
    return found.front();
}

ScreenReader::ScreenReader() {
    atspi_init();
    // Replies may be slow while the machine is busy with other tests; the
    // library's own limit (800 ms) would then fail a call that was on its way.
    atspi_set_timeout(kReplyTimeoutMs, kStartupTimeoutMs);
    // Starts the accessibility bus and its registry before any program
    // looks for them.
    g_object_unref(atspi_get_desktop(0));
}

Accessible ScreenReader::application(pid_t pid, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    do {
        pumpEvents();
        const Accessible desktop(atspi_get_desktop(0));
        const int count = desktop.childCount();
        for (int i = 0; i < count; ++i) {
            AtspiAccessible* app = atspi_accessible_get_child_at_index(desktop.raw(), i, nullptr);
            if (app == nullptr) {
                continue;
            }
            Accessible candidate(app);
            if (static_cast<pid_t>(atspi_accessible_get_process_id(app, nullptr)) == pid &&
                candidate.childCount() > 0) {
                return candidate;
            }
        }
        std::this_thread::sleep_for(50ms);
    } while (std::chrono::steady_clock::now() < deadline);
    throw std::runtime_error("the application never joined the accessibility bus");
}

namespace {

void collect(AtspiEvent* event, void* log) {
    auto& events = *static_cast<std::vector<Event>*>(log);
    Event seen{event->type != nullptr ? event->type : "", "", ""};
    if (event->source != nullptr) {
        seen.sourceName = adopt(atspi_accessible_get_name(event->source, nullptr));
        seen.sourceRole = adopt(atspi_accessible_get_role_name(event->source, nullptr));
    }
    events.push_back(std::move(seen));
    g_boxed_free(ATSPI_TYPE_EVENT, event);
}

}  // namespace

EventLog::EventLog(std::vector<std::string> types)
    : types_(std::move(types)), listener_(atspi_event_listener_new(collect, &events_, nullptr)) {
    for (const std::string& type : types_) {
        atspi_event_listener_register(listener_, type.c_str(), nullptr);
    }
}

EventLog::~EventLog() {
    for (const std::string& type : types_) {
        atspi_event_listener_deregister(listener_, type.c_str(), nullptr);
    }
    g_object_unref(listener_);
}

void EventLog::listen(std::chrono::milliseconds duration) {
    const auto deadline = std::chrono::steady_clock::now() + duration;
    while (std::chrono::steady_clock::now() < deadline) {
        pumpEvents();
        std::this_thread::sleep_for(10ms);
    }
    pumpEvents();
}

bool EventLog::waitFor(const std::function<bool(const Event&)>& matches,
                       std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        pumpEvents();
        for (const Event& event : events_) {
            if (matches(event)) {
                return true;
            }
        }
        std::this_thread::sleep_for(10ms);
    }
    return false;
}

}  // namespace kolva::desktop
