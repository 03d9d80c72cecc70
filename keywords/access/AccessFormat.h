// The layout of a Jet 4 / ACE file as this reader uses it: page size, page kinds and the places of
// the fields it reads. Every offset of the format lives here, once.
#pragma once

#include <QtGlobal>

namespace keywords::access {

inline constexpr int kPageSize = 4096;

// The first byte of a page says what it holds.
namespace pagetype {
inline constexpr quint8 kData = 0x01;
inline constexpr quint8 kTableDef = 0x02;
inline constexpr quint8 kIndexNode = 0x03;
inline constexpr quint8 kIndexLeaf = 0x04;
inline constexpr quint8 kUsageMap = 0x05;
} // namespace pagetype

// The definition of the catalog, table MSysObjects, always lies on this page.
inline constexpr quint32 kCatalogPage = 2;

// A data page: its owner, the row count and the row table, whose entries carry these flags.
namespace data {
inline constexpr qsizetype kOwnerAt = 4;
inline constexpr qsizetype kRowCountAt = 0x0c;
inline constexpr qsizetype kRowTableAt = 0x0e;
inline constexpr quint16 kDeletedFlag = 0x8000;
inline constexpr quint16 kMovedFlag = 0x4000;
inline constexpr quint16 kOffsetMask = 0x1fff;
// The owner of a page of long values: the word "LVAL".
inline constexpr quint32 kLongValueOwner = 0x4c41564c;
// A row takes at least its two-byte entry in the row table.
inline constexpr qint64 kMaxRows = (kPageSize - kRowTableAt) / 2;
// A moved row holds only the pointer to where its data now lies.
inline constexpr qsizetype kPointerSize = 4;
} // namespace data

// A table definition (TDEF pages), counted from the start of its first page.
namespace tdef {
inline constexpr qsizetype kNextPageAt = 4;
inline constexpr qsizetype kPageHeader = 8; // every page of a chain begins with this much header
inline constexpr qsizetype kRowCountAt = 0x10;
inline constexpr qsizetype kColumnCountAt = 0x2d;
inline constexpr qsizetype kRealIndexCountAt = 0x33;
inline constexpr qsizetype kUsageMapAt = 0x37;
inline constexpr qsizetype kRealIndexesAt = 0x3f;
inline constexpr qsizetype kRealIndexSize = 12;
inline constexpr qsizetype kColumnSize = 25;
// A column's fields, from the start of its entry.
inline constexpr qsizetype kColumnNumberAt = 5;
inline constexpr qsizetype kColumnVarIndexAt = 7;
inline constexpr qsizetype kColumnFlagsAt = 15;
inline constexpr qsizetype kColumnFixedOffsetAt = 21;
inline constexpr qsizetype kColumnLengthAt = 23;
inline constexpr quint8 kFixedLengthFlag = 0x01;
} // namespace tdef

// A usage map's row begins with its kind; a map page with a header before its bits.
namespace usage {
inline constexpr quint8 kInline = 0x00;
inline constexpr quint8 kPages = 0x01;
inline constexpr qsizetype kInlineBitmapAt = 5;
inline constexpr qsizetype kMapPageHeader = 4;
} // namespace usage

// The 12-byte reference a row keeps for a long value (Memo, OLE).
namespace longvalue {
inline constexpr qsizetype kReferenceSize = 12;
inline constexpr quint32 kLengthMask = 0x3fffffff;
inline constexpr quint32 kInline = 0x80000000;
inline constexpr quint32 kOneRow = 0x40000000;
inline constexpr qsizetype kNextPointerSize = 4;
} // namespace longvalue

// The catalog's rows: a user table's type, the flags only Access's own tables carry, and the part
// of an object's id that is its definition page.
namespace catalog {
inline constexpr qint64 kLocalTable = 1;
inline constexpr quint32 kSystemFlags = 0x80000002;
inline constexpr quint32 kPageOfId = 0x00ffffff;
} // namespace catalog

} // namespace keywords::access
