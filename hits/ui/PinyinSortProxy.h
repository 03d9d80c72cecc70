// A list sorted by a column header click: texts in pinyin order, as the keyword list shows them.
#pragma once

#include "text/PinyinOrder.h"

#include <QSortFilterProxyModel>

namespace hits {

class PinyinSortProxy : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override
    {
        return m_collator.compare(left.data().toString(), right.data().toString()) < 0;
    }

private:
    QCollator m_collator = text::pinyinCollator();
};

} // namespace hits
