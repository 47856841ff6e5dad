#pragma once

#include "ui/AppServices.h"

#include <QDialog>
#include <optional>

class QLineEdit;

// The three dialogs that correct one saved row: a group box titled with the caption, one
// box preset with the old value, "保存" and "退出". "保存" applies the change through
// LineCorrections; a refusal is shown and the dialog stays open, success closes it as
// accepted so the caller reloads its list.
class LineEditDialog : public QDialog {
    Q_OBJECT
public:
    QLineEdit *box() const { return m_box; }

public Q_SLOTS:
    void save(); // 保存

protected:
    enum class Input { Number, Text };
    LineEditDialog(AppServices services, const QString &caption, const QString &label,
                   const QString &preset, Input input, QWidget *parent);
    virtual std::optional<QString> apply(const QString &typed) = 0;

    AppServices m_services;

private:
    QLineEdit *m_box;
};

// Count of a line ("UIn_CG_Bill", "UOut_TH_Bill", "UOut_LY_Bill", "UOut_JC_Bill",
// "USQ_Bill", by line ID) or of a balance ("UWare", by its ID). The item, storage and
// document number are read from the row itself when the change is saved.
class TfrmMCount : public LineEditDialog {
    Q_OBJECT
public:
    TfrmMCount(AppServices services, const QString &caption, const QString &table, int rowId,
               const QString &oldCount, QWidget *parent = nullptr);

protected:
    std::optional<QString> apply(const QString &typed) override;

private:
    QString m_table;
    int m_rowId;
};

// Unit price of a purchase-in or return-to-supplier line.
class TfrmMPrice : public LineEditDialog {
    Q_OBJECT
public:
    TfrmMPrice(AppServices services, const QString &caption, const QString &table, int lineId,
               const QString &oldPrice, QWidget *parent = nullptr);

protected:
    std::optional<QString> apply(const QString &typed) override;

private:
    QString m_table;
    int m_lineId;
};

// Remark of a line, at most 50 characters.
class TfrmMRemark : public LineEditDialog {
    Q_OBJECT
public:
    TfrmMRemark(AppServices services, const QString &caption, const QString &table, int lineId,
                const QString &oldRemark, QWidget *parent = nullptr);

protected:
    std::optional<QString> apply(const QString &typed) override;

private:
    QString m_table;
    int m_lineId;
};
