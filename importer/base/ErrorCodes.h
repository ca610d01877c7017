#pragma once

#include <cstdint>

// The importer's own error codes: 2 and 3 as the platform has them, 0x1xxxx archives, 0x2xxxx tables and
// templates, 0x3xxxx the import itself. Every other code is the system's error number of a failed call.
namespace ErrorCode {

constexpr uint32_t kNotFound = 2;
constexpr uint32_t kNoFlyFolder = 3;
// A template read from memory fails without a system call, so the last error number is 0.
constexpr uint32_t kTemplateReadFails = 0;

constexpr uint32_t kBadSignature = 0x10002;
constexpr uint32_t kShortHeader = 0x10003;
constexpr uint32_t kDirectoryPastEnd = 0x10004;
constexpr uint32_t kNameTableUnterminated = 0x10005;
constexpr uint32_t kNamePastEnd = 0x10006;
constexpr uint32_t kDataPastEnd = 0x10007;
constexpr uint32_t kArchiveTooLarge = 0x10008;
constexpr uint32_t kUnsafeName = 0x10010;

constexpr uint32_t kUnknownExtension = 0x20001;
constexpr uint32_t kSizeMismatch = 0x20002;
constexpr uint32_t kNoSuchRecord = 0x20003;
constexpr uint32_t kExpandDbd = 0x20004;
constexpr uint32_t kRecordSizesDiffer = 0x20005;
constexpr uint32_t kSortDex = 0x20006;
constexpr uint32_t kFieldNotText = 0x20007;
constexpr uint32_t kUninitializedRecord = 0x20008;
constexpr uint32_t kNotAPosition = 0x20009;
constexpr uint32_t kNoSuchField = 0x2000A;
constexpr uint32_t kInvalidTemplate = 0x2000B;
constexpr uint32_t kDatabaseOutsideFolder = 0x2000C;
constexpr uint32_t kNoCellKey = 0x2000D;
constexpr uint32_t kKeyOutsideRecord = 0x2000E;

constexpr uint32_t kDatabaseNotAFolder = 0x30001;
constexpr uint32_t kUnknownDatabase = 0x30002;
constexpr uint32_t kDamagedRecoveryRecord = 0x30003;

} // namespace ErrorCode
