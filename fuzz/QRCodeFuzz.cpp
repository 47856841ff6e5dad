// Drives TQRCode with random property changes and texts, in and out of range, and
// checks after each change that a shown symbol left a picture of the expected size.
// Debug mode is left out of the check: it encodes without drawing, and switching it
// off does not repaint.
#include "labels/QRCode.h"

#include <QGuiApplication>

#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

QByteArray consumeBytes(FuzzedDataProvider &input, size_t maximum)
{
    const std::string bytes = input.ConsumeRandomLengthString(maximum);
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

int consumePixels(FuzzedDataProvider &input)
{
    return input.ConsumeBool() ? input.ConsumeIntegralInRange(-5, 200) : input.ConsumeIntegral<int>();
}

void change(TQRCode &qr, FuzzedDataProvider &input)
{
    switch (input.ConsumeIntegralInRange(0, 27)) {
    case 0: qr.setCode(consumeBytes(input, 8000)); break;
    case 1: qr.setCode(QString::fromUtf8(consumeBytes(input, 300))); break;
    case 2: qr.setBinaryOperation(input.ConsumeBool()); break;
    case 3: qr.setMode(TQRCode::TQRMode(input.ConsumeIntegralInRange(0, 3))); break;
    // Counts stay small enough for a run to cover many inputs.
    case 4: qr.setCount(input.ConsumeIntegralInRange(-1, 12)); break;
    case 5: qr.setColumn(input.ConsumeIntegralInRange(-1, 6)); break;
    case 6: qr.setNumbering(TQRCode::TNumbering(input.ConsumeIntegralInRange(0, 3))); break;
    case 7: qr.setCommentUp(QString::fromUtf8(consumeBytes(input, 20))); break;
    case 8: qr.setCommentDown(QString::fromUtf8(consumeBytes(input, 20))); break;
    case 9: qr.setCommentUpLoc(TQRCode::TLocation(input.ConsumeIntegralInRange(0, 3))); break;
    case 10: qr.setCommentDownLoc(TQRCode::TLocation(input.ConsumeIntegralInRange(0, 3))); break;
    case 11: qr.setUsejis(input.ConsumeBool()); break;
    case 12: qr.setSymbolLeft(consumePixels(input)); break;
    case 13: qr.setSymbolTop(consumePixels(input)); break;
    case 14: qr.setSymbolSpaceUp(consumePixels(input)); break;
    case 15: qr.setSymbolSpaceDown(consumePixels(input)); break;
    case 16: qr.setSymbolSpaceLeft(consumePixels(input)); break;
    case 17: qr.setVersion(input.ConsumeIntegralInRange(-1, 42)); break;
    case 18: qr.setEmode(input.ConsumeIntegralInRange(-2, 4)); break;
    case 19: qr.setEclevel(input.ConsumeIntegralInRange(-1, 4)); break;
    case 20: qr.setMasktype(input.ConsumeIntegralInRange(-2, 8)); break;
    case 21: qr.setPxmag(input.ConsumeIntegralInRange(-1, 11)); break;
    case 22: qr.setAngle(input.PickValueInArray({-90, 0, 45, 90, 180, 270, 360})); break;
    case 23: qr.setReverse(input.ConsumeBool()); break;
    case 24: qr.setMatch(input.ConsumeBool()); break;
    case 25: qr.setTransparent(input.ConsumeBool()); break;
    case 26: qr.setSymbolPicture(TQRCode::TPictures(input.ConsumeIntegralInRange(0, 3))); break;
    default:
        qr.setSize(QSize(consumePixels(input), consumePixels(input)));
        qr.setClearOption(input.ConsumeBool());
        qr.setSymbolDebug(input.ConsumeIntegralInRange(0, 7) == 0);
        break;
    }
}

void checkPicture(const TQRCode &qr)
{
    if (!qr.symbolDisped())
        return;
    if (qr.symbolPicture() != TQRCode::picBMP) {
        if (qr.metafile().isNull())
            __builtin_trap();
        return;
    }
    const QImage image = qr.image();
    if (image.isNull() || image.depth() != 32)
        __builtin_trap();
    if (qr.match()) {
        QSize expected(qr.symbolWidthA() + qr.symbolLeft(), qr.symbolHeightA() + qr.symbolTop());
        if (qr.angle() == 90 || qr.angle() == 270)
            expected.transpose();
        if (image.size() != expected)
            __builtin_trap();
    }
}

} // namespace

// fontconfig keeps its font cache for the life of the process.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig\n";
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(*argc, *argv); // lives until the process ends
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    TQRCode qr;
    bool debugUsed = false;
    for (int step = 0; step < 24 && input.remaining_bytes() > 0; ++step) {
        change(qr, input);
        debugUsed = debugUsed || qr.symbolDebug();
        if (!debugUsed)
            checkPicture(qr);
        if (input.ConsumeIntegralInRange(0, 15) == 0) {
            const QStringList lines = qr.pbm();
            if (lines.size() < 3)
                __builtin_trap();
        }
    }
    return 0;
}
