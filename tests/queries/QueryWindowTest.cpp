// The query windows driven as a user does: search, current document, commands with their
// rights, export read back with openpyxl, request conversion.
#include "documents/LineDialogs.h"
#include "queries/QueryWindows.h"
#include "queries/TfrmSQ_Q.h"
#include "sheets/SheetMembers.h"
#include "support/Screenshots.h"
#include "support/StockDocuments.h"
#include "ui/DataGrid.h"
#include "ui/LookupComboBox.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSqlQueryModel>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Runs `answer` on the next modal dialog that opens.
void whenModalOpens(std::function<void(QDialog *)> answer)
{
    QTimer::singleShot(0, [answer] { answer(qobject_cast<QDialog *>(QApplication::activeModalWidget())); });
}

// The cells of the first sheet of an .xlsx file as openpyxl reads them, rows of
// tab-separated values.
QStringList sheetRows(const QString &path)
{
    QProcess python;
    python.start("/usr/bin/python3",
                 {"-c", "import sys, openpyxl\n"
                        "for row in openpyxl.load_workbook(sys.argv[1]).worksheets[0].iter_rows(values_only=True):\n"
                        "    print('\\t'.join('' if v is None else str(v) for v in row))\n",
                  path});
    python.waitForFinished(30000);
    return QString::fromUtf8(python.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

// Two purchase-in documents of a supplier in the one storage, a person and a department.
struct QueryWindows : ::testing::Test {
    TestDatabase db;
    int item = addTestItem(db, "A001", "A4纸");
    SavedDocument first, second;

    QueryWindows()
    {
        db.context.UserStorages = {"物品仓库"};
        db.context.OrgName = "朔禾公司";
        db.dm.myESQL("insert into UMerchant (ID, MName, thePY) values (1, '北京文具', 'BJWJ')");
        db.dm.myESQL("insert into SDepartment (DName) values ('行政部'), ('财务部')");
        db.dm.myESQL("insert into SPerson (DName, PName) values ('行政部', '张三'), ('财务部', '王五')");
        const QString today = QDate::currentDate().toString("yyyy-MM-dd");
        first = saveTestDocument(db, "UIn_CG", {{.item = item, .count = 5, .price = 2}}, today);
        second = saveTestDocument(db, "UIn_CG", {{.item = item, .count = 3, .price = 1}, {.item = item, .count = 1}}, today);
    }

    template <typename Window>
    static void search(Window &window)
    {
        window.show();
        window.template findChild<QPushButton *>("BitBtn1")->click();
    }
    static QAction *command(QueryWindow &window, const char *name)
    {
        return window.findChild<QAction *>(name);
    }
    static QString label(QueryWindow &window, const char *name)
    {
        return window.findChild<QLabel *>(name)->text();
    }
};

TEST_F(QueryWindows, CurrentDocumentFollowsTheCursorAndDrivesTheLines)
{
    TfrmIn_CG_Q window(db.services);
    EXPECT_FALSE(window.findChild<QPushButton *>("BitBtn2")->isEnabled());
    EXPECT_EQ(window.documents()->contextMenuPolicy(), Qt::NoContextMenu);
    search(window);
    EXPECT_TRUE(window.findChild<QPushButton *>("BitBtn2")->isEnabled());
    EXPECT_EQ(window.documents()->contextMenuPolicy(), Qt::ActionsContextMenu);
    EXPECT_EQ(window.selectedNumber(), second.number); // newest first
    EXPECT_EQ(window.lines()->rows()->rowCount(), 2);
    EXPECT_EQ(label(window, "Label1"), "记录：2");
    EXPECT_EQ(label(window, "Label2"), "数量：9");
    EXPECT_EQ(label(window, "Label3"), "金额：14");

    window.documents()->setFocus();
    QTest::keyClick(window.documents(), Qt::Key_Down);
    EXPECT_EQ(window.selectedNumber(), first.number);
    EXPECT_EQ(window.lines()->rows()->rowCount(), 1);
    EXPECT_EQ(window.lines()->currentValue("数量").toDouble(), 5);
    EXPECT_TRUE(window.lines()->isColumnHidden(window.lines()->rows()->column("ID")));
    EXPECT_TRUE(saveScreenshot(window, "purchase_in_query"));
}

TEST_F(QueryWindows, FiltersTickThemselvesAndTheDepartmentRefillsItsPersons)
{
    TfrmOut_LY_Q window(db.services);
    window.show();
    QTest::keyClicks(window.findChild<QLineEdit *>("Edit1"), "0001");
    EXPECT_TRUE(window.findChild<QCheckBox *>("CheckBox1")->isChecked());
    window.findChild<QDateEdit *>("DateTimePicker1")->setDate(QDate(2026, 1, 1));
    EXPECT_TRUE(window.findChild<QCheckBox *>("CheckBox2")->isChecked());
    auto *departments = window.findChild<LookupComboBox *>("DBLookupComboBox1");
    auto *persons = window.findChild<LookupComboBox *>("DBLookupComboBox2");
    EXPECT_EQ(persons->count(), 0);
    departments->setCurrentIndex(departments->findText("财务部"));
    Q_EMIT departments->activated(departments->currentIndex());
    EXPECT_TRUE(window.findChild<QCheckBox *>("CheckBox3")->isChecked());
    ASSERT_EQ(persons->count(), 1);
    EXPECT_EQ(persons->itemText(0), "王五");
}

TEST_F(QueryWindows, DeleteLineAndThenTheDocument)
{
    TfrmIn_CG_Q window(db.services);
    search(window);
    window.documents()->setCurrentIndex(window.documentRows()->index(1, 0));
    ASSERT_EQ(window.selectedNumber(), first.number);

    // The document still has a live line, even one the list does not show yet.
    db.dialogs.answers = {true};
    command(window, "D1")->trigger();
    EXPECT_EQ(db.dialogs.texts(), QStringList{"当前选中采购入库单 有明细信息，不能删除！"});

    db.dialogs.clear();
    db.dialogs.answers = {true};
    command(window, "D2")->trigger();
    EXPECT_EQ(db.dialogs.texts(), (QStringList{"当前选中物品名称为 A4纸", "确认要删除吗？该删除将不可恢复！"}));
    EXPECT_EQ(window.lines()->rows()->rowCount(), 0);
    EXPECT_DOUBLE_EQ(testBalance(db, item, 1), 4);
    EXPECT_EQ(db.value("select theNum from UWList where theType='采购删除'").toString(), first.number);
    EXPECT_EQ(label(window, "Label2"), "数量：4");

    // A line the list does not show still stops the delete: the database is asked.
    db.dm.myESQL("insert into UIn_CG_Bill (theNum, AID, theCount, APrice, SID, theDel) values (?, ?, 1, 1, 1, 0)",
                 {first.number, item});
    db.dialogs.clear();
    command(window, "D1")->trigger();
    EXPECT_EQ(db.dialogs.texts(), QStringList{"当前选中采购入库单 有明细信息，不能删除！"});
    db.dm.myESQL("update UIn_CG_Bill set theDel=1 where theNum=?", {first.number});

    db.dialogs.clear();
    db.dialogs.answers = {true};
    command(window, "D1")->trigger();
    EXPECT_EQ(db.dialogs.texts(), (QStringList{"当前选中采购入库单编号为 " + first.number, "确认要删除吗？该删除将不可恢复！"}));
    EXPECT_EQ(db.value("select theDel from UIn_CG where theNum=?", {first.number}).toInt(), 1);
    EXPECT_EQ(window.documentRows()->rowCount(), 1);
}

// Each command of the line and document menus, with what shows that it ran.
struct RightCase {
    const char *command;
    QString AppContext::*right;
};

TEST_F(QueryWindows, ARightRefusesOnlyWhenItIsExactlyNo)
{
    const RightCase cases[] = {
        {"D1", &AppContext::RightDelete}, {"D2", &AppContext::RightDelete}, {"M1", &AppContext::RightModify},
        {"P2", &AppContext::RightModify}, {"R1", &AppContext::RightModify},
    };
    for (const RightCase &c : cases) {
        for (const char *value : {"否", "", "是"}) {
            SCOPED_TRACE(std::string(c.command) + " " + value);
            db.context.*c.right = value;
            TfrmIn_CG_Q window(db.services);
            search(window);
            db.dialogs.clear();
            db.dialogs.answers = {false};
            bool opened = false;
            whenModalOpens([&opened](QDialog *dialog) {
                opened = dialog != nullptr;
                if (dialog)
                    dialog->reject();
            });
            command(window, c.command)->trigger();
            const bool ran = opened || !db.dialogs.messages.isEmpty();
            EXPECT_EQ(ran, QString(value) != "否");
            QApplication::processEvents();
        }
    }
    for (const char *value : {"否", "", "是"}) {
        SCOPED_TRACE(value);
        db.context.RightExport = value;
        db.dialogs.openedUrls.clear();
        TfrmIn_CG_Q window(db.services);
        search(window);
        window.findChild<QPushButton *>("BitBtn2")->click();
        EXPECT_EQ(db.dialogs.openedUrls.size(), QString(value) == "否" ? 0 : 1);
    }
}

TEST_F(QueryWindows, CountChangeThroughTheDialogReloadsTheLines)
{
    TfrmIn_CG_Q window(db.services);
    search(window);
    whenModalOpens([](QDialog *dialog) {
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "A4纸 修改数量");
        auto *box = dialog->findChild<QLineEdit *>("Edit1");
        EXPECT_EQ(box->text(), "3");
        box->setText("7");
        EXPECT_TRUE(saveScreenshot(*dialog, "count_dialog"));
        dialog->findChild<QPushButton *>("BitBtn1")->click();
    });
    command(window, "M1")->trigger();
    EXPECT_EQ(window.lines()->currentValue("数量").toDouble(), 7);
    EXPECT_DOUBLE_EQ(testBalance(db, item, 1), 13);
}

TEST_F(QueryWindows, LoanDaysGrowByWhatIsTyped)
{
    const SavedDocument loan = saveTestDocument(db, "UOut_JC", {{.item = item, .count = 2}},
                                                QDate::currentDate().toString("yyyy-MM-dd"));
    TfrmOut_JC_Q window(db.services);
    search(window);
    ASSERT_EQ(window.selectedNumber(), loan.number);
    const QList<QAction *> menu = window.lines()->actions();
    ASSERT_GE(menu.size(), 2);
    EXPECT_EQ(menu[0]->text(), "增加借用天数 &A");
    EXPECT_TRUE(menu[1]->isSeparator());
    whenModalOpens([](QDialog *dialog) {
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QLineEdit *>("Edit1")->setText("15");
        dialog->findChild<QPushButton *>("BitBtn1")->click();
    });
    command(window, "A1")->trigger();
    EXPECT_EQ(window.lines()->currentValue("归还天数").toInt(), 45);
}

TEST_F(QueryWindows, ExportReadsBackWithTextNumbersAndDates)
{
    db.dm.myESQL("update UIn_CG set Remark='O''Brien 50%' where theNum=?", {first.number});
    TfrmIn_CG_Q window(db.services);
    window.show();
    window.findChild<QLineEdit *>("Edit3")->setText("O'Brien 50%");
    window.findChild<QCheckBox *>("CheckBox8")->setChecked(true);
    window.findChild<QPushButton *>("BitBtn1")->click();
    window.findChild<QPushButton *>("BitBtn2")->click();
    ASSERT_EQ(db.dialogs.openedUrls.size(), 1);
    const QStringList rows = sheetRows(db.dialogs.openedUrls[0].toLocalFile());
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0].split('\t')[0], "朔禾公司采购表");
    EXPECT_EQ(rows[1], "序号\t编号\t采购日期\t供应商\t采购人\t经办人\t入库仓库\t制单人\t备注");
    EXPECT_EQ(rows[2], QString("1\t%1\t%2\t北京文具\t张三\t李四\t物品仓库\t系统管理员\tO'Brien 50%")
                           .arg(first.number, QDate::currentDate().toString("yyyy-MM-dd")));
}

TEST_F(QueryWindows, RequestBecomesADocumentOnlyWithTheMenuRightAndWarnsWhenAlreadyConverted)
{
    const SavedDocument request = saveTestDocument(db, "USQ", {{.item = item, .count = 4}});
    const struct {
        const char *command, *menuItem, *counter, *warning, *caption;
    } cases[] = {
        {"C1", "N11", "theCG", " 已转采购单！", "采购入库单"},
        {"N3", "N21", "theLY", " 已转领用单！", "领用出库单"},
        {"J1", "N22", "theJY", " 已转借用单！", "借用出库单"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.command);
        QString visibleItem;
        TfrmSQ_Q window(db.services, [&](const QString &item) { return item == visibleItem; });
        search(window);
        ASSERT_EQ(window.selectedNumber(), request.number);

        // Without the document's menu right nothing opens.
        bool opened = false;
        whenModalOpens([&opened](QDialog *dialog) {
            opened = dialog != nullptr;
            if (dialog)
                dialog->reject();
        });
        command(window, c.command)->trigger();
        QApplication::processEvents();
        EXPECT_FALSE(opened);

        // Another kind's counter gives no warning; the kind's own does, and the window opens all the same.
        visibleItem = c.menuItem;
        for (const char *counter : {"theCG", "theLY", "theJY"}) {
            db.dm.myESQL(QString("update USQ_Bill set theCG=0, theLY=0, theJY=0, %1=1").arg(counter));
            db.dialogs.clear();
            QString caption;
            whenModalOpens([&caption](QDialog *dialog) {
                ASSERT_NE(dialog, nullptr);
                caption = dialog->windowTitle();
                dialog->reject();
            });
            command(window, c.command)->trigger();
            EXPECT_EQ(caption, c.caption);
            const QStringList warned = {"申请单 " + request.number + c.warning};
            EXPECT_EQ(db.dialogs.texts().filter("申请单 "), QString(counter) == c.counter ? warned : QStringList{});
        }
    }
}

// The captions of a grid's pop-up menu, separators as "-".
QStringList menuOf(QWidget *grid)
{
    QStringList captions;
    for (QAction *action : grid->actions())
        captions << (action->isSeparator() ? QString("-") : action->text());
    return captions;
}

TEST_F(QueryWindows, EveryKindHasItsMenusAndExportsItsColumns)
{
    const QStringList corrections = {"修改单价 &P", "修改数量 &M", "修改备注 &R", "-", "删除明细 &D"};
    const QMap<QString, QStringList> lineMenus = {
        {"TfrmIn_CG_Q", corrections},
        {"TfrmOut_TH_Q", corrections},
        {"TfrmOut_LY_Q", corrections.mid(1)},
        {"TfrmOut_JC_Q", QStringList{"增加借用天数 &A", "-"} + corrections.mid(1)},
        {"TfrmSQ_Q", corrections.mid(1)},
    };
    std::vector<std::unique_ptr<QueryWindow>> windows;
    windows.emplace_back(new TfrmIn_CG_Q(db.services));
    windows.emplace_back(new TfrmOut_TH_Q(db.services));
    windows.emplace_back(new TfrmOut_LY_Q(db.services));
    windows.emplace_back(new TfrmOut_JC_Q(db.services));
    windows.emplace_back(new TfrmIn_GH_Q(db.services));
    windows.emplace_back(new TfrmOut_BS_Q(db.services));
    windows.emplace_back(new TfrmIn_BY_Q(db.services));
    windows.emplace_back(new TfrmSQ_Q(db.services, [](const QString &) { return true; }));
    windows.emplace_back(new TfrmDB_Q(db.services));
    for (const std::unique_ptr<QueryWindow> &window : windows) {
        const QueryKind &kind = window->kind();
        SCOPED_TRACE(kind.windowClass.toStdString());
        QStringList documentMenu = {"打印" + kind.menuName + " &P", "-", "删除" + kind.menuName + " &D"};
        if (kind.header == "USQ")
            documentMenu << "-" << "申请单转采购单 &C" << "申请单转领用单 &L" << "申请单转借用单 &J";
        EXPECT_EQ(menuOf(window->documents()), documentMenu);
        EXPECT_EQ(menuOf(window->lines()), lineMenus.value(kind.windowClass, {"删除明细 &D"}));

        TestLine line{.item = item, .toStorage = 1};
        if (kind.header == "UIn_GH") {
            line.issueLine = saveTestDocument(db, "UOut_JC", {{.item = item, .count = 5}}).lineIds[0];
            line.issueTable = "UOut_JC_Bill";
        }
        const QString number = saveTestDocument(db, kind.header, {line}).number;
        db.dialogs.openedUrls.clear();
        window->findChild<QCheckBox *>("CheckBox1")->setChecked(true);
        window->findChild<QLineEdit *>("Edit1")->setText(number);
        search(*window);
        window->findChild<QPushButton *>("BitBtn2")->click();
        ASSERT_EQ(db.dialogs.openedUrls.size(), 1) << db.dialogs.lastText().toStdString();
        const QStringList rows = sheetRows(db.dialogs.openedUrls[0].toLocalFile());
        ASSERT_EQ(rows.size(), 3);
        QStringList titles = {"序号"};
        for (const SheetColumn &column : sheetMember(kind.windowClass).columns)
            titles << column.title;
        EXPECT_EQ(rows[1], titles.join('\t'));
        EXPECT_EQ(rows[2].split('\t').mid(0, 3), (QStringList{"1", number, kTestLoginDate}));
    }
}

TEST_F(QueryWindows, PrintShowsThePreviewOfTheCurrentDocument)
{
    TfrmIn_CG_Q window(db.services);
    search(window);
    command(window, "P1")->trigger();
    EXPECT_EQ(db.dialogs.previews, 1);
}

} // namespace
