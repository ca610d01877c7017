// Add-on archive reader: the input is an archive file (any format the installer takes). Its table is
// read and every file streamed; refusals and failures are expected, crashes and hangs are findings.
#include "archive/ArchiveReader.h"
#include "archive/ArchiveTable.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QTemporaryDir folder;
    const QString path = folder.path() + QStringLiteral("/addon.bin");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();
    // Small limits: an archive bomb is refused before it costs the run its time.
    const Result<ArchiveTable> table = ReadArchiveTable(
        path, ArchiveLimits{.totalBytes = 64 << 20, .entryBytes = 16 << 20, .entries = 10000});
    if (!table)
        return 0;
    ArchiveReader reader(*table);
    char chunk[16384];
    for (Result<const ArchiveEntry*> entry = reader.Next(); entry && *entry; entry = reader.Next())
        for (Result<qint64> read = reader.Read(chunk, sizeof chunk); read && *read > 0;
             read = reader.Read(chunk, sizeof chunk))
            ;
    return 0;
}
