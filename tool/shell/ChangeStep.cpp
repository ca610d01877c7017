#include "shell/ChangeStep.h"

#include "shell/NativeText.h"

#include <QList>

#include <cstring>

namespace {

const char* const KindTags = "NCRD";

QByteArray Field(const QString& text) {
    return text.isEmpty() ? QByteArray("-") : ToNative(text).toPercentEncoding("/.!()[]{}@+,=~");
}

QString Unfield(const QByteArray& field) {
    return field == "-" ? QString() : FromNative(QByteArray::fromPercentEncoding(field));
}

} // namespace

QByteArray ChangeStep::Line() const {
    return QByteArray("step\t") + KindTags[int(kind)] + '\t' + Field(path) + '\t' + Field(to) + '\t' +
           Field(stored) + '\t' + before.Text().toLatin1() + '\t' + after.Text().toLatin1();
}

std::optional<ChangeStep> ChangeStep::FromLine(const QByteArray& line) {
    const QList<QByteArray> fields = line.split('\t');
    if (fields.size() != 7 || fields[0] != "step" || fields[1].size() != 1)
        return std::nullopt;
    const char* tag = std::strchr(KindTags, fields[1][0]);
    if (tag == nullptr || *tag == '\0')
        return std::nullopt;
    ChangeStep step;
    step.kind = Kind(tag - KindTags);
    step.path = Unfield(fields[2]);
    step.to = Unfield(fields[3]);
    step.stored = Unfield(fields[4]);
    step.before = Fingerprint::Parse(QString::fromLatin1(fields[5]));
    step.after = Fingerprint::Parse(QString::fromLatin1(fields[6]));
    return step;
}

Fingerprint ChangeStep::BeforeAt(const QString& at) const {
    if (kind == Kind::Renamed && at == to && at != path)
        return {};
    return kind == Kind::Created ? Fingerprint{} : before;
}

Fingerprint ChangeStep::AfterAt(const QString& at) const {
    if (kind == Kind::Renamed)
        return at == to ? after : Fingerprint{};
    return kind == Kind::Deleted ? Fingerprint{} : after;
}

bool Matches(const Fingerprint& now, const Fingerprint& expected) {
    if (expected.kind == Fingerprint::Kind::Unknown)
        return true;
    if (expected.kind == Fingerprint::Kind::Folder && expected.sum == 0)
        return now.kind == Fingerprint::Kind::Folder;
    return now == expected;
}
