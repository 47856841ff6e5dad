#include "queries/TfrmSQ_Q.h"

#include "documents/TfrmIN_CG.h"
#include "documents/TfrmOut_JC.h"
#include "documents/TfrmOut_LY.h"
#include "store/AppContext.h"
#include "store/TfrmDM.h"
#include "ui/Dialogs.h"

#include <QAction>
#include <QDialog>
#include <memory>

// One target of a conversion: the main menu item that grants it, the request line's
// counter, the warning and the document window.
struct TfrmSQ_Q::Conversion {
    const char *menuItem;
    const char *counter;
    QString warning;
    std::function<std::unique_ptr<QDialog>(AppServices, const QString &, QWidget *)> window;
};

namespace {

template <typename Window>
std::unique_ptr<QDialog> documentWindow(AppServices services, const QString &request, QWidget *parent)
{
    return std::make_unique<Window>(services, request, parent);
}

} // namespace

TfrmSQ_Q::TfrmSQ_Q(AppServices services, MenuVisible menuVisible, QWidget *parent)
    : QueryWindow(services, queryKind(QStringLiteral("TfrmSQ_Q")), parent), m_menuVisible(std::move(menuVisible))
{
    const QList<QAction *> commands = addDocumentCommands({{QStringLiteral("申请单转采购单 &C"), "C1"},
                                                           {QStringLiteral("申请单转领用单 &L"), "N3"},
                                                           {QStringLiteral("申请单转借用单 &J"), "J1"}});
    connect(commands[0], &QAction::triggered, this, &TfrmSQ_Q::C1Click);
    connect(commands[1], &QAction::triggered, this, &TfrmSQ_Q::N3Click);
    connect(commands[2], &QAction::triggered, this, &TfrmSQ_Q::J1Click);
}

bool requestConverted(TfrmDM &dm, const QString &number, const QString &counter)
{
    return dm.myRetCount(QStringLiteral("SELECT ID FROM USQ_Bill WHERE theNum = ? AND theDel = 0 AND %1 > 0 LIMIT 1")
                             .arg(counter),
                         {number}) > 0;
}

void TfrmSQ_Q::C1Click()
{
    convert({"N11", "theCG", QStringLiteral(" 已转采购单！"), documentWindow<TfrmIN_CG>});
}

void TfrmSQ_Q::N3Click()
{
    convert({"N21", "theLY", QStringLiteral(" 已转领用单！"), documentWindow<TfrmOut_LY>});
}

void TfrmSQ_Q::J1Click()
{
    convert({"N22", "theJY", QStringLiteral(" 已转借用单！"), documentWindow<TfrmOut_JC>});
}

void TfrmSQ_Q::convert(const Conversion &conversion)
{
    const QString number = selectedNumber();
    if (number.isEmpty() || !m_menuVisible(QLatin1String(conversion.menuItem)))
        return;
    if (requestConverted(m_services.dm, number, QLatin1String(conversion.counter)))
        m_services.dialogs.information(this, QStringLiteral("申请单 ") + number + conversion.warning, kProgramTitle);
    conversion.window(m_services, number, this)->exec();
}
