// Matching pinyin initials: one table lookup per character for what it stands for, and the query's
// letters matched all at once, one bit per letter (shift-and), in a single pass over the text.
#include "text/PinyinInitials.h"

#include "text/Fold.h"

#include <QString>

#include <algorithm>
#include <bit>
#include <memory>

namespace text {

namespace {

// What a character stands for: a set of letters (bits 0 to 25) or one digit (bit 26, its value from
// bit 27), or, with kSpecial, one of the kinds below. A token of 0 matches nothing.
using Token = quint32;
constexpr Token kLetters = (1u << 26) - 1;
constexpr Token kDigit = 1u << 26;
constexpr int kDigitShift = 27;
constexpr Token kSpecial = 1u << 31;
constexpr Token kSkip = kSpecial | 0;      // separators, punctuation, symbols
constexpr Token kMark = kSpecial | 1;      // a combining mark: skipped with a skipped character, else 0
constexpr Token kSurrogate = kSpecial | 2; // half of a pair, looked up as the pair
constexpr Token kExpands = kSpecial | 3;   // stands for several tokens: those of expansions[index]
constexpr int kIndexShift = 8;

struct Row {
    char16_t first;
    const char *letters;
};
const Row kRows[] = {
#define KORVIA_INITIALS_ROWS
#include "text/data/PinyinInitials.inc"
#undef KORVIA_INITIALS_ROWS
};
struct Several {
    char16_t character;
    const char *letters;
};
const Several kSeveral[] = {
#define KORVIA_SEVERAL_INITIALS
#include "text/data/PinyinInitials.inc"
#undef KORVIA_SEVERAL_INITIALS
};

Token lettersToken(const char *letters)
{
    Token token = 0;
    for (; *letters; ++letters)
        token |= 1u << (*letters - 'a');
    return token;
}

Token asciiToken(char32_t c)
{
    if (c >= 'a' && c <= 'z')
        return 1u << (c - 'a');
    if (c >= 'A' && c <= 'Z')
        return 1u << (c - 'A');
    if (c >= '0' && c <= '9')
        return kDigit | Token(c - '0') << kDigitShift;
    return 0;
}

struct Tables {
    std::array<Token, 0x10000> tokens{};
    std::vector<std::vector<Token>> expansions;
};

bool isMark(QChar::Category category)
{
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining
        || category == QChar::Mark_Enclosing;
}

// The tokens a character's NFKC form stands for, skipped characters left out.
std::vector<Token> normalisedTokens(const QString &character, const std::array<Token, 0x10000> &readings)
{
    std::vector<Token> tokens;
    const QString normalised = character.normalized(QString::NormalizationForm_KC);
    for (qsizetype k = 0; k < normalised.size(); ++k) {
        char32_t code = normalised[k].unicode();
        if (QChar::isHighSurrogate(code) && k + 1 < normalised.size() && normalised[k + 1].isLowSurrogate())
            code = QChar::surrogateToUcs4(char16_t(code), normalised[++k].unicode());
        if (isDroppedCategory(QChar::category(code)))
            continue;
        Token token = asciiToken(code);
        if (token == 0 && code < 0x10000 && !(readings[code] & kSpecial))
            token = readings[code];
        tokens.push_back(token);
    }
    return tokens;
}

const Tables &tables()
{
    static const std::unique_ptr<Tables> built = [] {
        auto t = std::make_unique<Tables>();
        std::array<Token, 0x10000> &tokens = t->tokens;
        for (const Row &row : kRows) {
            for (int i = 0; row.letters[i]; ++i) {
                const char letter = row.letters[i];
                if (letter >= 'a' && letter <= 'z')
                    tokens[row.first + i] = 1u << (letter - 'a');
            }
        }
        for (const Several &several : kSeveral)
            tokens[several.character] = lettersToken(several.letters);
        // The readings are complete: now what every other character stands for.
        const std::array<Token, 0x10000> readings = tokens;
        for (char32_t c = 0; c < 0x10000; ++c) {
            if (readings[c] != 0)
                continue;
            const QChar::Category category = QChar::category(c);
            if (QChar::isSurrogate(c)) {
                tokens[c] = kSurrogate;
            } else if (isMark(category)) {
                tokens[c] = kMark;
            } else if (c >= 0xAC00 && c <= 0xD7A3) {
                tokens[c] = 0; // a Hangul syllable stays itself under NFKC
            } else if (QChar::decompositionTag(c) != QChar::NoDecomposition) {
                const std::vector<Token> expansion = normalisedTokens(QString(QChar(c)), readings);
                if (expansion.empty()) {
                    tokens[c] = kSkip;
                } else if (expansion.size() == 1) {
                    tokens[c] = expansion.front();
                } else {
                    tokens[c] = kExpands | Token(t->expansions.size()) << kIndexShift;
                    t->expansions.push_back(expansion);
                }
            } else if (isDroppedCategory(category)) {
                tokens[c] = kSkip;
            } else {
                tokens[c] = asciiToken(c);
            }
        }
        return t;
    }();
    return *built;
}

// The query positions a token matches, for a query of one word of positions.
quint64 positionsOf(Token token, const std::array<std::vector<quint64>, 36> &positions, size_t word)
{
    if (token & kDigit)
        return positions[size_t(26 + (token >> kDigitShift))][word];
    quint64 found = 0;
    for (Token letters = token & kLetters; letters != 0; letters &= letters - 1)
        found |= positions[size_t(std::countr_zero(letters))][word];
    return found;
}

// Feeds the tokens of text, skipped ones left out, to step until it returns true.
template <typename Step>
bool anyStep(QStringView text, Step &&step)
{
    const Tables &t = tables();
    bool lastSkipped = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const Token token = t.tokens[text[i].unicode()];
        if (!(token & kSpecial)) {
            lastSkipped = false;
            if (step(token))
                return true;
            continue;
        }
        if (token == kSkip || (token == kMark && lastSkipped)) {
            lastSkipped = true;
            continue;
        }
        lastSkipped = false;
        if (token == kMark) {
            if (step(0))
                return true;
        } else if (token == kSurrogate) {
            // A pair stands for what its NFKC form does (𝐀 for a); an unpaired half for nothing.
            const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
            const std::vector<Token> tokens
                = pair ? normalisedTokens(text.sliced(i, 2).toString(), t.tokens) : std::vector<Token>{0};
            i += pair ? 1 : 0;
            if (tokens.empty())
                lastSkipped = true;
            for (const Token each : tokens) {
                if (step(each))
                    return true;
            }
        } else {
            for (const Token each : t.expansions[token >> kIndexShift & 0xFFFFFF]) {
                if (step(each))
                    return true;
            }
        }
    }
    return false;
}

} // namespace

InitialsQuery::InitialsQuery(QStringView query)
{
    const size_t words = size_t(query.size() + 63) / 64;
    for (std::vector<quint64> &each : m_positions)
        each.assign(words, 0);
    for (qsizetype i = 0; i < query.size(); ++i) {
        const Token token = asciiToken(query[i].unicode());
        if (token == 0)
            return;
        const size_t symbol = (token & kDigit) ? size_t(26 + (token >> kDigitShift)) : size_t(std::countr_zero(token));
        m_positions[symbol][size_t(i / 64)] |= quint64(1) << (i % 64);
    }
    m_length = query.size();
}

bool InitialsQuery::matches(QStringView text) const
{
    if (m_length == 0)
        return false;
    const quint64 last = quint64(1) << ((m_length - 1) % 64);
    if (m_length <= 64) {
        quint64 state = 0;
        return anyStep(text, [&](Token token) {
            state = ((state << 1) | 1) & positionsOf(token, m_positions, 0);
            return (state & last) != 0;
        });
    }
    std::vector<quint64> state(m_positions[0].size(), 0);
    return anyStep(text, [&](Token token) {
        quint64 carry = 1;
        for (size_t word = 0; word < state.size(); ++word) {
            const quint64 next = state[word] >> 63;
            state[word] = ((state[word] << 1) | carry) & positionsOf(token, m_positions, word);
            carry = next;
        }
        return (state.back() & last) != 0;
    });
}

} // namespace text
