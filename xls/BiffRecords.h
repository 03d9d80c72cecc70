// Record identifiers and fixed values of the BIFF8 records this writer emits.
#pragma once

#include <QtGlobal>

namespace xls::biff {

inline constexpr quint16 kBof = 0x0809;
inline constexpr quint16 kEof = 0x000A;
inline constexpr quint16 kContinue = 0x003C;

// Globals substream.
inline constexpr quint16 kInterfaceHdr = 0x00E1;
inline constexpr quint16 kMms = 0x00C1;
inline constexpr quint16 kInterfaceEnd = 0x00E2;
inline constexpr quint16 kWriteAccess = 0x005C;
inline constexpr quint16 kCodePage = 0x0042;
inline constexpr quint16 kDsf = 0x0161;
inline constexpr quint16 kTabId = 0x013D;
inline constexpr quint16 kFnGroupCount = 0x009C;
inline constexpr quint16 kWindowProtect = 0x0019;
inline constexpr quint16 kProtect = 0x0012;
inline constexpr quint16 kPassword = 0x0013;
inline constexpr quint16 kProt4Rev = 0x01AF;
inline constexpr quint16 kProt4RevPass = 0x01BC;
inline constexpr quint16 kBackup = 0x0040;
inline constexpr quint16 kHideObj = 0x008D;
inline constexpr quint16 kWindow1 = 0x003D;
inline constexpr quint16 kDateMode = 0x0022;
inline constexpr quint16 kPrecision = 0x000E;
inline constexpr quint16 kRefreshAll = 0x01B7;
inline constexpr quint16 kBookBool = 0x00DA;
inline constexpr quint16 kFont = 0x0031;
inline constexpr quint16 kXf = 0x00E0;
inline constexpr quint16 kStyle = 0x0293;
inline constexpr quint16 kUsesElfs = 0x0160;
inline constexpr quint16 kBoundSheet = 0x0085;
inline constexpr quint16 kCountry = 0x008C;
inline constexpr quint16 kSst = 0x00FC;
inline constexpr quint16 kExtSst = 0x00FF;

// Worksheet substream.
inline constexpr quint16 kCalcMode = 0x000D;
inline constexpr quint16 kCalcCount = 0x000C;
inline constexpr quint16 kRefMode = 0x000F;
inline constexpr quint16 kIteration = 0x0011;
inline constexpr quint16 kDelta = 0x0010;
inline constexpr quint16 kSaveRecalc = 0x005F;
inline constexpr quint16 kPrintHeaders = 0x002A;
inline constexpr quint16 kPrintGridlines = 0x002B;
inline constexpr quint16 kGridSet = 0x0082;
inline constexpr quint16 kGuts = 0x0080;
inline constexpr quint16 kDefaultRowHeight = 0x0225;
inline constexpr quint16 kWsBool = 0x0081;
inline constexpr quint16 kDefColWidth = 0x0055;
inline constexpr quint16 kDimensions = 0x0200;
inline constexpr quint16 kRow = 0x0208;
inline constexpr quint16 kLabelSst = 0x00FD;
inline constexpr quint16 kBlank = 0x0201;
inline constexpr quint16 kWindow2 = 0x023E;

inline constexpr quint16 kBiff8Version = 0x0600;
inline constexpr quint16 kBofGlobals = 0x0005;
inline constexpr quint16 kBofWorksheet = 0x0010;
inline constexpr quint16 kUtf16CodePage = 1200;

// XF 16 is ours, carrying the built-in Text format "@" (index 49); XF 15 is the default cell format.
inline constexpr quint16 kTextXf = 16;
inline constexpr quint16 kTextNumberFormat = 49;

inline constexpr qsizetype kRowSize = 4 + 16;
inline constexpr qsizetype kLabelSstSize = 4 + 10;
inline constexpr qsizetype kBlankSize = 4 + 6;

} // namespace xls::biff
