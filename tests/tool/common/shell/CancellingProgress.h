#pragma once

#include "shell/Progress.h"

#include <QStringList>

// Lets the first `allowed` files go, then cancels at the next one, as a user would while it waits its turn.
class CancellingProgress final : public Progress {
  public:
    explicit CancellingProgress(int allowed) : allowed_(allowed) {}

    void Start(int files, qint64 bytes) override {
        files_ = files;
        bytes_ = bytes;
    }
    bool Step(const QString& file, qint64) override {
        steps << file;
        return steps.size() <= allowed_;
    }
    void Wait() override {}

    int files_ = 0;
    qint64 bytes_ = 0;
    QStringList steps;

  private:
    int allowed_;
};
