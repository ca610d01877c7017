#include "fs/NativeText.h"

#include <algorithm>

namespace {

constexpr char16_t KeptByteBase = 0xDC00;

bool IsKeptByte(char16_t c) {
    return c >= KeptByteBase + 0x80 && c <= KeptByteBase + 0xFF;
}

// The length of the valid UTF-8 sequence at bytes[i] and its code point; 0 when it is not valid
// (overlong forms, encoded surrogates and values past U+10FFFF are not).
int Utf8Sequence(QByteArrayView bytes, qsizetype i, char32_t& code) {
    const auto byte = [&bytes](qsizetype at) { return static_cast<unsigned char>(bytes[at]); };
    const unsigned char lead = byte(i);
    int length = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    for (int k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

void AppendUtf8(QByteArray& bytes, char32_t code) {
    if (code < 0x80) {
        bytes += char(code);
    } else if (code < 0x800) {
        bytes += char(0xC0 | (code >> 6));
        bytes += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        bytes += char(0xE0 | (code >> 12));
        bytes += char(0x80 | ((code >> 6) & 0x3F));
        bytes += char(0x80 | (code & 0x3F));
    } else {
        bytes += char(0xF0 | (code >> 18));
        bytes += char(0x80 | ((code >> 12) & 0x3F));
        bytes += char(0x80 | ((code >> 6) & 0x3F));
        bytes += char(0x80 | (code & 0x3F));
    }
}

bool IsAscii(QByteArrayView bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool IsAscii(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

} // namespace

// Most paths are plain ASCII, which both forms spell alike: they are converted whole.
QString FromNative(QByteArrayView bytes) {
    if (IsAscii(bytes))
        return QString::fromLatin1(bytes);
    QString text;
    text.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        char32_t code = lead;
        const int length = lead < 0x80 ? 1 : Utf8Sequence(bytes, i, code);
        if (length == 0) {
            text += QChar(char16_t(KeptByteBase + lead));
            ++i;
            continue;
        }
        if (QChar::requiresSurrogates(code)) {
            text += QChar(QChar::highSurrogate(code));
            text += QChar(QChar::lowSurrogate(code));
        } else {
            text += QChar(char16_t(code));
        }
        i += length;
    }
    return text;
}

QByteArray ToNative(const QString& text) {
    if (IsAscii(text))
        return text.toLatin1();
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            AppendUtf8(bytes, QChar::surrogateToUcs4(c, text[i + 1].unicode()));
            ++i;
        } else if (IsKeptByte(c)) {
            bytes += char(c - KeptByteBase);
        } else if (QChar::isSurrogate(c)) {
            AppendUtf8(bytes, 0xFFFD);
        } else {
            AppendUtf8(bytes, c);
        }
    }
    return bytes;
}
