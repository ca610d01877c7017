#include "db/TriDbTemplate.h"

#include "base/ErrorCodes.h"
#include "base/ZorException.h"
#include "platform/NativeFs.h"
#include "pod/FlyFile.h"
#include "pod/FlyFolder.h"
#include "pod/PodList.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

constexpr int64_t kMaxRecordSize = 1 << 20;

// Lines end at any run of CR and LF; a zero byte ends a line's text as it would a C string.
std::vector<std::string> SplitLines(const FlyFile& file) {
    std::vector<std::string> lines;
    const std::string_view text(reinterpret_cast<const char*>(file.data), file.data ? file.size : 0);
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        if (end > start) {
            const std::string_view line = text.substr(start, end - start);
            lines.emplace_back(line.substr(0, line.find('\0')));
        }
        start = end + 1;
    }
    return lines;
}

// Cuts the text before the next comma off the front of rest (the comma is consumed).
std::string NextToken(std::string& rest) {
    const size_t comma = rest.find(',');
    std::string token;
    if (comma == std::string::npos) {
        token.swap(rest);
    } else {
        token = rest.substr(0, comma);
        rest.erase(0, comma + 1);
    }
    return token;
}

} // namespace

void TriDbTemplate::Load(const std::string& fileName) {
    FlyFile file;
    PodList::OpenFlyFile(fileName, file, false);
    LoadFromImage(file);
    name = fileName;
}

void TriDbTemplate::LoadFromImage(const FlyFile& file) {
    name = file.name;
    const std::vector<std::string> lines = SplitLines(file);
    if (lines.empty())
        throw ZorException("TriDbTemplate", 136, ErrorCode::kTemplateReadFails, "ReadString fails");
    const long count = std::atol(lines[0].c_str());
    if (count == 0)
        throw ZorException("TriDbTemplate", 140, ErrorCode::kInvalidTemplate, "Invalid file");
    for (long i = 0; i < count; ++i) {
        if (static_cast<size_t>(i) + 1 >= lines.size())
            throw ZorException("TriDbTemplate", 145, ErrorCode::kTemplateReadFails, "ReadString fails");
        ParseFieldLine(lines[static_cast<size_t>(i) + 1]);
    }
}

void TriDbTemplate::ParseFieldLine(const std::string& line) {
    std::string rest = line;
    TriDbTemplateEntry entry;
    entry.fieldCode = NextToken(rest).substr(0, 4);
    entry.offset = std::atoi(NextToken(rest).c_str());
    entry.width = std::atoi(NextToken(rest).c_str());
    const std::string type = NextToken(rest);
    entry.type = type.empty() ? '\0' : type[0];
    entry.comment = rest;
    // Fields beyond any sensible record would make every record huge or reach before its start.
    if (entry.offset < 0 || entry.width < 0 || int64_t{entry.offset} + entry.width > kMaxRecordSize)
        throw ZorException("TriDbTemplate", 150, ErrorCode::kInvalidTemplate,
                           FormatMessage("Field %s of %s lies outside any record (offset %i, width %i)",
                                         entry.fieldCode.c_str(),
                                         ShownPath(name, FlyFolder::Get()).c_str(), entry.offset,
                                         entry.width));
    fields.push_back(std::move(entry));
}

int TriDbTemplate::GetFieldIndex(const std::string& code) const {
    if (const int index = FindFieldIndex(code); index >= 0)
        return index;
    throw ZorException("TriDbTemplate", 71, ErrorCode::kNoSuchField,
                       FormatMessage("Asked for field %s which doesn't exist", code.c_str()));
}

const TriDbTemplateEntry& TriDbTemplate::GetField(const std::string& code) const {
    if (const TriDbTemplateEntry* entry = FindField(code))
        return *entry;
    throw ZorException("TriDbTemplate", 84, ErrorCode::kNoSuchField,
                       FormatMessage("Asked for field %s which doesn't exist", code.c_str()));
}

const TriDbTemplateEntry& TriDbTemplate::GetField(int index) const {
    if (index < 0 || index >= GetFieldCount())
        throw ZorException(
            "TriDbTemplate", 93, ErrorCode::kNoSuchField,
            FormatMessage("Asked for field %i when only %i available", index, GetFieldCount()));
    return fields[static_cast<size_t>(index)];
}

const TriDbTemplateEntry* TriDbTemplate::FindField(const std::string& code) const {
    const int index = FindFieldIndex(code);
    return index < 0 ? nullptr : &fields[static_cast<size_t>(index)];
}

int TriDbTemplate::FindFieldIndex(const std::string& code) const {
    for (size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].fieldCode == code)
            return static_cast<int>(i);
    }
    return -1;
}

void TriDbTemplate::CheckKeyField() const {
    const TriDbTemplateEntry& key = GetField(0);
    const int recordSize = GetRecordSize();
    if (key.width <= 0 || key.offset >= recordSize)
        throw ZorException("TriDbTemplate", 175, ErrorCode::kKeyOutsideRecord,
                           FormatMessage("Key field %s of %s lies outside the record (offset %i, width %i, "
                                         "record size %i)",
                                         key.fieldCode.c_str(),
                                         ShownPath(name, FlyFolder::Get()).c_str(), key.offset,
                                         key.width, recordSize));
}

int TriDbTemplate::GetRecordSize() const {
    if (fields.empty())
        return 0;
    return fields.back().offset + fields.back().width;
}
