// The nine columns of a song row and the search-file fields that fill them.
#pragma once

#include <QString>
#include <array>

namespace songs {

inline constexpr int kColumnCount = 9;
inline constexpr int kNameColumn = 0;
inline constexpr int kCodeColumn = 8;

// Search-file field (counted from 1) that fills each column, in column order.
inline constexpr std::array<int, kColumnCount> kFieldOfColumn = {4, 9, 8, 7, 1, 3, 26, 28, 2};
// Fields after this one are never looked at.
inline constexpr int kLastUsedField = 28;

inline constexpr int kSingerColumn = 1;
inline constexpr int kQualityColumn = 6;
inline constexpr int kVersionColumn = 7;

// Column captions in full, as the detail workbook's header row gives them.
inline const std::array<QString, kColumnCount> &columnCaptions()
{
    static const std::array<QString, kColumnCount> captions = {
        QStringLiteral("歌曲名字"), QStringLiteral("歌手名字"), QStringLiteral("歌曲语种"),
        QStringLiteral("歌曲类别"), QStringLiteral("音量衰减"), QStringLiteral("歌曲文件"),
        QStringLiteral("歌曲质量"), QStringLiteral("歌曲版本"), QStringLiteral("歌曲编码")};
    return captions;
}

// Column captions of the song list: its narrow quality and version columns drop the leading "歌曲".
inline const std::array<QString, kColumnCount> &listCaptions()
{
    static const std::array<QString, kColumnCount> captions = [] {
        std::array<QString, kColumnCount> shown = columnCaptions();
        for (const int column : {kQualityColumn, kVersionColumn})
            shown[size_t(column)].remove(0, 2);
        return shown;
    }();
    return captions;
}

// Column widths of the song list; the code column is there for the exports only.
inline constexpr std::array<int, kColumnCount> kColumnWidths = {200, 150, 80, 100, 100, 100, 40, 60, 0};

} // namespace songs
