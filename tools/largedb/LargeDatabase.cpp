#include "largedb/LargeDatabase.h"

#include "store/DatabaseError.h"
#include "store/LedgerKinds.h"
#include "store/NewDatabase.h"
#include "store/PinyinCode.h"
#include "store/SqlStatement.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <cmath>
#include <map>
#include <random>
#include <vector>

namespace {

const QString kUser = QStringLiteral("系统管理员");
const std::vector<int> kLoanDays = {7, 15, 30, 60};

QStringList words(const char *spaceSeparated)
{
    return QString::fromUtf8(spaceSeparated).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

double round4(double value)
{
    return std::round(value * 10000.0) / 10000.0;
}

// One prepared INSERT, reused for every row it writes.
class Insert {
public:
    Insert(const QSqlDatabase &database, const QString &table, const QStringList &columns)
        : m_query(database)
    {
        QStringList marks;
        for (qsizetype i = 0; i < columns.size(); ++i)
            marks << QStringLiteral("?");
        const QString statement = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                      .arg(table, columns.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
        if (!m_query.prepare(statement))
            throw DatabaseError(m_query.lastError().text());
    }

    // Writes one row and returns its ID.
    int row(const QVariantList &values)
    {
        for (qsizetype i = 0; i < values.size(); ++i)
            m_query.bindValue(int(i), values.at(i));
        if (!m_query.exec())
            throw DatabaseError(m_query.lastError().text());
        return m_query.lastInsertId().toInt();
    }

private:
    QSqlQuery m_query;
};

struct Item {
    int id;
    double price;
};

// A loan or requisition line of which something is still out.
struct OpenLine {
    bool loan;
    int lineId;
    int aid;
    int sid;
    double outstanding;
    int person;
};

// Which kind of document a day's next document is, by share of the lines.
enum class Kind { Request, Purchase, ReturnToSupplier, Requisition, Loan, Return, Transfer, WriteOff, Surplus };

class Generator {
public:
    Generator(QSqlDatabase database, const LargeDatabaseOptions &options)
        : m_db(database), m_options(options), m_random(options.seed)
    {
    }

    void run()
    {
        writeMasterData();
        QDate day = QDate::fromString(m_options.firstDay, Qt::ISODate);
        for (int d = 0; d < m_options.days; ++d, day = day.addDays(1))
            writeDay(day);
        writeReturnedCounts();
        writeBalances();
    }

private:
    int uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(m_random) < p; }
    template <typename T> const T &pick(const std::vector<T> &from) { return from[size_t(uniform(0, int(from.size()) - 1))]; }
    const QString &pick(const QStringList &from) { return from.at(uniform(0, int(from.size()) - 1)); }

    void writeMasterData()
    {
        const QStringList categories = words("办公用品 劳保用品 电子设备 五金工具 清洁用品 耗材 家具 电器 "
                                             "文具 纸品 电脑配件 网络设备 安全用品 印刷品 包装材料 "
                                             "化学试剂 实验器材 维修配件 照明用品 通讯器材");
        Insert category(m_db, QStringLiteral("UAType"), {QStringLiteral("theName"), QStringLiteral("Remark")});
        for (const QString &name : categories)
            category.row({name, QString()});

        const QStringList places = words("一号货架 二号货架 三号货架 地下室 办公室柜 机房");
        Insert place(m_db, QStringLiteral("SPlace"), {QStringLiteral("PName"), QStringLiteral("Remark")});
        for (const QString &name : places)
            place.row({name, QString()});

        writeStorages();
        writePersons();
        writeSuppliers();
        writeItems(categories, places);
    }

    void writeStorages()
    {
        // The new database holds storage 1; the others are added and granted to the
        // administrator, who sees every storage.
        m_storages.push_back({1, QStringLiteral("物品仓库")});
        const QStringList names = words("二号仓库 三号仓库 备件库 工具间 耗材库 档案室 车间库 分部仓库");
        Insert storage(m_db, QStringLiteral("SStorage"), {QStringLiteral("SName"), QStringLiteral("Remark"), QStringLiteral("thePY")});
        Insert access(m_db, QStringLiteral("SLW"), {QStringLiteral("UID"), QStringLiteral("SName")});
        for (int i = 1; i < m_options.storages && i - 1 < names.size(); ++i) {
            const QString &name = names.at(i - 1);
            m_storages.push_back({storage.row({name, QString(), PinyinCode(name)}), name});
            access.row({1, name});
        }
    }

    void writePersons()
    {
        const QStringList departments = words("行政部 财务部 人事部 技术部 生产部 销售部 采购部 后勤部 "
                                              "质检部 研发中心 信息中心 安保部 物流部 工程部 客服部");
        const QStringList surnames = words("王 李 张 刘 陈 杨 黄 赵 吴 周 徐 孙 马 朱 胡 郭 何 高 林 罗");
        const QStringList given = words("伟 芳 娜 敏 静 丽 强 磊 军 洋 勇 艳 杰 涛 明 超 秀英 华 平 刚 桂英 建华 晓东 志强");
        Insert department(m_db, QStringLiteral("SDepartment"), {QStringLiteral("DName"), QStringLiteral("thePY"), QStringLiteral("Remark")});
        for (const QString &name : departments)
            department.row({name, PinyinCode(name), QString()});
        Insert person(m_db, QStringLiteral("SPerson"),
                      {QStringLiteral("theNum"), QStringLiteral("DName"), QStringLiteral("PName"), QStringLiteral("theJob"),
                       QStringLiteral("thePhone"), QStringLiteral("theIDCard"), QStringLiteral("theAddress"),
                       QStringLiteral("Remark"), QStringLiteral("thePY")});
        for (int i = 0; i < m_options.persons; ++i) {
            // A number after the name keeps names apart, as offices do with namesakes.
            QString name = pick(surnames) + pick(given);
            if (i >= surnames.size() * given.size() / 2)
                name += QString::number(i);
            const QString dept = pick(departments);
            person.row({QStringLiteral("P%1").arg(i + 1, 5, 10, QLatin1Char('0')), dept, name, QStringLiteral("职员"),
                        QStringLiteral("1380000%1").arg(i, 4, 10, QLatin1Char('0')), QString(), QString(), QString(),
                        PinyinCode(name)});
            m_persons.push_back({name, dept});
        }
    }

    void writeSuppliers()
    {
        const QStringList regions = words("北京 上海 广州 深圳 天津 南京 杭州 成都 武汉 西安 苏州 青岛");
        const QStringList trades = words("华信 恒达 宏远 金利 鑫源 永安 新星 东方 天成 瑞丰 博远 正大");
        const QStringList endings = words("商贸有限公司 办公用品公司 五金机电公司 科技有限公司 实业公司");
        Insert supplier(m_db, QStringLiteral("UMerchant"),
                        {QStringLiteral("MName"), QStringLiteral("MPhone"), QStringLiteral("MProson"),
                         QStringLiteral("MAddress"), QStringLiteral("Remark"), QStringLiteral("thePY")});
        for (int i = 0; i < m_options.suppliers; ++i) {
            const QString name = pick(regions) + pick(trades) + pick(endings) + QString::number(i + 1);
            m_suppliers.push_back({supplier.row({name, QStringLiteral("010-8888%1").arg(i, 4, 10, QLatin1Char('0')),
                                                 m_persons[size_t(i) % m_persons.size()].name, QString(), QString(),
                                                 PinyinCode(name)}),
                                   name});
        }
    }

    void writeItems(const QStringList &categories, const QStringList &places)
    {
        const QStringList adjectives = words("黑色 蓝色 红色 大号 小号 加厚 防水 不锈钢 塑料 无线 便携 "
                                             "工业 家用 高清 静音 耐磨 透明 折叠");
        const QStringList nouns = words("签字笔 笔记本 文件夹 订书机 打印纸 硒鼓 墨盒 螺丝刀 扳手 电钻 "
                                        "手套 口罩 插线板 鼠标 键盘 显示器 胶带 剪刀 计算器 U盘 电池 "
                                        "灯管 拖把 垃圾袋 安全帽 工作服 网线 交换机 档案盒 白板笔");
        const QStringList units = words("个 支 本 把 盒 包 台 卷 箱 套 双");
        const QString codeDay = QDate::fromString(m_options.firstDay, Qt::ISODate).toString(QStringLiteral("yyMMdd"));
        Insert item(m_db, QStringLiteral("UArticle"),
                    {QStringLiteral("theNum"), QStringLiteral("theDate"), QStringLiteral("AType"), QStringLiteral("AName"),
                     QStringLiteral("AStandard"), QStringLiteral("AUnit"), QStringLiteral("APrice"), QStringLiteral("thePY"),
                     QStringLiteral("Remark"), QStringLiteral("PName"), QStringLiteral("YJMin"), QStringLiteral("YJMax"),
                     QStringLiteral("theYJ"), QStringLiteral("FJCount")});
        for (int i = 0; i < m_options.items; ++i) {
            const QString name = pick(adjectives) + pick(nouns);
            const double price = round4(uniform(50, 500000) / 100.0);
            const bool warns = chance(0.3);
            const int id = item.row({codeDay + QStringLiteral("%1").arg(i + 1, 4, 10, QLatin1Char('0')), m_options.firstDay,
                                     pick(categories), name, QStringLiteral("型号%1").arg(uniform(1, 999)), pick(units),
                                     price, PinyinCode(name), QString(), pick(places), warns ? uniform(5, 20) : 0,
                                     warns ? uniform(100, 400) : 0, warns ? QStringLiteral("是") : QStringLiteral("否"), 0});
            m_items.push_back({id, price});
        }
    }

    Kind nextKind() { return Kind(m_kindShares(m_random)); }

    void writeDay(const QDate &day)
    {
        m_date = day.toString(Qt::ISODate);
        m_dayPrefix = day.toString(QStringLiteral("yyMMdd"));
        m_dayCounters.clear();
        for (int written = 0; written < m_options.linesPerDay;)
            written += writeDocument(nextKind());
    }

    // The next number of `table` on the current day.
    QString number(const QString &table)
    {
        const int count = ++m_dayCounters[table];
        return m_dayPrefix + QStringLiteral("%1").arg(count, 4, 10, QLatin1Char('0'));
    }

    double stockOf(int aid, int sid) const
    {
        const auto found = m_balances.find({aid, sid});
        return found == m_balances.end() ? 0.0 : found->second;
    }

    // Books `delta` and writes its ledger row, as a save does.
    void book(const QString &kind, const QString &num, int sid, int aid, double delta)
    {
        double &stock = m_balances[{aid, sid}];
        stock = round4(stock + delta);
        m_ledger.row({kind, num, sid, aid, delta > 0 ? delta : 0.0, delta < 0 ? -delta : 0.0, m_date, kUser, stock});
    }

    double purchaseCount() { return chance(0.1) ? uniform(1, 40) + 0.5 : uniform(1, 100); }

    // An item with stock in `sid` and a count to issue, or none after a few tries.
    bool issuable(int sid, Item &item, double &count)
    {
        for (int attempt = 0; attempt < 4; ++attempt) {
            item = pick(m_items);
            const double stock = stockOf(item.id, sid);
            if (stock >= 1) {
                count = uniform(1, int(std::min(10.0, std::floor(stock))));
                return true;
            }
        }
        return false;
    }

    double linePrice(const Item &item) { return round4(item.price * uniform(80, 120) / 100.0); }

    struct Storage {
        int id;
        QString name;
    };
    struct Person {
        QString name;
        QString department;
    };
    struct Supplier {
        int id;
        QString name;
    };

    int writeDocument(Kind kind)
    {
        switch (kind) {
        case Kind::Request: return writeRequest();
        case Kind::Return: return writeReturn();
        case Kind::Transfer: return writeTransfer();
        default: return writeStockDocument(kind);
        }
    }

    int lineCount() { return uniform(1, 9); }
    QVariantList headerStart(const QString &num, bool deleted)
    {
        return {num, kUser, m_date, pick(m_persons).name, QString(), m_date, deleted ? 1 : 0};
    }

    int writeRequest()
    {
        const QString num = number(QStringLiteral("USQ"));
        const Person &applicant = pick(m_persons);
        m_requestHeader.row(headerStart(num, false) + QVariantList{applicant.name, applicant.department});
        const int lines = lineCount();
        for (int i = 1; i <= lines; ++i) {
            const Item &item = pick(m_items);
            const double count = uniform(1, 20);
            const bool done = chance(0.6);
            m_requestLine.row({num, item.id, count, QString(), i, 0, item.price, chance(0.3) && done ? count : 0.0,
                               done ? count : 0.0, 0.0});
        }
        return lines;
    }

    // Purchase, return to supplier, requisition, loan, write-off and surplus: one storage,
    // one ledger row per line; a few documents and lines are deleted again, with the
    // reversing ledger row a line delete writes.
    int writeStockDocument(Kind kind)
    {
        const QString table = headerTable(kind);
        const QString num = number(table);
        const Storage &storage = pick(m_storages);
        const Person &person = pick(m_persons);
        const bool deletedDocument = kind != Kind::Loan && chance(0.005);
        QVariantList header = headerStart(num, deletedDocument);
        switch (kind) {
        case Kind::Purchase:
        case Kind::ReturnToSupplier: {
            const Supplier &supplier = pick(m_suppliers);
            header << person.name << supplier.id << storage.id << storage.name;
            break;
        }
        case Kind::Requisition: header << person.name << person.department << storage.name; break;
        case Kind::Loan: header << person.name << pick(m_persons).name << person.department << storage.name; break;
        default: header << person.name << storage.name; break;
        }
        const bool inbound = kind == Kind::Purchase || kind == Kind::Surplus;
        int written = 0;
        const int lines = lineCount();
        for (int i = 1; i <= lines; ++i) {
            Item item{};
            double count = 0;
            if (inbound) {
                item = pick(m_items);
                count = purchaseCount();
            } else if (!issuable(storage.id, item, count)) {
                continue;
            }
            if (written == 0)
                headerInsert(kind).row(header);
            ++written;
            const bool deleted = deletedDocument || (kind != Kind::Loan && chance(0.01));
            const double delta = inbound ? count : -count;
            book(savedKind(kind), num, storage.id, item.id, delta);
            const int lineId = writeStockLine(kind, num, item, count, written, deleted, storage.id);
            if (deleted)
                book(deletedKind(kind), num, storage.id, item.id, -delta);
            else if (kind == Kind::Loan || (kind == Kind::Requisition && chance(0.05)))
                m_open.push_back({kind == Kind::Loan, lineId, item.id, storage.id, count, int(&person - m_persons.data())});
        }
        return std::max(written, 1);
    }

    int writeStockLine(Kind kind, const QString &num, const Item &item, double count, int myId, bool deleted, int sid)
    {
        QVariantList line{num, item.id, count, QString(), myId, deleted ? 1 : 0};
        switch (kind) {
        case Kind::Purchase:
        case Kind::ReturnToSupplier: line << linePrice(item) << sid; break;
        case Kind::Requisition: line << item.price << sid << 0.0; break;
        case Kind::Loan: line << item.price << sid << 0.0 << pick(kLoanDays); break;
        default: line << item.price << sid; break;
        }
        return lineInsert(kind).row(line);
    }

    // A return of loan or requisition lines of one person, up to nine lines at once.
    int writeReturn()
    {
        if (m_open.empty())
            return 1;
        const int person = m_open[size_t(uniform(0, int(m_open.size()) - 1))].person;
        const QString num = number(QStringLiteral("UIn_GH"));
        m_returnHeader.row(headerStart(num, false) + QVariantList{m_persons[size_t(person)].name});
        int written = 0;
        for (size_t i = 0; i < m_open.size() && written < 9;) {
            OpenLine &line = m_open[i];
            if (line.person != person) {
                ++i;
                continue;
            }
            const double count = chance(0.2) && line.outstanding >= 2 ? std::floor(line.outstanding / 2) : line.outstanding;
            ++written;
            const QString source = line.loan ? QStringLiteral("UOut_JC_Bill") : QStringLiteral("UOut_LY_Bill");
            double &returned = m_returned[{source, line.lineId}];
            returned = round4(returned + count);
            book(LedgerKind::LoanReturn, num, line.sid, line.aid, count);
            m_returnLine.row({num, line.aid, count, QString(), written, 0, line.sid, line.lineId, source});
            line.outstanding = round4(line.outstanding - count);
            if (line.outstanding <= 0) {
                line = m_open.back();
                m_open.pop_back();
            } else {
                ++i;
            }
        }
        return written;
    }

    int writeTransfer()
    {
        if (m_storages.size() < 2)
            return 1;
        const Storage &from = pick(m_storages);
        const Storage *to = &pick(m_storages);
        while (to->id == from.id)
            to = &pick(m_storages);
        const QString num = number(QStringLiteral("UDB"));
        int written = 0;
        const int lines = lineCount();
        for (int i = 1; i <= lines; ++i) {
            Item item{};
            double count = 0;
            if (!issuable(from.id, item, count))
                continue;
            if (written == 0)
                m_transferHeader.row(headerStart(num, false) + QVariantList{from.name, to->name});
            ++written;
            book(LedgerKind::TransferOut, num, from.id, item.id, -count);
            book(LedgerKind::TransferIn, num, to->id, item.id, count);
            m_transferLine.row({num, item.id, count, QString(), written, 0, item.price, from.id, to->id});
        }
        return std::max(written, 1);
    }

    void writeReturnedCounts()
    {
        for (const auto &[line, returned] : m_returned)
            runStatement(m_db, QStringLiteral("UPDATE %1 SET GHCount = ? WHERE ID = ?").arg(line.first), {returned, line.second});
    }

    void writeBalances()
    {
        Insert ware(m_db, QStringLiteral("UWare"), {QStringLiteral("AID"), QStringLiteral("SID"), QStringLiteral("WCount")});
        for (const auto &[pair, count] : m_balances)
            ware.row({pair.first, pair.second, count});
    }

    static QString headerTable(Kind kind)
    {
        switch (kind) {
        case Kind::Purchase: return QStringLiteral("UIn_CG");
        case Kind::ReturnToSupplier: return QStringLiteral("UOut_TH");
        case Kind::Requisition: return QStringLiteral("UOut_LY");
        case Kind::Loan: return QStringLiteral("UOut_JC");
        case Kind::WriteOff: return QStringLiteral("UOut_BS");
        case Kind::Surplus: return QStringLiteral("UIn_BY");
        default: return {};
        }
    }

    static QString savedKind(Kind kind)
    {
        switch (kind) {
        case Kind::Purchase: return LedgerKind::PurchaseIn;
        case Kind::ReturnToSupplier: return LedgerKind::ReturnToSupplier;
        case Kind::Requisition: return LedgerKind::Requisition;
        case Kind::Loan: return LedgerKind::Loan;
        case Kind::WriteOff: return LedgerKind::WriteOff;
        default: return LedgerKind::Surplus;
        }
    }

    static QString deletedKind(Kind kind)
    {
        switch (kind) {
        case Kind::Purchase: return LedgerKind::PurchaseDeleted;
        case Kind::ReturnToSupplier: return LedgerKind::ReturnDeleted;
        case Kind::Requisition: return LedgerKind::RequisitionDeleted;
        case Kind::Loan: return LedgerKind::LoanDeleted;
        case Kind::WriteOff: return LedgerKind::WriteOffDeleted;
        default: return LedgerKind::SurplusDeleted;
        }
    }

    Insert &headerInsert(Kind kind) { return m_stockHeaders.at(kind); }
    Insert &lineInsert(Kind kind) { return m_stockLines.at(kind); }

    static QStringList columns(const char *names) { return QString::fromLatin1(names).split(QLatin1Char(',')); }
    Insert header(const char *table, const char *own)
    {
        return Insert(m_db, QString::fromLatin1(table), columns("theNum,theUser,myDate,theBGPro,Remark,theDate,theDel") + columns(own));
    }
    Insert lines(const char *table, const char *own)
    {
        return Insert(m_db, QString::fromLatin1(table), columns("theNum,AID,theCount,Remark,myID,theDel") + columns(own));
    }

    QSqlDatabase m_db;
    LargeDatabaseOptions m_options;
    std::mt19937 m_random;
    // Shares of the documents of an ordinary office, in the order of Kind: mostly
    // purchases and requisitions.
    std::discrete_distribution<int> m_kindShares{15, 25, 3, 25, 12, 14, 7, 3, 2};

    std::vector<Storage> m_storages;
    std::vector<Person> m_persons;
    std::vector<Supplier> m_suppliers;
    std::vector<Item> m_items;

    QString m_date;
    QString m_dayPrefix;
    std::map<QString, int> m_dayCounters;
    std::map<std::pair<int, int>, double> m_balances;
    std::vector<OpenLine> m_open;
    std::map<std::pair<QString, int>, double> m_returned;

    Insert m_ledger{m_db, QStringLiteral("UWList"),
                    columns("theType,theNum,SID,AID,theIn,theOut,theDate,UName,KCCount")};
    Insert m_requestHeader = header("USQ", "theSQPro,DName");
    Insert m_requestLine = lines("USQ_Bill", "APrice,theCG,theLY,theJY");
    Insert m_returnHeader = header("UIn_GH", "theGHPro");
    Insert m_returnLine = lines("UIn_GH_Bill", "SID,JYID,JYT");
    Insert m_transferHeader = header("UDB", "DBName,RKName");
    Insert m_transferLine = lines("UDB_Bill", "thePrice,DBID,RKID");
    std::map<Kind, Insert> m_stockHeaders = [this] {
        std::map<Kind, Insert> inserts;
        inserts.emplace(Kind::Purchase, header("UIn_CG", "theCGPro,MID,SID,SName"));
        inserts.emplace(Kind::ReturnToSupplier, header("UOut_TH", "theTHPro,MID,SID,SName"));
        inserts.emplace(Kind::Requisition, header("UOut_LY", "theLYPro,DName,SName"));
        inserts.emplace(Kind::Loan, header("UOut_JC", "theLYPro,thePZPro,DName,SName"));
        inserts.emplace(Kind::WriteOff, header("UOut_BS", "thePZPro,SName"));
        inserts.emplace(Kind::Surplus, header("UIn_BY", "thePZPro,SName"));
        return inserts;
    }();
    std::map<Kind, Insert> m_stockLines = [this] {
        std::map<Kind, Insert> inserts;
        inserts.emplace(Kind::Purchase, lines("UIn_CG_Bill", "APrice,SID"));
        inserts.emplace(Kind::ReturnToSupplier, lines("UOut_TH_Bill", "APrice,SID"));
        inserts.emplace(Kind::Requisition, lines("UOut_LY_Bill", "thePrice,SID,GHCount"));
        inserts.emplace(Kind::Loan, lines("UOut_JC_Bill", "thePrice,SID,GHCount,theGH"));
        inserts.emplace(Kind::WriteOff, lines("UOut_BS_Bill", "thePrice,SID"));
        inserts.emplace(Kind::Surplus, lines("UIn_BY_Bill", "thePrice,SID"));
        return inserts;
    }();
};

} // namespace

void writeLargeDatabase(const QString &fileName, const LargeDatabaseOptions &options)
{
    createDatabaseFile(fileName);
    const QString connection = QStringLiteral("largedb-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        database.setDatabaseName(fileName);
        if (!database.open())
            throw DatabaseError(database.lastError().text());
        // A file being generated needs no journal: a failed run is written again.
        runStatement(database, QStringLiteral("PRAGMA journal_mode=OFF"));
        runStatement(database, QStringLiteral("PRAGMA synchronous=OFF"));
        database.transaction();
        {
            Generator generator(database, options);
            generator.run();
        }
        if (!database.commit())
            throw DatabaseError(database.lastError().text());
        runStatement(database, QStringLiteral("ANALYZE"));
        database.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

QString ensureLargeDatabase(const QString &fileName, const LargeDatabaseOptions &options)
{
    if (QFileInfo::exists(fileName))
        return fileName;
    // Written under a name of its own and then renamed, so that two benchmark runs
    // starting together never read a half-written file; the loser drops its copy.
    const QString part = fileName + QStringLiteral(".part-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    writeLargeDatabase(part, options);
    if (!QFile::rename(part, fileName))
        QFile::remove(part);
    return fileName;
}

QString benchmarkDatabase()
{
    const LargeDatabaseOptions options;
    return ensureLargeDatabase(QDir::temp().filePath(QStringLiteral("article-large-%1.edb").arg(options.seed)), options);
}
