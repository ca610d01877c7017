#pragma once

#include "pod/FlyFile.h"
#include "pod/PodExtension.h"
#include "pod/PodHeader.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Packs FlyFile images into one POD archive (version 2 or 3, chosen by InitPod2 / InitPod3).
// The images share their views with the writer; images from an archive need that archive open
// until Write has run.
class PodWriter final {
  public:
    void InitPod2(const std::string& comment);
    void InitPod3(const std::string& comment, uint32_t numberA, uint32_t numberB, const std::string& author,
                  const std::string& copyright);
    void Add(const FlyFile& file);
    // Writes the archive to path itself (created anew, entries in ascending name order) and lets the added
    // images go, each as soon as it is written. Every write is checked; on failure the partial file is
    // removed and ZorException (module PodWriter) is raised with the system's error number: "Unable to
    // open %s" or "Unable to write to %s".
    void Write(const std::string& path);

  private:
    std::array<uint8_t, PodExtension::kHeaderSize3> HeaderBytes(uint32_t dataSize, uint32_t namesSize) const;

    PodHeader header_;
    PodExtension extension_; // written for version 3 only
    std::vector<FlyFile> files_;
};
