#!/usr/bin/env python3
"""Reads an .xls file with xlrd.

usage: xls-rows.py FILE.xls
    prints every sheet: the sheet name, then each row's texts and its cells' number formats, one row a line
usage: xls-rows.py FILE.xls EXPECTED.json
    compares every cell with the expected texts (sheets of rows of texts, named Sheet1, Sheet2, ...),
    each cell a text with the format "@", or blank where the text is empty; exits 1 on a difference
"""
import json
import sys

import xlrd


def cell_format(book, cell):
    return book.format_map[book.xf_list[cell.xf_index].format_key].format_str


def print_rows(book):
    for sheet in book.sheets():
        print(f"== {sheet.name}")
        for row in range(sheet.nrows):
            cells = sheet.row(row)
            formats = {cell_format(book, cell) for cell in cells}
            print("\t".join(str(cell.value) for cell in cells), sorted(formats))
    return 0


def check_rows(book, expected):
    errors = []
    if book.nsheets != len(expected):
        errors.append(f"{book.nsheets} sheets, expected {len(expected)}")
    cells = 0
    for n, (sheet, rows) in enumerate(zip(book.sheets(), expected)):
        if sheet.name != f"Sheet{n + 1}" or sheet.nrows != len(rows):
            errors.append(f"sheet {n}: {sheet.name!r} with {sheet.nrows} rows, expected {len(rows)}")
            continue
        for r, row in enumerate(rows):
            for c, want in enumerate(row):
                cell = sheet.cell(r, c)
                kind = xlrd.XL_CELL_TEXT if want else xlrd.XL_CELL_BLANK
                fmt = cell_format(book, cell)
                if cell.ctype != kind or cell.value != want or fmt != "@":
                    errors.append(f"sheet {n} row {r} col {c}: {cell.ctype} {cell.value[:40]!r} {fmt!r}, expected {want[:40]!r}")
                cells += 1
    for e in errors[:20]:
        print(e)
    print(f"{cells} cells, {len(errors)} wrong")
    return 1 if errors else 0


def main(path, expected_path=None):
    book = xlrd.open_workbook(path, formatting_info=True)
    if expected_path is None:
        return print_rows(book)
    with open(expected_path, encoding="utf-8") as f:
        return check_rows(book, json.load(f))


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
