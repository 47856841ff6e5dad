#include "documents/LineFill.h"

#include "store/AppContext.h"
#include "ui/Dialogs.h"
#include "ui/LineGrid.h"

int fillFreeLines(LineGrid &grid, int first, bool firstIsTarget, int count,
                  const std::function<void(int line, int record)> &write)
{
    int record = 0;
    int line = firstIsTarget ? first : grid.nextFreeLine(first);
    int last = first - 1;
    for (; record < count && line > 0; ++record) {
        write(line, record);
        last = line;
        line = grid.nextFreeLine(line + 1);
    }
    grid.setCurrent(qMin(last + 1, int(LineGridModel::kLines)), grid.layout().codeColumn);
    return count - record;
}

void reportUnfitted(AppServices &services, QWidget *window, int unfitted)
{
    if (unfitted > 0) {
        services.dialogs.information(
            window, QStringLiteral("单据最多 99 行，有 %1 条物品未能加入！").arg(unfitted), kProgramTitle);
    }
}
