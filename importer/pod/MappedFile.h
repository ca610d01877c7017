#pragma once

#include <cstdint>
#include <memory>
#include <string>

// A read-only view of a whole disk file. Copies share the view; the last one to close unmaps it.
class MappedFile final {
  public:
    MappedFile() = default;

    // Closes what it held, then maps the file. Raises ZorException (module MappedFile) with the system's
    // error number: "Unable to open %s", "Unable to map file %s" (also for an empty file) or
    // "Unable to map view of %s". A failed open leaves the object closed.
    void Open(const std::string& path);
    void Close();

    const std::string& Name() const { return name_; } // the path it was opened with
    const uint8_t* Data() const;                      // null when closed
    uint32_t Size() const;                            // 0 when closed
    uint32_t Time() const { return time_; }           // last write, local clock, seconds since 1970
    long ShareCount() const { return view_.use_count(); }

  private:
    struct View;

    std::string name_;
    std::shared_ptr<const View> view_;
    uint32_t time_ = 0;
};
