// Folding: one table lookup per character for the characters normalisation leaves alone, which are
// nearly all a song name holds, and normalisation of the rest a piece at a time.
#include "text/Fold.h"

#include <array>
#include <memory>

namespace text {

namespace {

// What folding does with a character of the Basic Multilingual Plane standing on its own.
enum class Kind : quint8 {
    Keep,
    Map, // becomes the character in target
    Drop,
    Normalise, // its normal form is several characters, or it joins the character before it
};

struct Entry {
    Kind kind = Kind::Keep;
    // Normalisation may join it with the character before it or reorder the two: a combining mark,
    // a Hangul vowel or final jamo, a character decomposing into one of those, half of a surrogate
    // pair. Every other character starts a piece that normalises on its own.
    bool joinsPrevious = false;
    char16_t target = 0;
};

const char16_t kTraditionalToSimplified[] =
#include "text/data/TraditionalToSimplified.inc"
    ;

bool isMark(QChar::Category category)
{
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining
        || category == QChar::Mark_Enclosing;
}

bool joinsPrevious(char16_t c)
{
    return QChar::isSurrogate(c) || QChar::combiningClass(c) != 0 || isMark(QChar::category(c))
        || (c >= 0x1161 && c <= 0x1175) || (c >= 0x11A8 && c <= 0x11C2);
}

using Table = std::array<Entry, 0x10000>;

const Table &table()
{
    static const std::unique_ptr<Table> built = [] {
        std::array<char16_t, 0x10000> simplified;
        for (char32_t c = 0; c < 0x10000; ++c)
            simplified[c] = c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : char16_t(c);
        for (size_t i = 0; i + 1 < std::size(kTraditionalToSimplified); i += 2)
            simplified[kTraditionalToSimplified[i]] = kTraditionalToSimplified[i + 1];

        auto entries = std::make_unique<Table>();
        for (char32_t c = 0; c < 0x10000; ++c) {
            Entry &entry = (*entries)[c];
            QString normal{QChar(char16_t(c))};
            // Hangul syllables decompose into jamo and compose back: each stays as it is.
            const bool hangulSyllable = c >= 0xAC00 && c <= 0xD7A3;
            if (!hangulSyllable && QChar::decompositionTag(c) != QChar::NoDecomposition) {
                entry.joinsPrevious = joinsPrevious(QString(normal).normalized(QString::NormalizationForm_KD)[0].unicode());
                normal = normal.normalized(QString::NormalizationForm_KC);
            }
            entry.joinsPrevious = entry.joinsPrevious || joinsPrevious(char16_t(c));
            if (entry.joinsPrevious || normal.size() != 1) {
                entry.kind = Kind::Normalise;
            } else if (isDroppedCategory(QChar::category(normal[0].unicode()))) {
                entry.kind = Kind::Drop;
            } else {
                entry.target = simplified[normal[0].unicode()];
                entry.kind = entry.target == c ? Kind::Keep : Kind::Map;
            }
        }
        return entries;
    }();
    return *built;
}

// Calls output(unit, source) for each UTF-16 unit of the fold of text, source being the piece of text
// it came from, until output returns false. The fold of the whole is that of its pieces, each a
// character and the run after it of characters that join it.
template <typename Output>
void foldEach(QStringView text, Output &&output)
{
    const Table &entries = table();
    const qsizetype size = text.size();
    bool lastDropped = false; // a combining mark after a dropped character goes with it
    qsizetype i = 0;
    while (i < size) {
        const Entry entry = entries[text[i].unicode()];
        qsizetype end = i + 1;
        while (end < size && entries[text[end].unicode()].joinsPrevious)
            ++end;
        if (end == i + 1 && entry.kind != Kind::Normalise) {
            lastDropped = entry.kind == Kind::Drop;
            if (entry.kind != Kind::Drop)
                if (!output(entry.kind == Kind::Map ? entry.target : text[i].unicode(), Span{i, 1}))
                    return;
            i = end;
            continue;
        }
        const QString normalised = text.sliced(i, end - i).toString().normalized(QString::NormalizationForm_KC);
        const Span source{i, end - i};
        for (qsizetype k = 0; k < normalised.size();) {
            const char16_t unit = normalised[k].unicode();
            const bool pair = QChar::isHighSurrogate(unit) && k + 1 < normalised.size()
                && normalised[k + 1].isLowSurrogate();
            const char32_t code = pair ? QChar::surrogateToUcs4(unit, normalised[k + 1].unicode()) : unit;
            const QChar::Category category = QChar::category(code);
            const qsizetype width = pair ? 2 : 1;
            bool kept = true;
            if (isMark(category)) {
                kept = !lastDropped;
            } else {
                lastDropped = isDroppedCategory(category);
                kept = !lastDropped;
            }
            if (kept && pair) {
                if (!output(unit, source) || !output(normalised[k + 1].unicode(), source))
                    return;
            } else if (kept) {
                const Entry mapped = entries[unit];
                if (!output(mapped.kind == Kind::Map ? mapped.target : unit, source))
                    return;
            }
            k += width;
        }
        i = end;
    }
}

// The index of the first character folding changes, or the size when it changes none.
qsizetype firstChange(QStringView text)
{
    const Table &entries = table();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (entries[text[i].unicode()].kind != Kind::Keep)
            return i;
    }
    return text.size();
}

} // namespace

bool isDroppedCategory(QChar::Category category)
{
    switch (category) {
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Punctuation_Connector:
    case QChar::Punctuation_Dash:
    case QChar::Punctuation_Open:
    case QChar::Punctuation_Close:
    case QChar::Punctuation_InitialQuote:
    case QChar::Punctuation_FinalQuote:
    case QChar::Punctuation_Other:
    case QChar::Symbol_Math:
    case QChar::Symbol_Currency:
    case QChar::Symbol_Modifier:
    case QChar::Symbol_Other:
    case QChar::Other_Control:
    case QChar::Other_Format:
        return true;
    default:
        return false;
    }
}

FoldSearch::FoldSearch(const QString &folded) : m_folded(folded), m_mayGiveFirst(0x10000 / 64, 0)
{
    if (m_folded.isEmpty())
        return;
    const char16_t first = m_folded[0].unicode();
    const Table &entries = table();
    for (char32_t c = 0; c < 0x10000; ++c) {
        const Entry entry = entries[c];
        // A character that normalises with its neighbours may give any character.
        const bool may = entry.kind == Kind::Normalise || entry.joinsPrevious
            || (entry.kind == Kind::Keep && c == first) || (entry.kind == Kind::Map && entry.target == first);
        if (may)
            m_mayGiveFirst[c / 64] |= quint64(1) << (c % 64);
    }
}

bool FoldSearch::mayHoldFirst(QStringView text) const
{
    for (const QChar each : text) {
        const char16_t c = each.unicode();
        if (m_mayGiveFirst[c / 64] & (quint64(1) << (c % 64)))
            return true;
    }
    return false;
}

bool FoldSearch::foundIn(QStringView text, QString &scratch) const
{
    return !m_folded.isEmpty() && mayHoldFirst(text) && fold(text, scratch).contains(m_folded);
}

QStringView fold(QStringView text, QString &scratch)
{
    qsizetype unchanged = firstChange(text);
    if (unchanged == text.size())
        return text;
    // The character before a change that needs normalising belongs to its piece.
    if (unchanged > 0 && table()[text[unchanged].unicode()].joinsPrevious)
        --unchanged;
    scratch.resize(0);
    scratch.reserve(text.size());
    scratch.append(text.first(unchanged));
    foldEach(text.sliced(unchanged), [&scratch](char16_t unit, Span) {
        scratch.append(QChar(unit));
        return true;
    });
    // Normalisation may have left every character as it was (é, Korean syllables).
    return QStringView(scratch) == text ? text : QStringView(scratch);
}

QString fold(const QString &text)
{
    QString scratch;
    const QStringView folded = fold(QStringView(text), scratch);
    return folded.data() == text.constData() ? text : scratch;
}

FoldedWithSource foldWithSource(QStringView text)
{
    FoldedWithSource folded;
    folded.text.reserve(text.size());
    folded.sources.reserve(size_t(text.size()));
    foldEach(text, [&folded](char16_t unit, Span source) {
        folded.text.append(QChar(unit));
        folded.sources.push_back(source);
        return true;
    });
    return folded;
}

Span FoldedWithSource::sourceOf(qsizetype start, qsizetype length) const
{
    if (start < 0 || length <= 0 || start + length > qsizetype(sources.size()))
        return {};
    const Span first = sources[size_t(start)];
    const Span last = sources[size_t(start + length - 1)];
    return {first.start, last.start + last.length - first.start};
}

Span sourceOf(QStringView text, qsizetype foldedStart, qsizetype foldedLength)
{
    if (foldedStart < 0 || foldedLength <= 0)
        return {};
    const qsizetype last = foldedStart + foldedLength - 1;
    qsizetype index = 0;
    Span first;
    Span span;
    foldEach(text, [&](char16_t, Span source) {
        if (index == foldedStart)
            first = source;
        if (index == last)
            span = {first.start, source.start + source.length - first.start};
        return ++index <= last;
    });
    return span;
}

} // namespace text
