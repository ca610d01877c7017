#include "CapturedOutput.h"

#include "base/MessageSink.h"

namespace {

void Capture(void* context, const char* text) {
    static_cast<std::string*>(context)->append(text);
}

} // namespace

CapturedOutput::CapturedOutput() {
    MessageSink::Instance().SetWriter(&text, Capture);
}

CapturedOutput::~CapturedOutput() {
    MessageSink::Instance().SetWriter(nullptr, nullptr);
}
