#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <vector>

// The tuning window's mode: which file the grid holds.
enum class IniMode { RenderIni = 0, FlyIni = 1, Nothing = 2 };

// The grid of the tuning window without any widget: 4 columns (name, then OLD, NEW, Recommended and
// Memory at the columns the loaded mode gives them), the fixed rows on top, then one row per file line.
// Each row read from the file keeps the line's own bytes, so a line the user leaves alone is written
// back exactly as it was.
class IniGrid final {
public:
    static constexpr int ColumnCount = 4;

    IniGrid() { Clear(); }

    // Empties every cell, forgets the path and the columns, mode Nothing.
    void Clear();

    int RowCount() const { return static_cast<int>(rows_.size()); }
    void SetRowCount(int count);
    int AppendRow();  // the new row's index
    QString Cell(int row, int column) const;
    void SetCell(int row, int column, const QString& text);

    // Line i goes to row firstRow + i: name before the first "=", value after it (trimmed of blanks
    // when trimValues), or the whole line as the name.
    void PutLines(const QList<QByteArray>& lines, int firstRow, bool trimValues);
    // NEW over OLD in every row, then the file's bytes: one CR LF line per data row.
    QByteArray TakeNewValuesAndBuildText();

    // The files are 8-bit text: each byte is one character.
    static QString Decode(const QByteArray& bytes);
    static QByteArray Encode(const QString& text);

    IniMode mode = IniMode::Nothing;
    QString path;         // empty while nothing is loaded
    int oldColumn = -1;
    int newColumn = -1;
    int recColumn = -1;
    int memColumn = -1;
    int fixedRows = 1;
    int firstDataRow = 1;
    int searchPosition = -1;

private:
    struct Row final {
        std::array<QString, ColumnCount> cells;
        bool fromFile = false;
        QByteArray original;  // the line's bytes without its line end
        QString loadedOld;
    };

    QByteArray LineOf(const Row& row) const;

    std::vector<Row> rows_;
};
