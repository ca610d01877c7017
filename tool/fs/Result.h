#pragma once

#include <QString>

#include <optional>
#include <utility>

// Why something failed: the file or folder it was about, as the user would find it, and the reason
// ("Read-only file system", "l'historique des modifications ne peut pas être écrit dans ..."). A change
// refused before it was tried (the journal of changes couldn't record it) says so.
struct Failure final {
    QString path;
    QString reason;
    bool refused = false;
};

// What a function that can fail returns: its value, or the failure that stopped it.
template <typename T> class Result final {
  public:
    Result(T value) : value_(std::move(value)) {} // NOLINT: a value converts to its result
    Result(Failure failure) : failure_(std::move(failure)) {} // NOLINT

    explicit operator bool() const { return value_.has_value(); }
    const T& value() const { return *value_; }
    T& value() { return *value_; }
    const T& operator*() const { return *value_; }
    const T* operator->() const { return &*value_; }
    const Failure& failure() const { return failure_; }

  private:
    std::optional<T> value_;
    Failure failure_;
};

template <> class Result<void> final {
  public:
    Result() = default;
    Result(Failure failure) : ok_(false), failure_(std::move(failure)) {} // NOLINT

    explicit operator bool() const { return ok_; }
    const Failure& failure() const { return failure_; }

  private:
    bool ok_ = true;
    Failure failure_;
};

using Done = Result<void>;
