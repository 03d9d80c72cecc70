// The workbook's table of distinct cell texts, indexed in order of first use.
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <vector>

namespace xls {

class SharedStrings {
public:
    // Index of the text, added if new. Text past 32,767 code units is cut off first,
    // since Excel holds no longer cell text.
    quint32 add(const QString &text);

    qsizetype size() const { return m_strings.size(); }
    const QList<QString> &strings() const { return m_strings; }

private:
    static quint32 hash(QStringView text);

    // Open addressing over (hash, index + 1) pairs: probing touches one flat array and compares
    // strings only when the hashes agree, which a QHash<QString, ...> could not offer and which
    // is most of the cost of building a large workbook.
    struct Slot {
        quint32 hash;
        quint32 indexPlusOne;  // 0: empty
    };

    void rehash(size_t slotCount);

    std::vector<Slot> m_slots;
    QList<QString> m_strings;
};

} // namespace xls
