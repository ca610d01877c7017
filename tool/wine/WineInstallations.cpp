#include "wine/WineInstallations.h"

#include "fs/NativeFs.h"
#include "wine/WinePrefix.h"

#include <cctype>

namespace {

// system.reg writes key names with doubled backslashes; a time stamp may follow the closing bracket.
bool IsFlyKey(const QByteArray& line) {
    for (const char* key : {R"([Software\\Terminal Reality\\Fly! II])",
                            R"([Software\\Wow6432Node\\Terminal Reality\\Fly! II])"}) {
        if (line.toLower().startsWith(QByteArray(key).toLower()))
            return true;
    }
    return false;
}

// The text of a quoted registry string with its escapes undone (\xNNNN names one character);
// empty when it is no string.
QString Unquote(const QByteArray& text) {
    if (text.size() < 2 || !text.startsWith('"') || !text.endsWith('"'))
        return {};
    QString value;
    for (qsizetype i = 1; i + 1 < text.size(); ++i) {
        if (text[i] == '\\' && i + 2 < text.size() && text[i + 1] == 'x') {
            qsizetype end = i + 2;
            while (end < text.size() - 1 && end < i + 6 &&
                   std::isxdigit(static_cast<unsigned char>(text[end])))
                ++end;
            value += QChar(char16_t(text.mid(i + 2, end - i - 2).toUInt(nullptr, 16)));
            i = end - 1;
            continue;
        }
        if (text[i] == '\\' && i + 2 < text.size())
            ++i;
        value += QChar(uchar(text[i]));
    }
    return value;
}

QString PathValue(const QByteArray& reg) {
    bool inFlyKey = false;
    for (QByteArray line : reg.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.startsWith('['))
            inFlyKey = IsFlyKey(line);
        else if (inFlyKey && line.toLower().startsWith("\"path\"="))
            return Unquote(line.mid(7));
    }
    return {};
}

// The installation registered in prefix, as a real path; empty when it has none or it is gone.
QString RegisteredFolder(const QString& prefix) {
    const QString value = PathValue(ReadWholeFile(prefix + "/system.reg").value_or(QByteArray()));
    const QString folder = value.isEmpty() ? QString() : ThroughDosDevices(prefix, value);
    if (folder.isEmpty() || !FileExists(folder + "/FLY2.EXE"))
        return {};
    return RealPath(folder);
}

} // namespace

QStringList FindWineInstallations() {
    QStringList found;
    for (const QString& prefix : KnownWinePrefixes()) {
        const QString folder = RegisteredFolder(prefix);
        if (!folder.isEmpty() && !found.contains(folder))
            found << folder;
    }
    return found;
}
