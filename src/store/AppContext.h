#pragma once

#include <QString>
#include <QStringList>

// The program's own title: window captions, the application name, message captions.
inline const QString kProgramTitle = QStringLiteral("朔禾物品管理软件");
// The maker's web address: "朔禾网站 &W", the About box and the footer of exported sheets.
inline const QString kMakerWebAddress = QStringLiteral("www.shuohe.example.com");
inline const QString kMakerHomePage = QStringLiteral("https://") + kMakerWebAddress + QLatin1Char('/');

// The program-wide state: who is logged in, what they may do, which storages they see,
// the login date, the default settings and the program's folders. One instance lives
// for the whole run and is handed to every window.
struct AppContext {
    // Set when the main window is created.
    QString AppDir;      // folder of the executable, with trailing "/"
    QString Edition;     // "单机版"
    QString AppVersion;  // "5.9.0.6"

    // Set at login.
    QString CurUserName;
    QString CurUserPass;
    QString LoginDate;   // "yyyy-MM-dd"
    QString CurUserID;
    QString RightModify; // "是" or "否"
    QString RightDelete;
    QString RightExport;
    QStringList UserStorages; // names of the storages the user may work with

    // The default settings, loaded at the first showing of the main window.
    QString DefaultStorage;   // a storage ID as text
    QString DefaultHandler;
    QString DefaultPurchaser;
    QString DefaultApprover;
    bool AllowNegativeStock = false;
    bool RemindOverdueLoans = false;
    QString LoanDays;
    bool WarnBelowMin = false;
    bool WarnAboveMax = false;
    bool ZeroPriceLY = false;
    bool ZeroPriceJY = false;
    bool ZeroPriceGH = false;
    bool ZeroPriceDB = false;
    QString ImageDir;         // no trailing "/"
    QString OrgName;

    // The storage names joined by "','", the form statements put inside IN ('…').
    // Statements bind UserStorages instead; this text is what the user sees described.
    QString UserStorageList() const { return UserStorages.join(QStringLiteral("','")); }
};

// A right guards an action: it is allowed unless the right's value is exactly "否".
inline bool rightAllows(const QString &right)
{
    return right != QStringLiteral("否");
}
