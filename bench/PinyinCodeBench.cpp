// PinyinCode over a list of item names as an office-supply store keeps them: Chinese names
// with brands, model codes and models mixed in.
#include "store/PinyinCode.h"

#include <QStringEncoder>
#include <QStringList>
#include <benchmark/benchmark.h>

#include <iterator>

namespace {

const char16_t *const brands[] = {
    u"", u"得力", u"晨光", u"齐心", u"广博", u"真彩", u"三木", u"国誉", u"百乐", u"斑马",
    u"惠普", u"佳能", u"爱普生", u"兄弟", u"联想",
};

const char16_t *const products[] = {
    u"中性笔", u"圆珠笔", u"签字笔", u"铅笔", u"自动铅笔", u"白板笔", u"荧光笔", u"记号笔",
    u"橡皮擦", u"修正带", u"修正液", u"笔记本", u"便利贴", u"文件夹", u"档案盒", u"资料册",
    u"订书机", u"订书钉", u"回形针", u"长尾夹", u"大头针", u"剪刀", u"美工刀", u"胶水",
    u"双面胶", u"透明胶带", u"复印纸", u"打印纸", u"信封", u"账本", u"计算器", u"墨盒",
    u"硒鼓", u"碳粉", u"色带", u"鼠标", u"键盘", u"U盘", u"移动硬盘", u"插线板",
    u"垃圾袋", u"纸杯", u"抽纸", u"洗手液", u"拖把", u"扫帚", u"办公椅", u"文件柜",
    u"保险柜", u"白板", u"投影仪", u"碎纸机", u"装订机", u"考勤机", u"电话机", u"收据",
};

const char16_t *const models[] = {
    u"", u" 0.5mm 黑色", u" 0.7mm 蓝色", u" A4 70g", u" A4纸 (80g)", u" A3 80g 500张/包",
    u" 12支/盒", u" 24#", u" HB", u" 2B", u"（大号）", u"（小号）", u" 型号：DL-2036",
    u" 规格：25mm×10m", u" 红色", u" 10个装", u" 1.5米 3位", u" 88A", u" LQ-630K",
    u" ①号", u" 加厚型", u" 32GB",
};

// 400 distinct names, each brand, product and standard in turn.
QStringList itemNames()
{
    QStringList names;
    const auto count = [](const auto &list) { return int(std::size(list)); };
    for (int i = 0; names.size() < 400; ++i) {
        names << QString::fromUtf16(brands[i % count(brands)])
                     + QString::fromUtf16(products[(i / 3) % count(products)])
                     + QString::fromUtf16(models[(i * 7) % count(models)]);
    }
    return names;
}

QList<QByteArray> gbkNames()
{
    QList<QByteArray> encoded;
    QStringEncoder toGbk("GBK");
    for (const QString &name : itemNames())
        encoded << QByteArray(toGbk.encode(name));
    return encoded;
}

void reportCounts(benchmark::State &state, qsizetype names, qsizetype bytes)
{
    state.SetItemsProcessed(int64_t(state.iterations()) * names);
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes);
}

qsizetype totalSize(const QList<QByteArray> &texts)
{
    qsizetype bytes = 0;
    for (const QByteArray &text : texts)
        bytes += text.size();
    return bytes;
}

// The walk alone, on names already in GBK; flags 2 as every save uses, and 3 for syllables.
void BM_PinyinCodeGbk(benchmark::State &state)
{
    const QList<QByteArray> names = gbkNames();
    const int flags = int(state.range(0));
    for (auto _ : state) {
        for (const QByteArray &name : names)
            benchmark::DoNotOptimize(PinyinCode(name, flags, PinyinUsualMaxLength));
    }
    reportCounts(state, names.size(), totalSize(names));
}
BENCHMARK(BM_PinyinCodeGbk)->Arg(PinyinUsualFlags)->Arg(PinyinUsualFlags | PinyinWholeSyllables);

// The call a save makes: encode the name to GBK, then walk it.
void BM_PinyinCodeText(benchmark::State &state)
{
    const QStringList names = itemNames();
    for (auto _ : state) {
        for (const QString &name : names)
            benchmark::DoNotOptimize(PinyinCode(name));
    }
    reportCounts(state, names.size(), totalSize(gbkNames()));
}
BENCHMARK(BM_PinyinCodeText);

}  // namespace
