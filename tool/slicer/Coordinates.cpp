#include "slicer/Coordinates.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

bool AllDigits(QStringView text) {
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

bool IsCoordinateRest(const QString& rest) {
    for (QChar c : rest)
        if (c != u' ' && c != u'.' && (c < u'0' || c > u'9'))
            return false;
    return true;
}

Result<long double> FromDegreesMinutesSeconds(const QString& rest) {
    const QStringList words = rest.split(u' ', Qt::SkipEmptyParts);
    if (words.size() < 3)
        return 0.0L;
    const Result<int> degrees = ReadWholeNumber(words[0]);
    if (!degrees)
        return degrees.failure();
    const Result<int> minutes = ReadWholeNumber(words[1]);
    if (!minutes)
        return minutes.failure();
    const Result<long double> seconds = ReadDecimalNumber(words[2]);
    if (!seconds)
        return seconds.failure();
    return (static_cast<long double>(*degrees) * 3600 + static_cast<long double>(*minutes) * 60 + *seconds) /
           3600;
}

} // namespace

Result<int> ReadWholeNumber(const QString& text) {
    const QStringView digits =
        text.startsWith(u'+') || text.startsWith(u'-') ? QStringView(text).mid(1) : text;
    bool ok = AllDigits(digits);
    const int value = ok ? text.toInt(&ok) : 0;
    if (!ok)
        return Failure{
            text, QCoreApplication::translate("Coordinates", "'%1' is not a valid integer value").arg(text)};
    return value;
}

Result<long double> ReadDecimalNumber(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    const char* first = bytes.constData();
    const char* const last = first + bytes.size();
    if (first != last && *first == '+' && last - first > 1 && first[1] != '-')
        ++first;
    long double value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (first == last || error != std::errc() || end != last || !std::isfinite(value))
        return Failure{
            text,
            QCoreApplication::translate("Coordinates", "'%1' is not a valid floating point value").arg(text)};
    return value;
}

Result<long double> ReadDecimalOrZero(const QString& text) {
    return text.isEmpty() ? 0.0L : ReadDecimalNumber(text);
}

Result<long double> ReadCoordinate(const QString& text) {
    const QString typed = text.trimmed();
    if (typed.isEmpty() || !QStringLiteral("+-ENSWensw").contains(typed[0]))
        return 0.0L;
    const bool negative = QStringLiteral("-SWsw").contains(typed[0]);
    const QString rest = typed.mid(1).trimmed();
    if (rest.isEmpty() || !IsCoordinateRest(rest))
        return 0.0L;
    const Result<long double> value =
        rest.contains(u' ') ? FromDegreesMinutesSeconds(rest) : ReadDecimalNumber(rest);
    if (!value)
        return value;
    return negative ? -*value : *value;
}

QString DecimalDegreeText(long double value) {
    if (value == 0)
        value = 0; // no "-0.000..."
    const long double size = std::fabs(value);
    const int wholeDigits = size < 1 ? 0 : int(std::floor(std::log10(size))) + 1;
    const int decimals = std::clamp(18 - wholeDigits, 0, 18);
    char buffer[128];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    QString result = error == std::errc() ? QString::fromLatin1(buffer, end - buffer) : QStringLiteral("0");
    if (!result.contains(u'.'))
        result += u'.';
    return result + QString(18 - int(result.size() - result.indexOf(u'.') - 1), u'0');
}

QString DmsText(long double value, bool latitude) {
    const bool negative = value < 0;
    const long double size = std::fabs(value);
    const long double degrees = std::trunc(size);
    const long double minutesWithFraction = (size - degrees) * 60;
    const long double minutes = std::trunc(minutesWithFraction);
    // Rounded to four decimals (halves to even), then cut to one.
    const long double seconds = std::nearbyint((minutesWithFraction - minutes) * 600000) / 10000;
    const QString secondsText = DecimalDegreeText(seconds);
    const QChar letter = latitude ? (negative ? u'S' : u'N') : (negative ? u'W' : u'E');
    return QStringLiteral("%1 %2 %3 %4")
        .arg(QString::number(qint64(degrees)), QString::number(qint64(minutes)),
             secondsText.left(secondsText.indexOf(u'.') + 2), letter);
}
