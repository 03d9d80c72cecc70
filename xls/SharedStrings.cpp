// The workbook's table of distinct cell texts, indexed in order of first use.
#include "SharedStrings.h"

#include "XlsString.h"

#include <bit>
#include <cstring>

namespace xls {

namespace {

constexpr quint64 kMultiplier = 0x9E3779B97F4A7C15ull;

quint64 mix(quint64 h, quint64 v)
{
    h = (h ^ v) * kMultiplier;
    return h ^ (h >> 29);
}

} // namespace

quint32 SharedStrings::hash(QStringView text)
{
    const char *bytes = reinterpret_cast<const char *>(text.utf16());
    size_t n = size_t(text.size()) * 2;
    quint64 h = mix(0x243F6A8885A308D3ull, n);
    for (; n >= 8; n -= 8, bytes += 8) {
        quint64 v;
        std::memcpy(&v, bytes, 8);
        h = mix(h, v);
    }
    if (n > 0) {
        quint64 v = 0;
        std::memcpy(&v, bytes, n);
        h = mix(h, v);
    }
    h *= kMultiplier;
    return quint32(h >> 32);
}

quint32 SharedStrings::add(const QString &text)
{
    if (text.size() > kMaxCellTextLength)
        return add(clampCellText(text).toString());
    if (2 * (size_t(m_strings.size()) + 1) > m_slots.size())
        rehash(std::max<size_t>(1024, 2 * m_slots.size()));

    const quint32 h = hash(text);
    const size_t mask = m_slots.size() - 1;
    for (size_t i = h & mask;; i = (i + 1) & mask) {
        Slot &slot = m_slots[i];
        if (slot.indexPlusOne == 0) {
            m_strings.append(text);
            slot = {h, quint32(m_strings.size())};
            return slot.indexPlusOne - 1;
        }
        if (slot.hash == h && m_strings[slot.indexPlusOne - 1] == text)
            return slot.indexPlusOne - 1;
    }
}

void SharedStrings::rehash(size_t slotCount)
{
    std::vector<Slot> old(slotCount, Slot{0, 0});
    old.swap(m_slots);
    const size_t mask = slotCount - 1;
    for (const Slot &slot : old) {
        if (slot.indexPlusOne == 0)
            continue;
        size_t i = slot.hash & mask;
        while (m_slots[i].indexPlusOne != 0)
            i = (i + 1) & mask;
        m_slots[i] = slot;
    }
}

} // namespace xls
