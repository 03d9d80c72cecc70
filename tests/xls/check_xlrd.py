"""Opens an .xls file with xlrd and compares every cell with the expected texts, each with format "@".

usage: /usr/bin/python3 check_xlrd.py FILE.xls EXPECTED.json   (expected: sheets of rows of texts)
"""
import json
import sys

import xlrd


def main(path, expected_path):
    with open(expected_path, encoding="utf-8") as f:
        expected = json.load(f)
    book = xlrd.open_workbook(path, formatting_info=True)
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
                fmt = book.format_map[book.xf_list[cell.xf_index].format_key].format_str
                if cell.ctype != kind or cell.value != want or fmt != "@":
                    errors.append(f"sheet {n} row {r} col {c}: {cell.ctype} {cell.value[:40]!r} {fmt!r}, expected {want[:40]!r}")
                cells += 1
    for e in errors[:20]:
        print(e)
    print(f"{cells} cells, {len(errors)} wrong")
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
