#pragma once

#include <QString>

#include <stdexcept>

// A text that should have been a whole or a decimal number. Raised by the conversions; the window that
// ran the action shows message() in the application's error box and ends the action.
class ConvertError final : public std::runtime_error {
  public:
    explicit ConvertError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}

    const QString& message() const { return message_; }

  private:
    QString message_;
};
