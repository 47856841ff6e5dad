#!/usr/bin/env python3
"""Writes src/store/PinyinTable.cpp: the pinyin syllable list and the GBK character table.

The readings come from the Unicode Han database (field kMandarin of Unihan_Readings.txt,
Debian package unicode-data); each GBK code is decoded with Python's "gbk" codec. Run by hand,
commit the output:

    tools/make_pinyin_table.py [/usr/share/unicode/Unihan_Readings.txt.bz2] > src/store/PinyinTable.cpp
"""

import bz2
import sys
import unicodedata
import zipfile

DEFAULT_SOURCE = "/usr/share/unicode/Unihan_Readings.txt.bz2"

# The common syllables in alphabetical order, "gei" included; SYLLABLES below reorders them.
ALPHABETICAL = """
a ai an ang ao ba bai ban bang bao bei ben beng bi bian biao bie bin bing bo bu
ca cai can cang cao ce ceng cha chai chan chang chao che chen cheng chi chong chou chu
chuai chuan chuang chui chun chuo ci cong cou cu cuan cui cun cuo da dai dan dang dao de
deng di dian diao die ding diu dong dou du duan dui dun duo e en er fa fan fang fei fen
feng fo fou fu ga gai gan gang gao ge gei gen geng gong gou gu gua guai guan guang gui
gun guo ha hai han hang hao he hei hen heng hong hou hu hua huai huan huang hui hun huo
ji jia jian jiang jiao jie jin jing jiong jiu ju juan jue jun ka kai kan kang kao ke ken
keng kong kou ku kua kuai kuan kuang kui kun kuo la lai lan lang lao le lei leng li lia
lian liang liao lie lin ling liu long lou lu luan lue lun luo ma mai man mang mao me mei
men meng mi mian miao mie min ming miu mo mou mu na nai nan nang nao ne nei nen neng ni
nian niang niao nie nin ning niu nong nu nuan nue nuo o ou pa pai pan pang pao pei pen
peng pi pian piao pie pin ping po pu qi qia qian qiang qiao qie qin qing qiong qiu qu
quan que qun ran rang rao re ren reng ri rong rou ru ruan rui run ruo sa sai san sang sao
se sen seng sha shai shan shang shao she shen sheng shi shou shu shua shuai shuan shuang
shui shun shuo si song sou su suan sui sun suo ta tai tan tang tao te teng ti tian tiao
tie ting tong tou tu tuan tui tun tuo wa wai wan wang wei wen weng wo wu xi xia xian
xiang xiao xie xin xing xiong xiu xu xuan xue xun ya yan yang yao ye yi yin ying yo yong
you yu yuan yue yun za zai zan zang zao ze zei zen zeng zha zhai zhan zhang zhao zhe zhen
zheng zhi zhong zhou zhu zhua zhuai zhuan zhuang zhui zhun zhuo zi zong zou zu zuan zui
zun zuo
""".split()

# Numbered after the first 393 and an empty number 394.
EXTRA_SYLLABLES = ["ei", "m", "n", "dia", "cen", "nou", "jv", "qv", "xv", "lv", "nv"]

# Readings of characters with several pronunciations that names need; None = no entry.
OVERRIDES = {
    "调": "tiao",
    "行": "hang",
    "长": "zhang",
    "重": "zhong",
    "还": "huan",
    "率": "lv",
    "给": None,
}

# (first lead, last lead, last trail) of the GBK rows that hold Chinese characters.
CHINESE_RANGES = [
    (0x81, 0xA0, 0xFE),
    (0xAA, 0xAF, 0xA0),
    (0xB0, 0xF7, 0xFE),
    (0xF8, 0xFD, 0xA0),
]

FIRST_LEAD, LAST_LEAD = 0x81, 0xFE
FIRST_TRAIL, LAST_TRAIL = 0x40, 0xFE


def numbered_syllables():
    """Returns the list indexed by syllable number (index 0 unused)."""
    moved = ["ji", "qiao", "yao"]
    first = [s for s in ALPHABETICAL if s not in moved]
    first[first.index("gei")] = "ji"
    first.insert(first.index("jiang") + 1, "qiao")
    first.insert(first.index("nue") + 1, "yao")
    assert len(first) == 393 and first[0] == "a" and first[-1] == "zuo"
    return [""] + first + [""] + EXTRA_SYLLABLES


def plain_syllable(reading):
    """"lǜ" -> "lv", "lüè" -> "lue", "tiáo" -> "tiao": tone marks dropped, ü as v."""
    decomposed = unicodedata.normalize("NFD", reading)
    decomposed = decomposed.replace("u\u0308", "v")
    plain = "".join(c for c in decomposed if not unicodedata.combining(c))
    # The list spells the "üe" finals as "ue", as in "lue" and "nue".
    return plain.replace("ve", "ue")


def open_readings(path):
    if path.endswith(".bz2"):
        return bz2.open(path, "rt", encoding="utf-8")
    if path.endswith(".zip"):
        archive = zipfile.ZipFile(path)
        return archive.open("Unihan_Readings.txt").read().decode("utf-8").splitlines()
    return open(path, encoding="utf-8")


def mandarin_readings(path):
    """Character -> first kMandarin reading."""
    readings = {}
    for line in open_readings(path):
        fields = line.rstrip("\n").split("\t")
        if len(fields) == 3 and fields[1] == "kMandarin":
            readings[chr(int(fields[0][2:], 16))] = fields[2].split()[0]
    return readings


def is_chinese_code(lead, trail):
    return trail != 0x7F and any(
        first <= lead <= last and trail <= last_trail for first, last, last_trail in CHINESE_RANGES)


def character_table(readings, numbers):
    """Syllable numbers by (lead - 0x81) * 191 + (trail - 0x40), and the count of entries."""
    table = []
    entries = 0
    for lead in range(FIRST_LEAD, LAST_LEAD + 1):
        row = []
        for trail in range(FIRST_TRAIL, LAST_TRAIL + 1):
            number = 0
            if is_chinese_code(lead, trail):
                try:
                    character = bytes([lead, trail]).decode("gbk")
                except UnicodeDecodeError:
                    character = None  # the five unassigned codes at the end of row 0xD7
                if character in OVERRIDES:
                    syllable = OVERRIDES[character]
                else:
                    syllable = plain_syllable(readings[character]) if character in readings else None
                number = numbers.get(syllable, 0)
            entries += number != 0
            row.append(number)
        table.append(row)
    return table, entries


def main():
    source = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_SOURCE
    syllables = numbered_syllables()
    numbers = {s: n for n, s in enumerate(syllables) if s}
    table, entries = character_table(mandarin_readings(source), numbers)
    rows_of_ten = [syllables[i:i + 10] for i in range(0, len(syllables), 10)]

    out = sys.stdout
    out.write("// Generated by tools/make_pinyin_table.py from the Unicode Han database (kMandarin).\n")
    out.write("// Do not edit by hand: change the script and run it again.\n")
    out.write(f"// {entries} characters have a syllable.\n")
    out.write('#include "store/PinyinTable.h"\n\nnamespace PinyinTable {\n\n')
    out.write("const char syllables[SyllableCount + 1][MaxSyllableLength + 1] = {\n")
    for row in rows_of_ten:
        out.write("    " + " ".join(f'"{s}",' for s in row) + "\n")
    out.write("};\n\n")
    out.write("// One line per lead byte 0x81..0xFE, one number per trail byte 0x40..0xFE.\n")
    out.write("const std::uint16_t characterSyllables[LeadCount * TrailCount] = {\n")
    for row in table:
        out.write(",".join(str(n) for n in row) + ",\n")
    out.write("};\n\n}  // namespace PinyinTable\n")
    print(f"{entries} characters have a syllable", file=sys.stderr)


if __name__ == "__main__":
    main()
