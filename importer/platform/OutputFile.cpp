#include "platform/OutputFile.h"

#include "platform/NativeFs.h"

OutputFile::~OutputFile() {
    Discard();
}

int OutputFile::Commit(bool replace) {
    int error = FlushAndClose();
    if (error == 0 && viaTemporary_)
        error = replace ? RenameReplacing(written_, target_) : RenameNoReplace(written_, target_);
    if (error != 0) {
        Discard();
        return error;
    }
    written_.clear();
    return 0;
}

int OutputFile::WriteWhole(const std::string& path, const void* data, size_t size) {
    OutputFile out;
    int error = out.Create(path, false);
    if (error == 0)
        error = out.Write(data, size);
    return error == 0 ? out.Commit() : error;
}
