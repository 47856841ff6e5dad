#!/usr/bin/python3
"""Reads the workbooks of write_sample_sheets with openpyxl, an outside reader, and
checks the layouts: title, merges, fonts, borders, text and number cells, totals row,
widths, landscape and footer; the movement record with its empty sections.

Usage: check_export.py WRITE_SAMPLE_SHEETS_PROGRAM
"""
import subprocess
import sys
import tempfile

import openpyxl
from openpyxl.cell.cell import MergedCell

ORG = '晴川朔禾信息科技有限公司'
FOOTER = '朔禾物品管理软件 www.shuohe.example.com 共&N页，第&P页'
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def cells(sheet, area):
    return [cell for row in sheet[area] for cell in row]


def is_thin_box(cell):
    b = cell.border
    return all(side.style == 'thin' for side in (b.left, b.right, b.top, b.bottom))


def check_titled(path):
    sheet = openpyxl.load_workbook(path)['Sheet1']
    title = sheet['A1']
    check(title.value == ORG + '报损物品一览表', 'titled: title text %r' % title.value)
    check([str(r) for r in sheet.merged_cells.ranges] == ['A1:E1'], 'titled: merges')
    check(title.font.name == '宋体' and title.font.sz == 16 and title.font.b, 'titled: title font')
    check(title.alignment.horizontal == 'center' and title.alignment.vertical == 'center',
          'titled: title centred')
    check(not is_thin_box(title), 'titled: no border on the title')
    header = [c.value for c in sheet[2]]
    check(header == ['序号', '编号', '出库名称', '数量', '金额'], 'titled: header %r' % header)
    check(all(c.font.b and c.alignment.horizontal == 'center' for c in sheet[2]),
          'titled: header bold and centred')
    rows = [[c.value for c in row] for row in sheet.iter_rows(min_row=3)]
    check(rows == [[1, '0012', '物品仓库', 2, 10.5],
                   [2, '2024-03-01', '二号库', 3, 4],
                   ['合计', None, None, 5, 14.5]], 'titled: rows %r' % rows)
    check(sheet['A3'].alignment.horizontal == 'center', 'titled: running number centred')
    body = cells(sheet, 'A2:E5')
    check(all(is_thin_box(c) for c in body), 'titled: thin borders over A2:E5')
    check(all(c.font.sz == 9 for c in body), 'titled: font size 9 over A2:E5')
    widths = {k: round(sheet.column_dimensions[k].width, 2) for k in 'ABC'}
    check(widths == {'A': 4.71, 'B': 8.71, 'C': 12.71}, 'titled: widths %r' % widths)
    check(sheet.page_setup.orientation == 'landscape', 'titled: landscape')
    check(sheet.oddFooter.center.text == FOOTER, 'titled: footer %r' % sheet.oddFooter.center.text)


def check_plain(path):
    sheet = openpyxl.load_workbook(path)['Sheet1']
    rows = [[c.value for c in row] for row in sheet.iter_rows()]
    check(rows == [['序号', '物品编码', '物品名称'], [1, '0001', '订书机']], 'plain: rows %r' % rows)
    check(not sheet.merged_cells.ranges, 'plain: no merges')
    check(not any(is_thin_box(c) for c in cells(sheet, 'A1:C2')), 'plain: no borders')
    check(sheet.oddFooter.center.text is None, 'plain: no footer')


def check_movement(path):
    sheet = openpyxl.load_workbook(path)['Sheet1']
    rows = [[c.value for c in row] for row in sheet.iter_rows()]
    empty = [None] * 7

    def padded(*values):
        return list(values) + [None] * (7 - len(values))

    expected = [padded(ORG + '物品流动记录表'),
                padded(None, '物品名称', '规格', '单位', '单价', '所在仓库', '库存数量'),
                padded(None, '订书机', 'A4', '个', 12.5, '物品仓库', 30),
                empty, padded('采购记录'),
                padded('序号', '采购日期', '采购人', '数量', '单价', '金额', '供应商'),
                padded(1, '2024-03-01', '张三', 10, 12.5, 125, '文具店')]
    for name, titles in [('领用记录', ['领用日期', '领用人', '数量']),
                         ('借出记录', ['借用日期', '借用人', '批准人', '数量']),
                         ('归还记录', ['归还日期', '归还人', '数量']),
                         ('报损记录', ['报损日期', '批准人', '数量']),
                         ('报溢记录', ['报溢日期', '批准人', '数量'])]:
        expected += [empty, padded(name), padded('序号', *titles)]
    check(rows == expected, 'movement: rows %r' % rows)
    merges = sorted(str(r) for r in sheet.merged_cells.ranges)
    blank_and_name_rows = [i + 1 for i, row in enumerate(expected[3:], 3) if row[1] is None]
    check(merges == sorted(['A1:G1'] + ['A%d:G%d' % (r, r) for r in blank_and_name_rows]),
          'movement: merges %r' % merges)
    check(sheet['A1'].font.name == '宋体' and sheet['A1'].font.sz == 16, 'movement: title font')
    # openpyxl shows the cells inside a merged range by the range's outline only.
    body = [c for c in cells(sheet, 'A2:G%d' % len(expected)) if not isinstance(c, MergedCell)]
    check(all(is_thin_box(c) and c.font.sz == 9 for c in body),
          'movement: thin borders and size 9 over A2:G')
    widths = [round(sheet.column_dimensions[k].width, 2) for k in 'ABCDEFG']
    check(widths == [4.71, 10.71, 10.71, 10.71, 10.71, 10.71, 20.71], 'movement: widths')
    check(sheet.page_setup.orientation != 'landscape', 'movement: no landscape')
    check(sheet.oddFooter.center.text is None, 'movement: no footer')


def main():
    with tempfile.TemporaryDirectory() as folder:
        output = subprocess.run([sys.argv[1], folder], check=True, capture_output=True,
                                text=True).stdout
        paths = dict(line.split('=', 1) for line in output.splitlines())
        check_titled(paths['titled'])
        check_plain(paths['plain'])
        check_movement(paths['movement'])
    for failure in failures:
        print('FAILED:', failure)
    print('%d passed, %d failed' % (3 if not failures else 0, len(failures)))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
