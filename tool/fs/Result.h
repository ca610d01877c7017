#pragma once

#include <QString>

#include <optional>
#include <utility>

// Why something failed: the file or folder it was about, as the user would find it, and the reason
// ("Read-only file system", "l'historique des modifications ne peut pas être écrit dans ..."). A change
// refused before it was tried (the journal of changes couldn't record it) says so, and so does a file
// that wasn't written because its folder couldn't be made. A system call's failure keeps its error number,
// for the caller that decides on it (a name already taken); 0 for any other.
struct Failure final {
    QString path;
    QString reason;
    bool refused = false;
    bool folderNotMade = false;
    int error = 0;
};

// What a function that can fail returns: its value, or why it failed. The reason is a Failure where a
// file or a program is to blame; a refusal that its window tells in words of its own carries the report
// those words are built from (an undo's question refused: the UndoReport of why).
template <typename T, typename Reason = Failure> class [[nodiscard]] Result final {
  public:
    Result(T value) : value_(std::move(value)) {}            // NOLINT: a value converts to its result
    Result(Reason failure) : failure_(std::move(failure)) {} // NOLINT

    explicit operator bool() const { return value_.has_value(); }
    const T& value() const { return *value_; }
    T& value() { return *value_; }
    const T& operator*() const { return *value_; }
    T& operator*() { return *value_; }
    const T* operator->() const { return &*value_; }
    T value_or(T otherwise) const { return value_ ? *value_ : otherwise; }
    const Reason& failure() const { return failure_; }

  private:
    std::optional<T> value_;
    Reason failure_;
};

template <typename Reason> class [[nodiscard]] Result<void, Reason> final {
  public:
    Result() = default;
    Result(Reason failure) : ok_(false), failure_(std::move(failure)) {} // NOLINT

    explicit operator bool() const { return ok_; }
    const Reason& failure() const { return failure_; }

  private:
    bool ok_ = true;
    Reason failure_;
};

using Done = Result<void>;
