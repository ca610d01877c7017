#include "fs/Fingerprint.h"

void Checksum::Add(const char* data, qsizetype size) {
    for (qsizetype i = 0; i < size; ++i) {
        sum_ ^= static_cast<unsigned char>(data[i]);
        sum_ *= 1099511628211ULL;
    }
}

namespace {

// Room for the longest text: a kind, a size of up to 20 characters, ".x" and 32 digits.
constexpr int MostText = 64;

char* PutHex(char* out, quint64 value, int width) {
    char digits[16];
    int n = 0;
    do {
        digits[n++] = "0123456789abcdef"[value & 15];
        value >>= 4;
    } while (value != 0);
    for (int pad = width - n; pad > 0; --pad)
        *out++ = '0';
    while (n > 0)
        *out++ = digits[--n];
    return out;
}

char* PutDecimal(char* out, qint64 value) {
    if (value < 0)
        *out++ = '-';
    quint64 magnitude = value < 0 ? 0 - quint64(value) : quint64(value);
    char digits[20];
    int n = 0;
    do {
        digits[n++] = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    while (n > 0)
        *out++ = digits[--n];
    return out;
}

// The fingerprint's text into out, which has room for MostText bytes; where it ends.
char* Put(const Fingerprint& f, char* out) {
    using Kind = Fingerprint::Kind;
    switch (f.kind) {
    case Kind::Absent:
        *out++ = '-';
        return out;
    case Kind::File:
        *out++ = 'f';
        out = PutDecimal(out, f.size);
        *out++ = '.';
        if (f.hash == Fingerprint::Hash::Fnv)
            return PutHex(out, f.sum, 0);
        *out++ = 'x';
        return PutHex(PutHex(out, f.high, 16), f.sum, 16);
    case Kind::Folder:
    case Kind::Link:
        *out++ = f.kind == Kind::Folder ? 'd' : 'l';
        return PutHex(out, f.sum, 0);
    case Kind::Other:
        *out++ = 'o';
        return out;
    case Kind::Unknown:
        break;
    }
    *out++ = '?';
    return out;
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
    char text[MostText];
    out.append(text, Put(*this, text) - text);
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
    char printed[MostText];
    return parsed && QByteArrayView(printed, Put(*parsed, printed) - printed) == text ? parsed : std::nullopt;
}
