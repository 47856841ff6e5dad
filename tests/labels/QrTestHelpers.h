#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes every QR Code in the image with zbarimg (raw bytes, Structured Append joined);
// empty when nothing is found.
QByteArray decodeWithZbar(const QImage &image);

// A label text in GBK as the item label passes it: six "name：value" lines joined by
// CR LF, lengthened with digits of the price to exactly the given number of bytes.
QByteArray labelText(int bytes);

// Text in Shift JIS bytes from a UTF-8 source.
QByteArray shiftJis(const char *utf8);
