#include "base/MessageSink.h"

#include <cstdarg>

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
        std::fprintf(sink->stream_, "%s", text);
}
