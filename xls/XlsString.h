// Character encoding of BIFF8 strings: one byte per character when possible, else UTF-16LE.
#pragma once

#include "ByteWriter.h"

#include <QStringView>

namespace xls {

// Excel keeps at most this many UTF-16 code units in a cell.
inline constexpr qsizetype kMaxCellTextLength = 32767;

// The "compressed" form stores each code unit as one byte, so it only fits U+0000..U+00FF.
bool isLatin1(QStringView text);

// Cell text cut to kMaxCellTextLength code units, one shorter if the cut would split a surrogate pair.
QStringView clampCellText(QStringView text);

// Writes the code units without a header: Latin-1 bytes, or UTF-16LE when wide.
void writeChars(char *to, QStringView text, bool wide);

inline qsizetype charBytes(qsizetype units, bool wide) { return wide ? 2 * units : units; }

// cch (u8), flags, characters: the form of font and sheet names.
void writeShortString(ByteWriter &out, QStringView text);

// cch (u16), flags, characters.
void writeString(ByteWriter &out, QStringView text);

} // namespace xls
