#include "ui/LookupComboBox.h"

LookupComboBox::LookupComboBox(QWidget *parent) : QComboBox(parent) {}

void LookupComboBox::setLookup(std::unique_ptr<LookupModel> model)
{
    LookupModel *old = m_model;
    m_model = model.release();
    m_model->setParent(this);
    setModel(m_model);
    setModelColumn(m_model->shownColumn());
    setCurrentIndex(-1);
    delete old;
}

QVariant LookupComboBox::keyValue() const
{
    if (!m_model || currentIndex() < 0)
        return {};
    return m_model->keyAt(currentIndex());
}

void LookupComboBox::setKeyValue(const QVariant &key)
{
    setCurrentIndex(m_model ? m_model->rowOfKey(key) : -1);
}
