// Journal entry reader: the input's first byte says how the file is named (0: an entry still open, n:
// sealed with n lines), the rest is the entry file. Any bytes read as a whole entry or a damaged one.
#include "journal/EntryFile.h"
#include "journal/JournalUndo.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QTemporaryDir folder;
    if (size == 0)
        return 0;
    const QString name = data[0] == 0 ? QStringLiteral("000001.entry") : QStringLiteral("000001-%1.entry").arg(data[0]);
    QFile file(folder.path() + '/' + name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char*>(data + 1), qint64(size - 1));
    file.close();
    const JournalEntry entry = ReadEntryFile(folder.path() + '/', name);
    volatile int files = entry.damaged() ? 0 : ChangedFiles(entry.steps) + EntryLine(entry).size();
    (void)files;
    file.remove();
    return 0;
}
