#pragma once

#include "store/LookupModel.h"

#include <QComboBox>
#include <memory>

// A drop-down list over a LookupModel: shows the model's shown column and holds the
// key of the chosen row (a storage's ID, otherwise the name itself).
class LookupComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit LookupComboBox(QWidget *parent = nullptr);

    // Takes the rows of a data-module lookup; nothing is chosen afterwards.
    void setLookup(std::unique_ptr<LookupModel> model);
    LookupModel *lookup() const { return m_model; }

    // The key of the chosen row; invalid when nothing is chosen.
    QVariant keyValue() const;
    // Chooses the row with this key; chooses nothing when no row has it.
    void setKeyValue(const QVariant &key);

private:
    LookupModel *m_model = nullptr;
};
