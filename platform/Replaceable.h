// One instance of an interface that a build may replace (the observer, the service seams); the
// interface's own default does nothing.
#pragma once

template <class Interface>
class Replaceable {
public:
    Interface& Get() { return *current_; }
    // nullptr puts the default back.
    void Set(Interface* replacement) { current_ = replacement ? replacement : &default_; }

private:
    Interface default_;
    Interface* current_ = &default_;
};

// The one instance for an interface; it outlives every static object of the program (an
// automation may end in the static teardown).
template <class Interface>
Replaceable<Interface>& Installed() {
    static auto* slot = new Replaceable<Interface>;
    return *slot;
}
