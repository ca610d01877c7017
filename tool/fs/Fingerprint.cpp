#include "fs/Fingerprint.h"

void Checksum::Add(const char* data, qsizetype size) {
    for (qsizetype i = 0; i < size; ++i) {
        sum_ ^= static_cast<unsigned char>(data[i]);
        sum_ *= 1099511628211ULL;
    }
}

namespace {

void AppendHex(QByteArray& out, quint64 value, int width) {
    char digits[16];
    int n = 0;
    do {
        digits[n++] = "0123456789abcdef"[value & 15];
        value >>= 4;
    } while (value != 0);
    for (int pad = width - n; pad > 0; --pad)
        out += '0';
    while (n > 0)
        out += digits[--n];
}

// The unsigned number that text is, in base (10 or 16), when it is one.
std::optional<quint64> Number(QByteArrayView text, int base) {
    bool ok = false;
    const quint64 value = text.toULongLong(&ok, base);
    return ok && !text.isEmpty() && text[0] != '+' ? std::optional<quint64>(value) : std::nullopt;
}

std::optional<Fingerprint> ParseFile(QByteArrayView rest) {
    const qsizetype dot = rest.indexOf('.');
    const std::optional<quint64> size = Number(rest.first(std::max<qsizetype>(dot, 0)), 10);
    const QByteArrayView sum = rest.sliced(dot + 1);
    if (dot < 0 || !size)
        return std::nullopt;
    if (!sum.startsWith('x')) {
        const std::optional<quint64> fnv = Number(sum, 16);
        return fnv ? std::optional<Fingerprint>({Fingerprint::Kind::File, qint64(*size), *fnv, 0,
                                                 Fingerprint::Hash::Fnv})
                   : std::nullopt;
    }
    const std::optional<quint64> high = sum.size() == 33 ? Number(sum.sliced(1, 16), 16) : std::nullopt;
    const std::optional<quint64> low = sum.size() == 33 ? Number(sum.sliced(17), 16) : std::nullopt;
    return high && low ? std::optional<Fingerprint>({Fingerprint::Kind::File, qint64(*size), *low, *high,
                                                     Fingerprint::Hash::Xxh3})
                       : std::nullopt;
}

} // namespace

void Fingerprint::AppendText(QByteArray& out) const {
    switch (kind) {
    case Kind::Absent:
        out += '-';
        return;
    case Kind::File:
        out += 'f';
        out += QByteArray::number(size);
        out += hash == Hash::Fnv ? "." : ".x";
        if (hash == Hash::Xxh3)
            AppendHex(out, high, 16);
        AppendHex(out, sum, hash == Hash::Fnv ? 0 : 16);
        return;
    case Kind::Folder:
    case Kind::Link:
        out += kind == Kind::Folder ? 'd' : 'l';
        AppendHex(out, sum, 0);
        return;
    case Kind::Other:
        out += 'o';
        return;
    case Kind::Unknown:
        break;
    }
    out += '?';
}

QByteArray Fingerprint::Text() const {
    QByteArray text;
    AppendText(text);
    return text;
}

std::optional<Fingerprint> Fingerprint::Parse(QByteArrayView text) {
    std::optional<Fingerprint> parsed;
    const QByteArrayView rest = text.isEmpty() ? text : text.sliced(1);
    if (text == "-")
        parsed = Fingerprint{Kind::Absent, 0, 0};
    else if (text == "o" || text == "?")
        parsed = Fingerprint{text == "o" ? Kind::Other : Kind::Unknown, 0, 0};
    else if (text.startsWith('f'))
        parsed = ParseFile(rest);
    else if (const std::optional<quint64> sum = Number(rest, 16); sum && (text.startsWith('d') || text.startsWith('l')))
        parsed = Fingerprint{text.startsWith('d') ? Kind::Folder : Kind::Link, 0, *sum};
    // Only the one text that a fingerprint prints: no leading zeros, no capitals.
    return parsed && parsed->Text() == text ? parsed : std::nullopt;
}
