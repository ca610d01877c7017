#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

// Texts in zero-padded fields of fixed width.

enum class TextCut {
    AtWidth,       // like strncpy: a text as wide as the field has no terminating zero
    KeepTerminator // at most width - 1 characters, so that a zero always ends the field
};

inline void PutText(std::span<uint8_t> field, std::string_view text, TextCut cut) {
    const size_t room = cut == TextCut::AtWidth || field.empty() ? field.size() : field.size() - 1;
    std::fill(field.begin(), field.end(), uint8_t{0});
    std::memcpy(field.data(), text.data(), std::min(room, text.size()));
}

// The text of a field, cut at its first zero byte.
inline std::string TextOf(std::span<const uint8_t> field) {
    const auto* text = reinterpret_cast<const char*>(field.data());
    return std::string(text, strnlen(text, field.size()));
}
