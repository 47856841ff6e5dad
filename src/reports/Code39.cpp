#include "reports/Code39.h"

#include <memory>
#include <zint.h>

bool code39CanEncode(const QString &text)
{
    static const QString allowed = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%");
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (!allowed.contains(c))
            return false;
    }
    return true;
}

std::optional<Code39Bars> code39Bars(const QString &text)
{
    // libzint would turn lower case into upper case and so print another code.
    if (!code39CanEncode(text))
        return std::nullopt;
    const std::unique_ptr<zint_symbol, void (*)(zint_symbol *)> symbol(ZBarcode_Create(), ZBarcode_Delete);
    symbol->symbology = BARCODE_CODE39;
    symbol->option_2 = 0; // no check character
    symbol->show_hrt = 0;
    const QByteArray data = text.toLatin1();
    if (ZBarcode_Encode_and_Buffer_Vector(symbol.get(), reinterpret_cast<const unsigned char *>(data.constData()),
                                          int(data.size()), 0)
        >= ZINT_ERROR)
        return std::nullopt;
    Code39Bars result;
    result.width = symbol->vector->width;
    for (const zint_vector_rect *rect = symbol->vector->rectangles; rect; rect = rect->next)
        result.bars.append({rect->x, rect->width});
    return result;
}
