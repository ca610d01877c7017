#pragma once

#include "pod/MappedFile.h"
#include "pod/PodEntryRef.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// An open POD archive (version 2 or 3). Open checks the whole header, directory and name table against
// the file size once; a damaged archive is refused (codes 0x1xxxx) and left closed.
class PodFile final {
  public:
    // Raises the errors of MappedFile::Open, 0x10002 "Invalid signature (not a POD?)\n", or a code
    // 0x10003 to 0x10007 naming the file and offset of the damage.
    void Open(const std::string& path);
    // The same checks on an archive image in memory, which must outlive the open archive; name stands for
    // the path in messages.
    void Open(std::span<const uint8_t> bytes, const std::string& name);
    void Close();

    uint32_t GetVersion() const { return version_; } // 2 or 3; 0 when closed
    const std::string& GetName() const { return name_; }
    int GetEntryCount() const;
    // Entry i; out of range: prints "Invalid index\n" and returns the null reference.
    PodEntryRef GetEntry(int i) const;
    // The first entry whose name equals name without regard to ASCII case; else the null reference.
    PodEntryRef Find(std::string_view name) const;

  private:
    void OpenImage(std::span<const uint8_t> bytes, const std::string& name);
    uint32_t DirectoryOffset(std::span<const uint8_t> bytes) const;
    void Validate(std::span<const uint8_t> bytes, const std::string& name) const;

    MappedFile map_;
    std::string name_;
    std::span<const uint8_t> bytes_;
    const char* names_ = nullptr;
    uint32_t directory_ = 0;
    uint32_t count_ = 0;
    uint32_t version_ = 0;
};
