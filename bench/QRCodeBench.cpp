// QR Code of an item label: version 10, level Q, the 151-byte GBK label text, automatic
// mask; our encoder against libqrencode on the same text, and the whole bitmap path.
#include "labels/QRCode.h"
#include "labels/QrEncoder.h"

#include <QGuiApplication>
#include <QStringEncoder>
#include <benchmark/benchmark.h>

#if __has_include(<qrencode.h>)
#include <qrencode.h>
#define ARTICLE_BENCH_LIBQRENCODE 1
#endif

namespace {

QByteArray labelText()
{
    const QString text = QStringLiteral("编码：WP2024000123\r\n分类：五金工具配件\r\n名称：不锈钢内六角圆柱头螺钉\r\n"
                                        "规格：M6×20 GB/T70.1 A2-70 304不锈钢 100只装 全牙 黑色氧化\r\n"
                                        "单位：盒\r\n单价：12.5");
    return QStringEncoder("GBK").encode(text);
}

void BM_QRCodeEncoderLabel(benchmark::State &state)
{
    const QByteArray text = labelText();
    const std::span<const unsigned char> bytes(reinterpret_cast<const unsigned char *>(text.constData()),
                                               size_t(text.size()));
    QrEncoder::Options options;
    options.version = 10;
    options.level = 2;
    QrEncoder encoder;
    if (text.size() != 151 || !encoder.encode(bytes, options))
        state.SkipWithError("the label text must be 151 bytes and fit");
    for (auto _ : state)
        benchmark::DoNotOptimize(encoder.encode(bytes, options));
}
BENCHMARK(BM_QRCodeEncoderLabel);

#ifdef ARTICLE_BENCH_LIBQRENCODE
void BM_QRCodeLibqrencodeLabel(benchmark::State &state)
{
    const QByteArray text = labelText();
    const auto *bytes = reinterpret_cast<const unsigned char *>(text.constData());
    for (auto _ : state) {
        QRcode *symbol = QRcode_encodeData(int(text.size()), bytes, 10, QR_ECLEVEL_Q);
        benchmark::DoNotOptimize(symbol);
        QRcode_free(symbol);
    }
}
BENCHMARK(BM_QRCodeLibqrencodeLabel);
#endif

// TQRCode needs a GUI application for its caption font; the benchmark makes one, offscreen.
void ensureGuiApplication()
{
    if (qGuiApp)
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "article_bench";
    static char *argv[] = {name, nullptr};
    new QGuiApplication(argc, argv); // lives until the process ends
}

// The label's whole path: settings, text, the 65 × 65 bitmap.
void BM_QRCodeBitmapLabel(benchmark::State &state)
{
    ensureGuiApplication();
    const QByteArray text = labelText();
    for (auto _ : state) {
        TQRCode qr;
        qr.setEclevel(2);
        qr.setPxmag(1);
        qr.setVersion(10);
        qr.setUsejis(false);
        qr.setCode(text);
        benchmark::DoNotOptimize(qr.image());
    }
}
BENCHMARK(BM_QRCodeBitmapLabel);

} // namespace
