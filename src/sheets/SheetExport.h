#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class QAbstractItemModel;
class Dialogs;

// How a list window's rows are laid out in the exported sheet.
enum class SheetLayout {
    // Row 1 the merged title (OrgName + title text), row 2 "序号" and the column titles,
    // then the rows and an optional "合计" row; borders, small print, page footer.
    Titled,
    // Row 1 "序号" and the column titles, then the rows; no formatting at all.
    Plain,
};

// One column of an exported list after "序号".
struct SheetColumn {
    QString title;       // header text; also the grid column it is filled from
    double width = 0;    // in the spreadsheet's character units; 0 keeps the default
    bool text = false;   // always written as text, so "0012" and "2024-03-01" stay as typed
    QString field = {};  // the grid column to fill from when it differs from the title
};

// What one list window exports: a row of data in the member table (SheetMembers.h).
struct SheetMember {
    QString window;             // class of the window, e.g. "TfrmP_Q"
    SheetLayout layout;
    QString titleText;          // after OrgName in the title; the plain layout's caption
    QList<SheetColumn> columns;
    QStringList sums = {};      // columns that the totals row fills, by title
    bool landscape = false;
    double numberWidth = 4;     // width of column A ("序号"); 0 keeps the default
    bool captionWithoutOrgName = false; // the file is named after the title text alone
};

// The item block of the movement record: the values under "物品名称", "规格", "单位",
// "单价", "所在仓库", "库存数量".
struct MovementRecordItem {
    QString name;
    QString standard;
    QString unit;
    QString price;
    QString storage;
    QString stock;
};

// The six lists of the movement record in the order the sheet shows them: purchases,
// requisitions, loans, returns, damage and surplus. Each model's columns are found by
// the section's header titles; a null model is an empty section.
using MovementSections = std::array<QAbstractItemModel *, 6>;

// The message when the workbook file cannot be written.
inline const QString kSheetFileFailedText =
    QStringLiteral("无法创建Xls文件，请确认是否安装EXCEL");

// Rows to export, read once from the first to the last.
class SheetRows {
public:
    virtual ~SheetRows() = default;
    // The column titles, by which the member's columns are found.
    virtual QStringList titles() const = 0;
    // The number of rows.
    virtual qint64 size() const = 0;
    // Moves to the next row, the first at the first call; false after the last.
    virtual bool next() = 0;
    // The text of a column of the current row, as the list shows it.
    virtual QString text(int column) const = 0;
};

// The most rows one sheet holds.
inline constexpr qint64 kSheetRowLimit = 1048576;

// Told how many rows are written so far, now and then during a long export.
using SheetProgress = std::function<void(qint64 written, qint64 total)>;

// Writes list windows' rows to .xlsx files in a folder the user can find, one file per
// export named after the title and the time, and hands each file to the desktop. Errors
// go to the user through the Dialogs seam; the right to export is checked by the caller.
class SheetExporter {
public:
    SheetExporter(Dialogs &dialogs, const QString &orgName,
                  const QString &folder = defaultFolder());

    // "Excel导出" in the user's documents folder.
    static QString defaultFolder();

    // Exports every row of `rows` in its current order, the columns found by their header
    // titles, and for members with sums the first row of `totals`. `titleText`, when
    // given, stands for the member's title text (titles that depend on the window's
    // state). Returns the written file, or an empty text when nothing was written.
    QString exportList(const SheetMember &member, QAbstractItemModel &rows,
                       QAbstractItemModel *totals = nullptr, const QString &titleText = {});
    // The same from rows read one by one (a statement's result), so a long list is never
    // held whole. A list with more rows than the sheet holds is refused with a message
    // before anything is written.
    QString exportRows(const SheetMember &member, SheetRows &rows,
                       QAbstractItemModel *totals = nullptr, const QString &titleText = {},
                       const SheetProgress &progress = {});

    // The item movement record in the sectioned layout.
    QString exportMovementRecord(const MovementRecordItem &item,
                                 const MovementSections &sections);

private:
    QString newFilePath(const QString &caption) const;
    QString finish(const QString &path, bool written, const QString &error);

    Dialogs &m_dialogs;
    QString m_orgName;
    QString m_folder;
};
