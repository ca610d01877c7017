#include "base/MessageSink.h"

#include <algorithm>
#include <cstdarg>
#include <cstring>

MessageSink::MessageSink() : context_(this), write_(&MessageSink::WriteToStream), stream_(stdout) {}

MessageSink& MessageSink::Instance() {
    static MessageSink sink;
    return sink;
}

void MessageSink::Printf(const char* format, ...) {
    char buffer[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    buffer[sizeof buffer - 1] = '\0';
    MessageSink& sink = Instance();
    sink.write_(sink.context_, buffer);
}

void MessageSink::Print(std::initializer_list<std::string_view> parts) {
    char buffer[1024];
    size_t used = 0;
    for (const std::string_view part : parts) {
        const size_t taken = std::min(part.size(), sizeof buffer - 1 - used);
        std::memcpy(buffer + used, part.data(), taken);
        used += taken;
    }
    buffer[used] = '\0';
    MessageSink& sink = Instance();
    sink.write_(sink.context_, buffer);
}

void MessageSink::SetWriter(void* context, WriteFunction write) {
    if (write == nullptr) {
        context_ = this;
        write_ = &MessageSink::WriteToStream;
    } else {
        context_ = context;
        write_ = write;
    }
}

void MessageSink::WriteToStream(void* context, const char* text) {
    auto* sink = static_cast<MessageSink*>(context);
    if (text != nullptr && sink->stream_ != nullptr)
        std::fputs(text, sink->stream_);
}
