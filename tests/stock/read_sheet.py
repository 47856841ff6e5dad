#!/usr/bin/python3
"""Prints Sheet1 of an .xlsx file as openpyxl reads it, as JSON: the rows of values
(strings stay strings, numbers stay numbers), the merged ranges, the column widths set
and whether the pages are landscape.

Usage: read_sheet.py FILE.xlsx
"""
import json
import sys

import openpyxl
from openpyxl.utils import get_column_letter

sheet = openpyxl.load_workbook(sys.argv[1])['Sheet1']
rows = [[cell.value for cell in row] for row in sheet.iter_rows()]
widths = {}
for column in range(1, sheet.max_column + 1):
    dimension = sheet.column_dimensions.get(get_column_letter(column))
    if dimension is not None and dimension.customWidth:
        widths[column] = dimension.width
json.dump({'rows': rows,
           'merges': sorted(str(r) for r in sheet.merged_cells.ranges),
           'widths': widths,
           'landscape': sheet.page_setup.orientation == 'landscape',
           'bold_a1': bool(sheet['A1'].font.b)}, sys.stdout, ensure_ascii=False)
