#pragma once

#include <limits>
#include <type_traits>
#include <utility>

namespace rodaleque {

// How every handler deals with a failure within a step.
//
// A step is abandoned where it fails (an overflow, a text that is not a number, a control
// element that does not exist, a value a control refuses), its assignment is not made, and
// the handler goes on with its next step; no message is shown. The checked operations
// therefore return a Checked<T> (a value, or the mark that the step has failed) or, for
// actions on controls, a bool that is false when the control refused. A step ends at its one
// assign() (or at the one action it makes), so each step is one statement in the handlers.
//
// Failures are values, not exceptions: the draw meets several of them in nearly every
// attempt, and a thrown exception per attempt would make the draw at the end of a large
// series far too slow.
template <typename T>
class Checked {
public:
    Checked() = default; // a failed step
    Checked(T value) : value_(std::move(value)), ok_(true) {}

    bool ok() const { return ok_; }
    const T& operator*() const { return value_; }

    // Runs f on the value, or passes the failure on.
    template <typename F>
    auto then(F&& f) const -> decltype(f(std::declval<const T&>())) {
        if (!ok())
            return {};
        return f(value_);
    }

private:
    T value_{};
    bool ok_ = false;
};

// Makes the step's assignment when its computation did not fail and the result fits the
// field's width; says whether it did.
template <typename T, typename U>
bool assign(T& field, const Checked<U>& result) {
    if (!result.ok())
        return false;
    if constexpr (std::is_integral_v<T> && std::is_integral_v<U>) {
        if (!std::in_range<T>(*result))
            return false;
    }
    field = static_cast<T>(*result);
    return true;
}

// A test of a condition that fails goes on as if the condition held.
inline bool holds(const Checked<bool>& condition) { return !condition.ok() || *condition; }

// Field-width arithmetic: the result in the field's own width, or a failure on overflow.
template <typename I>
    requires std::is_integral_v<I>
Checked<I> operator+(const Checked<I>& a, std::type_identity_t<I> b) {
    I sum;
    if (!a.ok() || __builtin_add_overflow(*a, b, &sum))
        return {};
    return sum;
}

template <typename I>
    requires std::is_integral_v<I>
Checked<I> operator-(const Checked<I>& a, std::type_identity_t<I> b) {
    I difference;
    if (!a.ok() || __builtin_sub_overflow(*a, b, &difference))
        return {};
    return difference;
}

template <typename I>
    requires std::is_integral_v<I>
Checked<I> operator*(const Checked<I>& a, std::type_identity_t<I> b) {
    I product;
    if (!a.ok() || __builtin_mul_overflow(*a, b, &product))
        return {};
    return product;
}

template <typename I>
    requires std::is_integral_v<I>
Checked<I> checkedAdd(I a, std::type_identity_t<I> b) {
    return Checked<I>(a) + b;
}

} // namespace rodaleque
