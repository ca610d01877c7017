#pragma once

#include <QString>

// A file system of a few kilobytes (tmpfs) mounted over a folder for as long as it lives, for the full and
// read-only disks that tests need. Mounting takes root; elsewhere available() is false and why() tells why.
class SmallFileSystem final {
  public:
    // Makes the folder when it is missing, then mounts over it.
    explicit SmallFileSystem(const QString& folder, int kilobytes = 64);
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool available() const { return why_.isEmpty(); }
    QString why() const { return why_; }
    // Takes every free byte with a filler file; Free gives them back.
    bool Fill();
    void Free();
    bool MakeReadOnly();

  private:
    QString folder_;
    QString why_;
};
