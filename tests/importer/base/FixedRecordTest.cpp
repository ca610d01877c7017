#include "base/FixedRecord.h"
#include "base/ByteCursor.h"
#include "base/FixedText.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

// Tables and index keys may fill their text fields; POD texts always keep a terminating zero.
TEST(FixedText, EachCutKeepsItsWidth) {
    struct Case {
        std::string text;
        TextCut cut;
        std::string stored;
    };
    const std::vector<Case> cases = {
        {"ab", TextCut::AtWidth, std::string("ab\0\0", 4)},
        {"abcd", TextCut::AtWidth, "abcd"},
        {"abcdef", TextCut::AtWidth, "abcd"},
        {"ab", TextCut::KeepTerminator, std::string("ab\0\0", 4)},
        {"abcd", TextCut::KeepTerminator, std::string("abc\0", 4)},
        {"abcdef", TextCut::KeepTerminator, std::string("abc\0", 4)},
    };
    for (const Case& c : cases) {
        std::array<uint8_t, 6> field;
        field.fill('x');
        PutText(std::span(field).first(4), c.text, c.cut);
        EXPECT_EQ(std::string(field.begin(), field.end()), c.stored + "xx") << c.text;
        EXPECT_EQ(TextOf(std::span(field).first(4)), c.stored.substr(0, c.stored.find('\0'))) << c.text;
    }
}

TEST(ByteCursor, ReadsLittleEndianAndFailsPastTheEndWithoutMoving) {
    const std::vector<uint8_t> bytes = {0x04, 0x03, 0x02, 0x01, 0xFF};
    ByteReader in(bytes);
    uint32_t word = 0;
    EXPECT_TRUE(in.Read(word));
    EXPECT_EQ(word, 0x01020304u);
    EXPECT_FALSE(in.Read(word));
    EXPECT_EQ(in.Offset(), 4u);
    uint8_t last = 0;
    EXPECT_FALSE(in.Read(last)) << "a failed cursor stays failed";
    EXPECT_FALSE(in.Ok());

    std::array<uint8_t, 6> out{};
    ByteWriter writer(out, 4);
    EXPECT_FALSE(writer.Write(uint32_t{7}));
    EXPECT_EQ(out, (std::array<uint8_t, 6>{}));
    EXPECT_FALSE(ByteReader(bytes, 6).Ok());
}

namespace {

// Fields of every width, packed without padding, the way the files' records are laid out.
struct MixedRecord final {
    static constexpr uint32_t kSize = 8;

    uint8_t flag = 0;
    uint8_t kind = 0;
    uint16_t count = 0;
    uint32_t offset = 0;

    template <typename Self, typename Visit> static constexpr void Fields(Self& r, Visit&& visit) {
        visit(r.flag);
        visit(r.kind);
        visit(r.count);
        visit(r.offset);
    }
};
static_assert(ListedSize<MixedRecord>() == MixedRecord::kSize);

} // namespace

TEST(FixedRecord, ShortImageReadsNothingAndBytesRoundTrip) {
    std::vector<uint8_t> bytes(MixedRecord::kSize);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<uint8_t>(i + 1);
    const std::optional<MixedRecord> record = ReadRecord<MixedRecord>(bytes);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->kind, 0x02u);
    EXPECT_EQ(record->count, 0x0403u);
    EXPECT_EQ(record->offset, 0x08070605u);
    const auto written = RecordBytes(*record);
    EXPECT_EQ(std::vector<uint8_t>(written.begin(), written.end()), bytes);
    EXPECT_FALSE(ReadRecord<MixedRecord>(std::span(bytes).first(MixedRecord::kSize - 1)));
}
