#!/usr/bin/env python3
"""Writes the workbook bench's songs with Python's XlsxWriter in constant_memory mode: the same header,
the same cells, every cell Text, 1,048,575 songs a sheet. usage: xlsxwriter_cells.py COUNT FILE.xlsx"""
import sys

import xlsxwriter

HEADER = ["歌曲名字", "歌手名字", "歌曲语种", "歌曲类别", "音量衰减", "歌曲文件", "歌曲质量", "歌曲版本", "歌曲编码"]
NAMES = ["月亮代表我的心", "東方之珠", "青花瓷"]


def main(count, path):
    book = xlsxwriter.Workbook(path, {"constant_memory": True})
    text = book.add_format({"num_format": "@"})
    sheet, row = None, 0
    for i in range(int(count)):
        if sheet is None or row > 1048575:
            sheet, row = book.add_worksheet(), 1
            sheet.write_row(0, 0, HEADER, text)
        code = "%08d" % (10000 + i)
        sheet.write_row(row, 0, [NAMES[i % 3] + str(i % 5000), "邓丽君", "国语", "流行", "0", code + ".mpg", "HD",
                                 "MTV", code], text)
        row += 1
    if sheet is None:
        book.add_worksheet().write_row(0, 0, HEADER, text)
    book.close()


if __name__ == "__main__":
    main(*sys.argv[1:])
