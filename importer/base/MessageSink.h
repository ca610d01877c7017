#pragma once

#include <cstdio>
#include <initializer_list>
#include <string_view>

// The process-wide channel for progress lines and error reports (standard output by default).
class MessageSink final {
public:
    using WriteFunction = void (*)(void* context, const char* text);

    static MessageSink& Instance();

    // Formats at most 1023 characters (longer text is cut) and hands them to the write function.
    static void Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));
    // The parts one after the other, cut like Printf's text: for the lines written once per record.
    static void Print(std::initializer_list<std::string_view> parts);

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
