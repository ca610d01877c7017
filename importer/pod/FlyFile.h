#pragma once

#include "pod/MappedFile.h"

#include <cstdint>
#include <string>

// A named, read-only byte image: a whole loose file or an entry inside an open archive.
// Copies share the underlying view. An image from an archive is valid only while the archive is open.
class FlyFile final {
  public:
    // Releases what it held: data = null, size = 0.
    void Reset();
    // Fills the four public fields; the bytes are not copied and must outlive the image.
    void Set(const uint8_t* data, uint32_t size, std::string name, uint32_t time);
    // The whole disk file as image. Its name is the path relative to the Fly2 folder (upper case,
    // backslashes) when the path lies inside it, otherwise the path as given. Errors of MappedFile::Open.
    void OpenDisk(const std::string& path);
    // The name OpenDisk gives the image of the disk file at path.
    static std::string DiskName(const std::string& path);
    // A disk file's image holds its view: its copies keep the bytes alive, whatever becomes of it.
    bool HoldsView() const { return map_.Data() != nullptr; }

    uint32_t time = 0;
    std::string name;
    const uint8_t* data = nullptr;
    uint32_t size = 0;

  private:
    MappedFile map_;
};
