#pragma once

#include <string>

// Everything MessageSink prints while it lives.
class CapturedOutput final {
  public:
    CapturedOutput();
    CapturedOutput(const CapturedOutput&) = delete;
    CapturedOutput& operator=(const CapturedOutput&) = delete;
    ~CapturedOutput();

    std::string text;
};
