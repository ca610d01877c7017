#pragma once

#include <QString>

#include <stdexcept>

// A text that should have been a whole or a decimal number. Raised by the conversions; the action that
// met it ends there, and message() goes to the application's error box.
class ConvertError final : public std::runtime_error {
  public:
    explicit ConvertError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}

    const QString& message() const { return message_; }

  private:
    QString message_;
};
