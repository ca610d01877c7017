#pragma once

#include <string>
#include <vector>

// The steps that an import must still take in DATABASE after its commit, kept on disk so that a later
// run can take them when this one is interrupted. Names are relative to the Fly2 folder
// (DATABASE\AIRPORT.DBD); each step can be taken again once it is done.
class RecoveryRecord final {
  public:
    struct Step {
        std::string from;
        std::string to; // empty: from is removed; else from is moved over to
        bool operator==(const Step&) const = default;
    };

    void AddMove(const std::string& from, const std::string& to) { steps_.push_back({from, to}); }
    void AddRemoval(const std::string& name) { steps_.push_back({name, {}}); }
    bool IsEmpty() const { return steps_.empty(); }
    const std::vector<Step>& Steps() const { return steps_; }

    // Writes the record to path through path + ".TMP", both it and its folder flushed to disk.
    void Write(const std::string& path) const;
    // Reads a record that Write made; a damaged one is refused with code 0x30003.
    static RecoveryRecord Read(const std::string& path);
    // Takes every step in order; a move whose source is gone and a removal of a missing file were
    // taken before.
    void CarryOut() const;

  private:
    std::vector<Step> steps_;
};
