// The return type of operations that can fail: either the value asked for or
// the failure that stopped it, never both, so a caller can't use a value that
// was not produced.
#pragma once

#include <utility>
#include <variant>

namespace lvforge {

template <class T, class E>
class [[nodiscard]] Result {
   public:
    // A success holding `value`.
    Result(T value) : v_(std::in_place_index<0>, std::move(value)) {}
    // A failure holding `failure`.
    Result(E failure) : v_(std::in_place_index<1>, std::move(failure)) {}

    // True when the operation produced its value.
    bool ok() const { return v_.index() == 0; }
    // The value; only valid when ok().
    T& value() { return std::get<0>(v_); }
    const T& value() const { return std::get<0>(v_); }
    // The failure; only valid when !ok().
    const E& error() const { return std::get<1>(v_); }

   private:
    std::variant<T, E> v_;
};

// The result of an operation that produces nothing but can fail: success, or the failure.
template <class E>
class [[nodiscard]] Result<void, E> {
   public:
    // A success.
    Result() = default;
    // A failure holding `failure`.
    Result(E failure) : failure_(std::move(failure)), failed_(true) {}

    // True when the operation succeeded.
    bool ok() const { return !failed_; }
    // The failure; only valid when !ok().
    const E& error() const { return failure_; }

   private:
    E failure_{};
    bool failed_ = false;
};

}  // namespace lvforge
