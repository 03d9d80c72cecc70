#!/usr/bin/env python3
"""Writes the workbook bench's songs with Python's xlwt: the same header, the same cells, every cell
Text, on one sheet (up to 65,535 songs). usage: xlwt_cells.py COUNT FILE.xls"""
import sys

import xlwt

HEADER = ["歌曲名字", "歌手名字", "歌曲语种", "歌曲类别", "音量衰减", "歌曲文件", "歌曲质量", "歌曲版本", "歌曲编码"]
NAMES = ["月亮代表我的心", "東方之珠", "青花瓷"]


def main(count, path):
    book = xlwt.Workbook(encoding="utf-8")
    text = xlwt.easyxf(num_format_str="@")
    sheet = book.add_sheet("Sheet1")
    for column, caption in enumerate(HEADER):
        sheet.write(0, column, caption, text)
    for i in range(int(count)):
        code = "%08d" % (10000 + i)
        cells = [NAMES[i % 3] + str(i % 5000), "邓丽君", "国语", "流行", "0", code + ".mpg", "HD", "MTV", code]
        row = sheet.row(i + 1)
        for column, cell in enumerate(cells):
            row.write(column, cell, text)
    book.save(path)


if __name__ == "__main__":
    main(*sys.argv[1:])
