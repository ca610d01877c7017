#pragma once

#include <QByteArray>

// An environment variable set to value for the life of the object, then as it was (unset if it was).
class EnvironmentValue {
  public:
    EnvironmentValue(const char* name, const QByteArray& value)
        : name_(name), wasSet_(qEnvironmentVariableIsSet(name)), saved_(qgetenv(name)) {
        qputenv(name, value);
    }
    ~EnvironmentValue() {
        if (wasSet_)
            qputenv(name_, saved_);
        else
            qunsetenv(name_);
    }
    EnvironmentValue(const EnvironmentValue&) = delete;
    EnvironmentValue& operator=(const EnvironmentValue&) = delete;

  private:
    const char* name_;
    bool wasSet_;
    QByteArray saved_;
};
