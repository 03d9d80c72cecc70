#!/usr/bin/env python3
"""Prints every sheet of an .xls file as xlrd reads it: the sheet name, then each row's texts and
each cell's number format, one row a line. usage: xls-rows.py FILE.xls"""
import sys

import xlrd

book = xlrd.open_workbook(sys.argv[1], formatting_info=True)
for sheet in book.sheets():
    print(f"== {sheet.name}")
    for row in range(sheet.nrows):
        cells = sheet.row(row)
        formats = {book.format_map[book.xf_list[cell.xf_index].format_key].format_str for cell in cells}
        print("\t".join(str(cell.value) for cell in cells), sorted(formats))
