#pragma once

#include "store/ArticleCondition.h"
#include "ui/AppServices.h"

#include <QString>

class QWidget;

// What the item pop-up menus of the item window, the item query and the stock list do
// for the item with ID `articleId`; each reads the item's code and name itself and
// opens its modal dialog over `parent`. After showAccessories, showPictureManager and
// showFileUpload return, the caller refreshes its list when it shows FJCount.

// code + " " + name of the item; empty when it does not exist.
QString itemCaption(TfrmDM &dm, int articleId);
// The item's picture file P.
QString itemPicture(const AppServices &services, int articleId);

void showAccessories(AppServices &services, QWidget *parent, int articleId);    // "附件管理"
void showPictureManager(AppServices &services, QWidget *parent, int articleId); // "图片管理"
void showPictureViewer(AppServices &services, QWidget *parent, int articleId);  // "查看图片"
void showPictureList(AppServices &services, QWidget *parent, const ArticleCondition &condition); // "图片列表"
void showFileUpload(AppServices &services, QWidget *parent, int articleId);     // "文件上传"
// "文件下载": the download dialog, or code + " " + name + " 没有上传文件！".
void showFileDownload(AppServices &services, QWidget *parent, int articleId);
