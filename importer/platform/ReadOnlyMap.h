#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A whole disk file mapped read-only. On failure, stage tells which step failed and error holds the
// system's error number; data is null then.
struct ReadOnlyMap final {
    enum class Stage { Done, Open, MapFile, MapView };

    const uint8_t* data = nullptr;
    uint32_t size = 0;
    int64_t lastWrite = 0; // seconds since 1970, UTC
    Stage stage = Stage::Done;
    int error = 0;
};

// Empty files and files of 4 GiB or more fail at Stage::MapFile, anything but a regular file at
// Stage::Open.
ReadOnlyMap MapWholeFile(const std::string& path);
void UnmapWholeFile(const uint8_t* data, uint32_t size);
// Lets the pages that lie wholly inside [data, data + size) of a map leave the process's resident set;
// read again, they come back from the file's cache. Only a hint, for bytes read once in order.
void ReleaseMappedPages(const uint8_t* data, size_t size);
