#pragma once

#include "ui/MaintenanceWindow.h"

#include <functional>

class QMenu;

// "物品管理": the item maintenance window, with the pop-up of the item grid that opens
// the accessories, warning settings, pictures and files of the current item.
class TfrmArticle_M : public MaintenanceWindow {
    Q_OBJECT
public:
    explicit TfrmArticle_M(AppServices services, QWidget *parent = nullptr);

    QMenu *popupMenu() const { return m_menu; }

private:
    // Adds a pop-up entry that runs `action` on the current item, when there is one.
    void addItemAction(const QString &caption, const char *name, std::function<void(int articleId)> action);

    AppServices m_services;
    QMenu *m_menu;
};
