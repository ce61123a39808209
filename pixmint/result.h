// A value, or the failure that took its place.
#pragma once

#include <utility>
#include <variant>

namespace pixmint {

// Either a T or an E; T and E must be different types.
template <class T, class E>
class Result {
public:
    Result(T value) : v_(std::in_place_index<0>, std::move(value)) {}  // NOLINT: implicit by design
    Result(E error) : v_(std::in_place_index<1>, std::move(error)) {}  // NOLINT: implicit by design

    // True when a value is held.
    bool ok() const { return v_.index() == 0; }
    // The value; only when ok().
    T& value() { return std::get<0>(v_); }
    // The failure; only when !ok().
    const E& error() const { return std::get<1>(v_); }

private:
    std::variant<T, E> v_;
};

}  // namespace pixmint
