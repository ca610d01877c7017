#pragma once

#include <cstdio>

// The process-wide channel for progress lines and error reports (standard output by default).
class MessageSink final {
public:
    using WriteFunction = void (*)(void* context, const char* text);

    static MessageSink& Instance();

    // Formats at most 1023 characters (longer text is cut) and hands them to the write function.
    static void Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));

    // Replaces the write function (tests capture the output this way); restore with
    // SetWriter(nullptr, nullptr) to go back to standard output.
    void SetWriter(void* context, WriteFunction write);

    MessageSink(const MessageSink&) = delete;
    MessageSink& operator=(const MessageSink&) = delete;

private:
    MessageSink();
    ~MessageSink() = default;
    static void WriteToStream(void* context, const char* text);

    void* context_;
    WriteFunction write_;
    FILE* stream_;
};
