#pragma once

#include "ui/AppServices.h"

#include <QDialog>
#include <QHash>
#include <QVariant>

class LookupComboBox;
class QCheckBox;
class QLineEdit;

// The default settings as "默认项设置" saves them into SMRX row 1.
struct DefaultSettingsRow {
    QVariant storage;  // a storage ID; 0 for none
    QString handler, purchaser, approver;
    QString loanDays;  // a whole number of days, as typed
    QString imagePath;
    QHash<QString, bool> flags; // theFKC, theTX, YJMin, YJMax, Z_LY, Z_JY, Z_GH, Z_DB
};

// What is wrong with the row for the user, or empty text when it may be saved.
QString defaultSettingsProblem(const DefaultSettingsRow &row);
// Writes the row; false unless exactly one settings row changed (nothing is kept then).
bool saveDefaultSettings(TfrmDM &dm, const DefaultSettingsRow &row);

// "默认项设置": the storage, persons, stock rule, alerts, loan days, zero-price kinds and
// picture folder that the program starts with. A save ends the program, which reads
// the settings at its next start.
class TfrmMRX : public QDialog {
    Q_OBJECT
public:
    explicit TfrmMRX(AppServices services, QWidget *parent = nullptr);

    // The row the controls describe now.
    DefaultSettingsRow row() const;

public Q_SLOTS:
    void choosePicturePath();
    void save();

private:
    QWidget *buildGroup();
    void load();

    AppServices m_services;
    LookupComboBox *m_storage;
    QVariant m_storageKey; // kept when the list cannot show the saved storage
    QHash<QString, LookupComboBox *> m_persons;
    QHash<QString, QCheckBox *> m_flags;
    QLineEdit *m_loanDays;
    QLineEdit *m_imagePath;
};
