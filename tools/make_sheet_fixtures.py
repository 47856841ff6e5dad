#!/usr/bin/python3
"""Writes the small workbooks that tests/sheets reads into tests/fixtures/sheets.

Run by hand (python3-xlwt is needed for the .xls files); the output is committed.

persons.xlsx and persons.xls hold the same table on a sheet "Sheet1" that is not the
first sheet: titles in another order than the import dialogs name them, empty cells,
numbers, a date and Chinese text. The .xlsx one is written part by part so that it
holds what real workbooks hold: shared strings with rich text and phonetic runs,
inline strings, cells and rows without references, a skipped column and a date
style. The other files are faulty on purpose.
"""
import os
import struct
import zipfile

import xlwt

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, '..', 'tests', 'fixtures', 'sheets')

CONTENT_TYPES = '''<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">
<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>
<Default Extension="xml" ContentType="application/xml"/>
<Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>
<Override PartName="/xl/worksheets/sheet1.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>
<Override PartName="/xl/worksheets/sheet2.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>
<Override PartName="/xl/sharedStrings.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml"/>
<Override PartName="/xl/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml"/>
</Types>'''

ROOT_RELS = '''<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">
<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/>
</Relationships>'''

WORKBOOK_RELS = '''<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">
<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/>
<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="/xl/worksheets/sheet2.xml"/>
<Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/>
<Relationship Id="rId4" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/>
</Relationships>'''


def workbook_xml(sheet_names):
    sheets = ''.join(
        '<sheet name="%s" sheetId="%d" r:id="rId%d"/>' % (name, i + 1, i + 1)
        for i, name in enumerate(sheet_names))
    return ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
            '<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" '
            'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">'
            '<workbookPr/><sheets>' + sheets + '</sheets></workbook>')


# Shared strings: 0-3 plain, 4 rich text in two runs with a phonetic run, 5 "说明".
SHARED_STRINGS = '''<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" count="6" uniqueCount="6">
<si><t>人员姓名</t></si>
<si><t>工号</t></si>
<si><t>部门名称</t></si>
<si><t xml:space="preserve">张三 </t></si>
<si><r><rPr><b/></rPr><t>李</t></r><r><t>四</t></r><rPh sb="0" eb="1"><t>li</t></rPh></si>
<si><t>说明</t></si>
</sst>'''

# Cell style 1 shows numbers as dates (built-in format 14), style 2 with a custom
# date format, style 3 as a plain number with decimals.
STYLES = '''<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">
<numFmts count="2"><numFmt numFmtId="164" formatCode="yyyy&quot;年&quot;m&quot;月&quot;d&quot;日&quot;"/><numFmt numFmtId="165" formatCode="0.00_);[Red]\\(0.00\\)"/></numFmts>
<cellXfs count="4"><xf numFmtId="0"/><xf numFmtId="14" applyNumberFormat="1"/><xf numFmtId="164" applyNumberFormat="1"/><xf numFmtId="165" applyNumberFormat="1"/></cellXfs>
</styleSheet>'''

NOTE_SHEET = '''<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>
<row r="1"><c r="A1" t="s"><v>5</v></c></row>
</sheetData></worksheet>'''

# Row 1 titles (B1 has no title: its column is left out), then:
# row 2 shared strings and numbers, with float noise in the price;
# row 3 without references, an inline string in rich text and a boolean;
# row 4 present but empty; row 5 skips columns; row 7 holds only a cell under no title.
PERSONS_SHEET = '''<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<x:worksheet xmlns:x="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><x:dimension ref="A1:G7"/><x:sheetData>
<x:row r="1"><x:c r="A1" t="s"><x:v>2</x:v></x:c><x:c r="C1" t="s"><x:v>0</x:v></x:c><x:c r="D1" t="s"><x:v>1</x:v></x:c><x:c r="E1" t="inlineStr"><x:is><x:t>单价</x:t></x:is></x:c><x:c r="F1" t="inlineStr"><x:is><x:t> 入职日期</x:t></x:is></x:c><x:c r="G1" t="inlineStr"><x:is><x:t>在职</x:t></x:is></x:c></x:row>
<x:row r="2"><x:c r="A2" t="inlineStr"><x:is><x:t>办公室</x:t></x:is></x:c><x:c r="C2" t="s"><x:v>3</x:v></x:c><x:c r="D2"><x:v>12</x:v></x:c><x:c r="E2" s="3"><x:v>0.30000000000000004</x:v></x:c><x:c r="F2" s="1"><x:v>45352</x:v></x:c><x:c r="G2" t="b"><x:v>1</x:v></x:c></x:row>
<x:row><x:c t="inlineStr"><x:is><x:r><x:t>财</x:t></x:r><x:r><x:t>务部</x:t></x:r></x:is></x:c><x:c/><x:c t="s"><x:v>4</x:v></x:c><x:c t="str"><x:f>TEXT(7,"0000")</x:f><x:v>0007</x:v></x:c><x:c><x:v>1234567.5</x:v></x:c><x:c s="2"><x:v>45717.5</x:v></x:c><x:c t="b"><x:v>0</x:v></x:c></x:row>
<x:row r="4"/>
<x:row r="5"><x:c r="C5" t="inlineStr"><x:is><x:t>王五</x:t></x:is></x:c><x:c r="E5"><x:v>-2.5</x:v></x:c></x:row>
<x:row r="7"><x:c r="B7" t="inlineStr"><x:is><x:t>无标题列</x:t></x:is></x:c></x:row>
</x:sheetData></x:worksheet>'''


def write_xlsx(name, parts):
    path = os.path.join(OUT, name)
    with zipfile.ZipFile(path, 'w', zipfile.ZIP_DEFLATED) as archive:
        for part_name, text in parts.items():
            archive.writestr(part_name, text.encode('utf-8'))
    return path


def persons_parts():
    return {
        '[Content_Types].xml': CONTENT_TYPES,
        '_rels/.rels': ROOT_RELS,
        'xl/workbook.xml': workbook_xml(['说明', 'Sheet1']),
        'xl/_rels/workbook.xml.rels': WORKBOOK_RELS,
        'xl/sharedStrings.xml': SHARED_STRINGS,
        'xl/styles.xml': STYLES,
        'xl/worksheets/sheet1.xml': NOTE_SHEET,
        'xl/worksheets/sheet2.xml': PERSONS_SHEET,
    }


def write_faulty_xlsx():
    no_sheet1 = persons_parts()
    no_sheet1['xl/workbook.xml'] = workbook_xml(['说明', '人员'])
    write_xlsx('no_sheet1.xlsx', no_sheet1)

    broken_xml = persons_parts()
    broken_xml['xl/worksheets/sheet2.xml'] = PERSONS_SHEET.replace('</x:sheetData>', '')
    write_xlsx('broken_xml.xlsx', broken_xml)

    bad_string_index = persons_parts()
    bad_string_index['xl/worksheets/sheet2.xml'] = PERSONS_SHEET.replace(
        '<x:v>4</x:v>', '<x:v>99</x:v>')
    write_xlsx('bad_string_index.xlsx', bad_string_index)

    bad_reference = persons_parts()
    bad_reference['xl/worksheets/sheet2.xml'] = PERSONS_SHEET.replace('r="E5"', 'r="E"')
    write_xlsx('bad_reference.xlsx', bad_reference)

    missing_sheet_part = persons_parts()
    del missing_sheet_part['xl/worksheets/sheet2.xml']
    write_xlsx('missing_sheet_part.xlsx', missing_sheet_part)

    # A zip that is no workbook: a document of another kind.
    write_xlsx('not_a_workbook.xlsx', {'word/document.xml': '<document/>'})


XLS_ROWS = [
    ['部门名称', None, '人员姓名', '工号', '单价', ' 入职日期'],
    ['办公室', None, '张三 ', 12, 0.1 + 0.2, ('yyyy-mm-dd', 45352)],
    ['财务部', None, '李四', '0007', 1234567.5, ('yyyy-mm-dd hh:mm:ss', 45717.5)],
    [None, None, None, None, None, None],
    [None, None, '王五', None, -2.5, None],
]


def persons_xls_workbook():
    book = xlwt.Workbook(encoding='utf-8')
    book.add_sheet('说明').write(0, 0, '说明')
    sheet = book.add_sheet('Sheet1')
    for r, row in enumerate(XLS_ROWS):
        for c, value in enumerate(row):
            if isinstance(value, tuple):
                sheet.write(r, c, value[1], xlwt.easyxf(num_format_str=value[0]))
            elif value is not None:
                sheet.write(r, c, value)
    return book


# A FILEPASS record (RC4 encryption header with a zero salt and verifier) right after
# the workbook's BOF marks the workbook as saved with a password.
FILEPASS = struct.pack('<HHHHH', 0x002F, 54, 1, 1, 1) + b'\x00' * 48


def write_password_xls():
    bof = xlwt.Workbook._Workbook__bof_rec
    xlwt.Workbook._Workbook__bof_rec = lambda self: bof(self) + FILEPASS
    try:
        persons_xls_workbook().save(os.path.join(OUT, 'password.xls'))
    finally:
        xlwt.Workbook._Workbook__bof_rec = bof


def write_password_xlsx():
    """A workbook saved by Excel with a password is a compound file whose streams are
    EncryptionInfo and EncryptedPackage instead of a zip. This one renames the single
    stream of a compound file written by xlwt to EncryptionInfo."""
    path = os.path.join(OUT, 'password.xlsx')
    persons_xls_workbook().save(path)
    with open(path, 'rb') as f:
        data = bytearray(f.read())
    old = 'Workbook\x00'.encode('utf-16-le')
    new = 'EncryptionInfo\x00'.encode('utf-16-le')
    at = data.index(old)
    data[at:at + 64] = new + b'\x00' * (64 - len(new))
    data[at + 64:at + 66] = struct.pack('<H', len(new))
    with open(path, 'wb') as f:
        f.write(data)


def write_faulty_xls():
    book = xlwt.Workbook(encoding='utf-8')
    book.add_sheet('人员').write(0, 0, '工号')
    book.save(os.path.join(OUT, 'no_sheet1.xls'))
    write_password_xls()
    write_password_xlsx()


def main():
    os.makedirs(OUT, exist_ok=True)
    write_xlsx('persons.xlsx', persons_parts())
    persons_xls_workbook().save(os.path.join(OUT, 'persons.xls'))
    write_faulty_xlsx()
    write_faulty_xls()


if __name__ == '__main__':
    main()
