#include "initune/IniGrid.h"

#include <algorithm>

namespace {

// Blanks are every character up to the space, control characters included.
QString TrimBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] <= QChar(' '))
        ++begin;
    while (end > begin && text[end - 1] <= QChar(' '))
        --end;
    return text.mid(begin, end - begin);
}

}  // namespace

QString IniGrid::Decode(const QByteArray& bytes) { return QString::fromLatin1(bytes); }

QByteArray IniGrid::Encode(const QString& text) { return text.toLatin1(); }

void IniGrid::Clear() {
    for (Row& row : rows_)
        row = Row();
    path.clear();
    oldColumn = newColumn = recColumn = memColumn = -1;
    mode = IniMode::Nothing;
}

void IniGrid::SetRowCount(int count) { rows_.resize(static_cast<size_t>(std::max(count, 0))); }

int IniGrid::AppendRow() {
    rows_.emplace_back();
    return RowCount() - 1;
}

QString IniGrid::Cell(int row, int column) const {
    if (row < 0 || row >= RowCount() || column < 0 || column >= ColumnCount)
        return {};
    return rows_[static_cast<size_t>(row)].cells[static_cast<size_t>(column)];
}

void IniGrid::SetCell(int row, int column, const QString& text) {
    if (row < 0 || row >= RowCount() || column < 0 || column >= ColumnCount)
        return;
    rows_[static_cast<size_t>(row)].cells[static_cast<size_t>(column)] = text;
}

void IniGrid::PutLines(const QList<QByteArray>& lines, int firstRow, bool trimValues) {
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const size_t index = static_cast<size_t>(firstRow + i);
        if (index >= rows_.size())
            rows_.resize(index + 1);
        Row& row = rows_[index];
        const QString line = Decode(lines[i]);
        const qsizetype equals = line.indexOf('=');
        row.fromFile = true;
        row.original = lines[i];
        if (equals < 0) {
            row.cells[0] = line;
            row.loadedOld.clear();
        } else {
            row.cells[0] = line.left(equals);
            const QString value = line.mid(equals + 1);
            row.loadedOld = trimValues ? TrimBlanks(value) : value;
        }
        if (oldColumn >= 0)
            row.cells[static_cast<size_t>(oldColumn)] = row.loadedOld;
    }
}

QByteArray IniGrid::LineOf(const Row& row) const {
    const QString old = oldColumn >= 0 ? row.cells[static_cast<size_t>(oldColumn)] : QString();
    if (row.fromFile && old == row.loadedOld)
        return row.original;
    QByteArray name = Encode(row.cells[0]);
    if (row.fromFile) {
        const qsizetype equals = row.original.indexOf('=');
        name = equals < 0 ? row.original : row.original.left(equals);
    }
    return old.isEmpty() ? name : name + '=' + Encode(old);
}

QByteArray IniGrid::TakeNewValuesAndBuildText() {
    if (newColumn >= 0 && oldColumn >= 0) {
        for (Row& row : rows_) {
            const QString& value = row.cells[static_cast<size_t>(newColumn)];
            if (!value.isEmpty())
                row.cells[static_cast<size_t>(oldColumn)] = value;
        }
    }
    QByteArray text;
    for (size_t i = static_cast<size_t>(std::max(firstDataRow, 0)); i < rows_.size(); ++i)
        text += LineOf(rows_[i]) + "\r\n";
    return text;
}
