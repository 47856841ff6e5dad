#pragma once

#include "ui/AppServices.h"

#include <QDialog>

// "关于": the program's name, version and edition, and a link to the maker's home page.
class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(AppServices services, QWidget *parent = nullptr);
};
