#!/usr/bin/python3
"""Reads Sheet1 of an .xlsx file with openpyxl, an outside reader, and prints what the
export tests check as JSON: every row's values (strings as strings, numbers as numbers),
the merged ranges, the orientation and the centre footer.

Usage: read_sheet.py FILE.xlsx
"""
import json
import sys

import openpyxl

sheet = openpyxl.load_workbook(sys.argv[1])['Sheet1']
print(json.dumps({
    'rows': [[c.value for c in row] for row in sheet.iter_rows()],
    'merges': sorted(str(r) for r in sheet.merged_cells.ranges),
    'landscape': sheet.page_setup.orientation == 'landscape',
    'footer': sheet.oddFooter.center.text,
}, ensure_ascii=False))
