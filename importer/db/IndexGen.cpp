#include "db/IndexGen.h"

#include "db/TriDbRecord.h"

#include <utility>

IndexGen::IndexGen(std::string name_, int32_t keyWidth_) : name(std::move(name_)), keyWidth(keyWidth_) {}

std::string IndexGen::GetName() const {
    return name;
}

int32_t IndexGen::GetKeyWidth() const {
    return keyWidth;
}

std::string IndexGen::MakeKey(const TriDbRecord&) const {
    return {};
}
