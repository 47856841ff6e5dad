#pragma once

#include <QString>

class TfrmDM;

// The code proposed for a new item: NewNum("UArticle"), or when an item already has that
// code (the day's count drops after an item is deleted), the next free counter of the
// login day.
QString newArticleCode(TfrmDM &dm);
