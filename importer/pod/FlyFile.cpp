#include "pod/FlyFile.h"

#include "pod/FlyFolder.h"

#include <utility>

void FlyFile::Reset() {
    map_.Close();
    data = nullptr;
    size = 0;
}

void FlyFile::Set(const uint8_t* data_, uint32_t size_, std::string name_, uint32_t time_) {
    data = data_;
    size = size_;
    name = std::move(name_);
    time = time_;
}

void FlyFile::OpenDisk(const std::string& path) {
    Reset();
    map_.Open(path);
    Set(map_.Data(), map_.Size(), DiskName(path), map_.Time());
}

std::string FlyFile::DiskName(const std::string& path) {
    return FlyFolder::IsFullName(path) ? FlyFolder::RelativeName(path) : path;
}
