#include "DbTestFiles.h"

#include "driver/MessageSink.h"
#include "pod/PodList.h"

#include <atomic>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

FlyFolder::FlyFolder() {
    static std::atomic<int> counter{0};
    path_ =
        fs::temp_directory_path() / ("dbtest-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    fs::remove_all(path_);
    fs::create_directories(path_ / "DATABASE");
    PodList::SetFlyFolder(Slashed());
}

FlyFolder::~FlyFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

void FlyFolder::Write(const std::string& relative, const std::string& text) const {
    const fs::path file = path_ / relative;
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out << text;
    if (!out.flush())
        throw std::runtime_error("cannot write " + file.string());
}

namespace {

void Capture(void* context, const char* text) {
    static_cast<std::string*>(context)->append(text);
}

} // namespace

CapturedOutput::CapturedOutput() {
    MessageSink::Instance().SetWriter(&text, Capture);
}

CapturedOutput::~CapturedOutput() {
    MessageSink::Instance().SetWriter(nullptr, nullptr);
}

Bytes ReadFileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

uint32_t Le32(const Bytes& bytes, size_t offset) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i)
        value |= uint32_t{bytes.at(offset + i)} << (8 * i);
    return value;
}

Bytes Int32Bytes(int32_t value) {
    Bytes bytes(4);
    for (size_t i = 0; i < 4; ++i)
        bytes[i] = static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * i));
    return bytes;
}

Bytes DoubleBytes(double value) {
    Bytes bytes(8);
    std::memcpy(bytes.data(), &value, 8);
    return bytes;
}

Bytes TextBytes(const std::string& text, size_t width) {
    Bytes bytes(width, 0);
    std::memcpy(bytes.data(), text.data(), std::min(width, text.size()));
    return bytes;
}

Bytes Concat(const std::vector<Bytes>& parts) {
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes DbdImage(const std::string& database, int32_t count, int32_t recordSize,
               const std::vector<Bytes>& records) {
    Bytes header = TextBytes(database, 12);
    header = Concat({header, Int32Bytes(12345), Int32Bytes(count), Int32Bytes(recordSize), Bytes(32, 0xA5)});
    return Concat({header, Concat(records)});
}

Bytes DexImage(const std::string& database, int32_t recordSize, int32_t count,
               const std::vector<Bytes>& records) {
    return Concat({TextBytes(database, 32), Int32Bytes(recordSize), Int32Bytes(count), Concat(records)});
}

FlyFile ImageOf(const Bytes& bytes, const std::string& name) {
    FlyFile file;
    file.Set(bytes.data(), static_cast<uint32_t>(bytes.size()), name, 0);
    return file;
}

FlyFile ImageOf(const std::string& text, const std::string& name) {
    FlyFile file;
    file.Set(reinterpret_cast<const uint8_t*>(text.data()), static_cast<uint32_t>(text.size()), name, 0);
    return file;
}
