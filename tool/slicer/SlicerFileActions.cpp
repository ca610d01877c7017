#include "slicer/SlicerFileActions.h"

#include "fs/NativeFs.h"
#include "slicer/SlicerFiles.h"

namespace {

Done Written(const QString& path, const QStringList& lines) {
    if (const Done written = WriteLines(path, lines); !written)
        return Failure{path, written.failure().reason, written.failure().refused};
    return {};
}

} // namespace

Tally WriteSlicerInput(const QString& file, const SlicerSettings& settings) {
    const QStringList lines = SlicerInputLines(settings);
    Tally tally;
    if (const Done written = Written(file, lines); !written) {
        tally.failed << written.failure();
        return tally;
    }
    ++tally.made;
    const QString copy = SlicerInputCopyPath(file);
    if (copy.isEmpty())
        return tally;
    if (const Done copied = Written(copy, lines); !copied)
        tally.failed << copied.failure();
    else
        ++tally.made;
    return tally;
}

Done SaveValues(const QString& file, const SlicerSettings& settings) {
    return Written(file, ValuesFileLines(settings));
}

Result<QStringList> ReadValuesFile(const QString& file) {
    const Result<QByteArray> bytes = ReadWholeFile(file);
    if (!bytes)
        return Failure{file, bytes.failure().reason};
    return SplitValuesLines(*bytes);
}
