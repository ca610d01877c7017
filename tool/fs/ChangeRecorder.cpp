#include "fs/ChangeRecorder.h"

#include "fs/SystemReason.h"

#include <cerrno>

namespace {

thread_local ChangeRecorder* current = nullptr;

} // namespace

ChangeRecorder* CurrentRecorder() {
    return current;
}

RecorderScope::RecorderScope(ChangeRecorder* recorder) : previous_(current) {
    current = recorder;
}

RecorderScope::~RecorderScope() {
    current = previous_;
}

Done Recorded(const FileChange& change, const std::function<bool()>& make) {
    if (current != nullptr)
        if (const Done told = current->Before({change}); !told)
            return Failure{change.path, told.failure().reason, true};
    errno = 0;
    const bool made = make();
    const int error = errno;
    if (current != nullptr)
        current->After(change, made);
    return made ? Done() : Done(SystemFailure(change.path, error));
}

Failure SystemFailure(const QString& path, int error) {
    const int known = error == 0 ? EIO : error;
    return {path, SystemReason(known), false, false, known};
}
