#include "pod/MappedFile.h"

#include "base/ZorException.h"
#include "platform/NativeFs.h"
#include "platform/ReadOnlyMap.h"

struct MappedFile::View {
    View(const uint8_t* data_, uint32_t size_) : data(data_), size(size_) {}
    View(const View&) = delete;
    View& operator=(const View&) = delete;
    ~View() { UnmapWholeFile(data, size); }

    const uint8_t* data;
    uint32_t size;
};

void MappedFile::Open(const std::string& path) {
    Close();
    const ReadOnlyMap map = MapWholeFile(path);
    switch (map.stage) {
    case ReadOnlyMap::Stage::Open:
        throw ZorException("MappedFile", 22, map.error,
                           FormatMessage("Unable to open %s", ShownPath(path).c_str()));
    case ReadOnlyMap::Stage::MapFile:
        throw ZorException("MappedFile", 25, map.error,
                           FormatMessage("Unable to map file %s", ShownPath(path).c_str()));
    case ReadOnlyMap::Stage::MapView:
        throw ZorException("MappedFile", 28, map.error,
                           FormatMessage("Unable to map view of %s", ShownPath(path).c_str()));
    case ReadOnlyMap::Stage::Done:
        break;
    }
    view_ = std::make_shared<const View>(map.data, map.size);
    time_ = LocalFileTime(map.lastWrite);
    name_ = path;
}

void MappedFile::Close() {
    view_.reset();
    name_.clear();
    time_ = 0;
}

const uint8_t* MappedFile::Data() const {
    return view_ ? view_->data : nullptr;
}

uint32_t MappedFile::Size() const {
    return view_ ? view_->size : 0;
}
