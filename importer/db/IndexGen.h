#pragma once

#include <cstdint>
#include <string>

class TriDbRecord;

// Makes the key text of a record for one index file. The base kind gives an empty key.
class IndexGen {
public:
    IndexGen(std::string name, int32_t keyWidth);
    IndexGen(const IndexGen&) = delete;
    IndexGen& operator=(const IndexGen&) = delete;
    virtual ~IndexGen() = default;

    virtual std::string GetName() const;
    virtual int32_t GetKeyWidth() const;
    virtual std::string MakeKey(const TriDbRecord& record) const;

protected:
    std::string name;
    int32_t keyWidth;
};
