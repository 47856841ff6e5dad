#pragma once

#include "queries/QueryKinds.h"
#include "ui/AppServices.h"

#include <optional>

class TfrmDM;

// Taking saved documents back. A line delete marks the line, reverses its effect on the
// balance and writes the kind's ledger row(s) under the line's own document number; a
// document can be marked deleted only when none of its lines is live any more. Each runs
// in one transaction; the row is read inside it, so a row already deleted is left alone.
// The result is a refusal to show the user, or nothing.

// The number of live lines of document `number`, as the database holds them.
int liveLineCount(TfrmDM &dm, const QueryKind &kind, const QString &number);

// The message of a requisition or loan line that cannot be deleted: part of it was
// returned, and putting the whole count back would count the returned goods twice.
inline const QString kReturnedLineRefusal = QStringLiteral("当前选中明细 已有归还数量，不能删除！");

std::optional<QString> deleteLine(AppServices &services, const QueryKind &kind, int lineId);
std::optional<QString> deleteDocument(AppServices &services, const QueryKind &kind, const QString &number);
