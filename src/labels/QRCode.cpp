#include "labels/QRCode.h"

#include <QClipboard>
#include <QDataStream>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QScopeGuard>
#include <QStringEncoder>
#include <QTransform>

namespace {

constexpr int MaxSymbols = 1024;
constexpr int MaxConnectedSymbols = 16;
// Positions, spaces and the control's size are picture coordinates.
constexpr int MaxCoordinate = 32767;
// A picture larger than this (256 MB of 32-bit pixels) is not drawn.
constexpr qint64 MaxPicturePixels = qint64(64) * 1024 * 1024;

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Control characters other than tab, line feed and carriage return, and A1–FF.
bool isBinaryByte(unsigned char byte)
{
    return byte <= 0x08 || byte == 0x0B || byte == 0x0C || (byte >= 0x0E && byte <= 0x1F)
           || byte >= 0xA1;
}

// Decodes the "~" escapes: "~4142~" gives the bytes 41 42, "~~" one tilde. False when
// a tilde has no partner or the enclosed text is not pairs of hexadecimal digits.
bool unescape(const QByteArray &text, QByteArray &bytes, bool &binary)
{
    bytes.clear();
    bytes.reserve(text.size());
    binary = false;
    for (qsizetype i = 0; i < text.size();) {
        if (text[i] != '~') {
            bytes += text[i++];
            continue;
        }
        const qsizetype close = text.indexOf('~', i + 1);
        if (close < 0)
            return false;
        const qsizetype digits = close - i - 1;
        if (digits == 0)
            bytes += '~';
        if (digits % 2 != 0)
            return false;
        for (qsizetype k = i + 1; k < close; k += 2) {
            const int high = hexValue(text[k]);
            const int low = hexValue(text[k + 1]);
            if (high < 0 || low < 0)
                return false;
            const auto byte = static_cast<unsigned char>(high * 16 + low);
            binary = binary || isBinaryByte(byte);
            bytes += static_cast<char>(byte);
        }
        i = close + 1;
    }
    return true;
}

bool isGbkLead(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

bool isGbkTrail(unsigned char byte) { return byte >= 0x40 && byte <= 0xFE && byte != 0x7F; }

bool isShiftJisTrail(unsigned char byte)
{
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

// Walks the GBK characters of data; tells whether a position is the second byte of
// a double-byte character. Positions must be asked in increasing order.
class CharacterWalk {
public:
    explicit CharacterWalk(const QByteArray &data) : m_data(data) {}

    bool isSecondByte(int position)
    {
        while (m_boundary < position) {
            const bool pair = m_boundary + 1 < m_data.size() && isGbkLead(byteAt(m_boundary))
                              && isGbkTrail(byteAt(m_boundary + 1));
            m_boundary += pair ? 2 : 1;
        }
        return m_boundary > position;
    }

private:
    unsigned char byteAt(int position) const { return static_cast<unsigned char>(m_data[position]); }

    const QByteArray &m_data;
    int m_boundary = 0;
};

bool writeBitmap32(const QImage &image, const QString &fileName)
{
    QFile file(fileName);
    if (image.isNull() || !file.open(QIODevice::WriteOnly))
        return false;
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    const int width = pixels.width();
    const int height = pixels.height();
    const quint32 imageBytes = quint32(width) * quint32(height) * 4;
    constexpr quint32 headerBytes = 14 + 40;
    constexpr qint32 pixelsPerMetre = 3780; // 96 dots per inch

    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("BM", 2);
    out << quint32(headerBytes + imageBytes) << quint16(0) << quint16(0) << headerBytes;
    out << quint32(40) << qint32(width) << qint32(height) << quint16(1) << quint16(32)
        << quint32(0) << imageBytes << pixelsPerMetre << pixelsPerMetre << quint32(0) << quint32(0);
    // Rows bottom up, each pixel as blue, green, red, alpha.
    for (int y = height - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const quint32 *>(pixels.constScanLine(y));
        for (int x = 0; x < width; ++x)
            out << line[x];
    }
    return out.status() == QDataStream::Ok && file.flush();
}

QByteArray toGbk(const QString &text)
{
    QStringEncoder encoder("GBK");
    return encoder.encode(text);
}

} // namespace

TQRCode::TQRCode(QObject *parent)
    : QObject(parent), m_offsets {0, 0}, m_encoder(std::make_unique<QrEncoder>())
{
}

TQRCode::~TQRCode() = default;

void TQRCode::setCode(const QByteArray &code)
{
    changeCode(code, false);
}

void TQRCode::setCode(const QString &text)
{
    changeCode(toGbk(text), false);
}

void TQRCode::changeCode(const QByteArray &code, bool watch)
{
    m_watch = watch;
    const auto resetWatch = qScopeGuard([this] { m_watch = false; });
    if (m_symbolEnabled)
        Q_EMIT OnChangeCode(this, watch);
    m_code = code;
    convertCode();
    repaint();
    if (m_symbolEnabled)
        Q_EMIT OnChangedCode(this, watch);
}

void TQRCode::convertCode()
{
    if (m_binaryOperation && !unescape(m_code, m_data, m_binary))
        m_binaryOperation = false;
    if (!m_binaryOperation) {
        m_data = m_code;
        m_binary = false;
    }
    divideIntoSymbols();
}

void TQRCode::setBinaryOperation(bool on)
{
    m_binaryOperation = on;
    convertCode();
    repaint();
}

void TQRCode::setMode(TQRMode mode)
{
    if (mode < qrSingle || mode > qrPlus)
        return;
    m_mode = mode;
    if (mode == qrSingle)
        m_count = 1;
    else
        m_count = std::clamp(m_count, 2, mode == qrConnect ? MaxConnectedSymbols : MaxSymbols);
    repaint();
}

void TQRCode::setCount(int count)
{
    if (count < 1 || count > MaxSymbols)
        return;
    m_count = count;
    repaint();
}

void TQRCode::setColumn(int column)
{
    if (column < 1 || column > MaxSymbols)
        return;
    m_column = column;
    repaint();
}

void TQRCode::setNumbering(TNumbering numbering)
{
    if (numbering < nbrNone || numbering > nbrIfVoid)
        return;
    m_numbering = numbering;
    if (m_count > 1)
        repaint();
}

void TQRCode::setCommentUp(const QString &text)
{
    m_commentUp = text;
    repaint();
}

void TQRCode::setCommentDown(const QString &text)
{
    m_commentDown = text;
    repaint();
}

void TQRCode::setCommentUpLoc(TLocation location)
{
    if (location < locLeft || location > locRight)
        return;
    m_commentUpLoc = location;
    if (!m_commentUp.isEmpty())
        repaint();
}

void TQRCode::setCommentDownLoc(TLocation location)
{
    if (location < locLeft || location > locRight)
        return;
    m_commentDownLoc = location;
    if (!m_commentDown.isEmpty())
        repaint();
}

void TQRCode::setUsejis(bool on)
{
    m_usejis = on;
    repaint();
}

namespace {

bool setCoordinate(int &target, int pixels)
{
    if (pixels < 0 || pixels > MaxCoordinate)
        return false;
    target = pixels;
    return true;
}

} // namespace

void TQRCode::setSymbolLeft(int pixels)
{
    if (setCoordinate(m_symbolLeft, pixels))
        repaint();
}

void TQRCode::setSymbolTop(int pixels)
{
    if (setCoordinate(m_symbolTop, pixels))
        repaint();
}

void TQRCode::setSymbolSpaceUp(int pixels)
{
    if (setCoordinate(m_symbolSpaceUp, pixels))
        repaint();
}

void TQRCode::setSymbolSpaceDown(int pixels)
{
    if (setCoordinate(m_symbolSpaceDown, pixels))
        repaint();
}

void TQRCode::setSymbolSpaceLeft(int pixels)
{
    if (setCoordinate(m_symbolSpaceLeft, pixels))
        repaint();
}

void TQRCode::setSymbolSpaceRight(int pixels)
{
    if (setCoordinate(m_symbolSpaceRight, pixels))
        repaint();
}

void TQRCode::setVersion(int version)
{
    if (version < 1 || version > QrEncoder::MaxVersion)
        return;
    m_version = version;
    repaint();
}

void TQRCode::setEmode(int mode)
{
    if (mode < QrEncoder::Automatic || mode > QrEncoder::Kanji)
        return;
    m_emode = mode;
    repaint();
}

void TQRCode::setEclevel(int level)
{
    if (level < 0 || level > 3)
        return;
    m_eclevel = level;
    repaint();
}

void TQRCode::setMasktype(int mask)
{
    if (mask < -1 || mask > 7)
        return;
    m_masktype = mask;
    repaint();
}

int TQRCode::capacity() const
{
    const int mode = m_emodeR < 0 ? QrEncoder::Alphanumeric : m_emodeR;
    return QrEncoder::characterCapacity(m_version, m_eclevel, mode) * m_count;
}

void TQRCode::setPxmag(int pixels)
{
    if (pixels < 1 || pixels > 10)
        return;
    m_pxmag = pixels;
    repaint();
}

void TQRCode::setAngle(int degrees)
{
    if (degrees != 0 && degrees != 90 && degrees != 180 && degrees != 270)
        return;
    m_angle = degrees;
    repaint();
}

void TQRCode::setReverse(bool on)
{
    m_reverse = on;
    repaint();
}

void TQRCode::setMatch(bool on)
{
    m_match = on;
    if (on)
        m_transparent = false;
    else
        m_symbolPicture = picBMP;
    repaint();
}

void TQRCode::setComFont(const QFont &font)
{
    m_comFont = font;
    repaint();
}

void TQRCode::setTransparent(bool on)
{
    m_transparent = on;
    if (on) {
        m_match = false;
        m_symbolPicture = picBMP;
    }
    repaint();
}

void TQRCode::setSymbolColor(const QColor &color)
{
    m_symbolColor = color;
    repaint();
}

void TQRCode::setBackColor(const QColor &color)
{
    m_backColor = color;
    repaint();
}

void TQRCode::setSymbolPicture(TPictures kind)
{
    if (kind < picBMP || kind > picWMF || (!m_match && kind != picBMP))
        return;
    m_symbolPicture = kind;
    repaint();
}

void TQRCode::setSymbolEnabled(bool on)
{
    m_symbolEnabled = on;
    if (on)
        repaint();
}

void TQRCode::setSymbolDebug(bool on)
{
    m_symbolDebug = on;
}

void TQRCode::setClearOption(bool on)
{
    m_clearOption = on;
    if (on && !m_symbolDisped)
        clearPicture();
}

void TQRCode::setClipWatch(bool on)
{
    m_clipWatch = on;
    QObject::disconnect(m_clipboardConnection);
    if (on && qGuiApp)
        m_clipboardConnection = connect(QGuiApplication::clipboard(), &QClipboard::dataChanged,
                                        this, &TQRCode::followClipboard);
}

void TQRCode::followClipboard()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (data && data->hasText())
        changeCode(toGbk(data->text()), true);
}

void TQRCode::setSize(const QSize &size)
{
    if (size.width() < 0 || size.width() > MaxCoordinate || size.height() < 0
        || size.height() > MaxCoordinate)
        return;
    m_size = size;
}

bool TQRCode::saveBitmap(const QString &fileName) const
{
    return writeBitmap32(m_bitmap, fileName);
}

bool TQRCode::saveMetafile(const QString &fileName) const
{
    QPicture copy = m_metafile; // QPicture::save is not const; the copy shares the data
    return !copy.isNull() && copy.save(fileName);
}

void TQRCode::copyToClipboard() const
{
    if (!qGuiApp)
        return;
    if (m_metafile.isNull()) {
        QGuiApplication::clipboard()->setImage(m_bitmap);
        return;
    }
    // The metafile goes as its recorded commands and, for other programs, as an image.
    QImage rendered(m_metafile.boundingRect().size(), QImage::Format_ARGB32);
    rendered.fill(Qt::transparent);
    QPainter painter(&rendered);
    painter.drawPicture(0, 0, m_metafile);
    painter.end();
    auto *mime = new QMimeData;
    mime->setImageData(rendered);
    mime->setData(QStringLiteral("application/x-qt-picture"),
                  QByteArray(m_metafile.data(), m_metafile.size()));
    QGuiApplication::clipboard()->setMimeData(mime);
}

// Cuts the data into Count pieces. Pieces are equal but for the last, or differ by one
// byte when equal pieces would leave the last one empty. A piece never starts on the
// second byte of a double-byte character. The pieces found decide Count and Mode.
void TQRCode::divideIntoSymbols()
{
    const int length = len();
    const int wanted = std::clamp(std::min(m_count, length), 1, MaxSymbols);
    const int base = length / wanted;
    const int extra = length % wanted;
    const bool equalPieces = extra == 0 || (base + 1) * (wanted - 1) < length;

    CharacterWalk walk(m_data);
    m_offsets.clear();
    m_offsets.append(0);
    for (int piece = 1; piece < wanted; ++piece) {
        int start = equalPieces ? piece * (base + (extra ? 1 : 0)) : piece * base + std::min(piece, extra);
        if (walk.isSecondByte(start) && isShiftJisTrail(static_cast<unsigned char>(m_data[start])))
            start += start - 1 > m_offsets.last() ? -1 : 1;
        if (start > m_offsets.last() && start < length)
            m_offsets.append(start);
    }
    m_offsets.append(length);

    m_count = int(m_offsets.size()) - 1;
    if (m_count == 1)
        m_mode = qrSingle;
    else if (m_count > MaxConnectedSymbols)
        m_mode = qrPlus;
    else if (m_mode == qrSingle)
        m_mode = qrConnect;
    checkDivision();

    m_parity = 0;
    if (m_mode == qrConnect) {
        for (char byte : std::as_const(m_data))
            m_parity ^= static_cast<unsigned char>(byte);
    }
}

// Guards the invariants every later step indexes with.
void TQRCode::checkDivision() const
{
    const auto fail = [](const QString &name, qsizetype value) {
        throw TQRCodeError(QStringLiteral("Illegal %1 : %2").arg(name).arg(value).toStdString());
    };
    const int modeMaximum = m_mode == qrSingle ? 1 : m_mode == qrConnect ? MaxConnectedSymbols : MaxSymbols;
    if (m_count < (m_mode == qrSingle ? 1 : 2) || m_count > modeMaximum)
        fail(QStringLiteral("Count"), m_count);
    if (m_column < 1 || m_column > MaxSymbols)
        fail(QStringLiteral("Column"), m_column);
    for (int i = 0; i < m_offsets.size(); ++i) {
        // Every piece holds at least one byte; only empty data gives one empty piece.
        const bool valid = i == 0 ? m_offsets[i] == 0 : m_offsets[i] > m_offsets[i - 1] || len() == 0;
        if (!valid || (i + 1 == m_offsets.size() && m_offsets[i] != len()))
            fail(QStringLiteral("Offset[%1]").arg(i), m_offsets[i]);
    }
}

bool TQRCode::encodePiece(QrEncoder &encoder, int index) const
{
    const int begin = m_offsets[index];
    const int length = m_offsets[index + 1] - begin;
    if (length > QrEncoder::MaxPieceBytes)
        return false;
    QrEncoder::Options options;
    options.version = m_version;
    options.level = m_eclevel;
    options.mode = m_emode;
    options.mask = m_masktype;
    options.kanjiClasses = m_usejis;
    if (m_mode == qrConnect) {
        options.appendPosition = index;
        options.appendCount = int(m_offsets.size()) - 1;
        options.appendParity = m_parity;
    }
    const auto *bytes = reinterpret_cast<const unsigned char *>(m_data.constData()) + begin;
    return encoder.encode({bytes, size_t(length)}, options);
}

void TQRCode::repaint()
{
    if (!m_symbolEnabled)
        return;
    Q_EMIT OnPaintSymbol(this, m_watch);
    m_symbolDisped = false;
    divideIntoSymbols();
    if (m_symbolPicture == picBMP)
        paintBitmap();
    else
        paintMetafile();
    Q_EMIT OnPaintedSymbol(this, m_watch);
}

QRect TQRCode::gridRect() const
{
    return {m_symbolLeft, m_symbolTop, symbolWidthA(), symbolHeightA()};
}

// Encodes the symbols in order and draws each when a painter is given; stops at the
// first symbol that cannot be encoded. Returns how many were done.
int TQRCode::paintSymbols(QPainter *painter)
{
    for (int index = 0; index < m_count; ++index) {
        const bool encoded = encodePiece(*m_encoder, index);
        if (m_emode >= 0)
            m_emodeR = m_emode;
        else if (encoded)
            m_emodeR = m_encoder->modeUsed();
        if (!encoded)
            return index;
        m_masktypeR = m_encoder->maskUsed();
        if (painter) {
            paintSymbol(*painter, index);
            paintCaptions(*painter, index);
        }
    }
    return m_count;
}

// Draws the dark modules of the encoded symbol, one rectangle per run in a row.
void TQRCode::paintSymbol(QPainter &painter, int index) const
{
    const int cellLeft = m_symbolLeft + index % m_column * symbolWidthS();
    const int cellTop = m_symbolTop + index / m_column * symbolHeightS();
    const int left = cellLeft + m_symbolSpaceLeft + quietZone();
    const int top = cellTop + m_symbolSpaceUp + quietZone();
    const int modules = m_encoder->size();
    for (int row = 0; row < modules; ++row) {
        for (int column = 0; column < modules;) {
            if (!m_encoder->isDark(row, column)) {
                ++column;
                continue;
            }
            const int runStart = column;
            while (column < modules && m_encoder->isDark(row, column))
                ++column;
            painter.fillRect(left + runStart * m_pxmag, top + row * m_pxmag,
                             (column - runStart) * m_pxmag, m_pxmag, m_symbolColor);
        }
    }
}

QString TQRCode::caption(const QString &comment, int index) const
{
    if (m_count <= 1 || m_numbering == nbrNone)
        return comment;
    const QString number = QString::number(index + 1);
    if (comment.isEmpty())
        return number;
    switch (m_numbering) {
    case nbrHead:
        return number + QLatin1Char(' ') + comment;
    case nbrTail:
        return comment + QLatin1Char(' ') + number;
    default:
        return comment;
    }
}

// The upper caption sits at the cell's top, or just above the symbol when the space
// above is lower than the text; the lower caption likewise at the cell's bottom.
void TQRCode::paintCaptions(QPainter &painter, int index) const
{
    const int cellLeft = m_symbolLeft + index % m_column * symbolWidthS();
    const int cellTop = m_symbolTop + index / m_column * symbolHeightS();
    const int symbolBottom = cellTop + m_symbolSpaceUp + symbolHeight();
    const QFontMetrics metrics(m_comFont, painter.device());
    const int textHeight = metrics.height();

    const auto draw = [&](const QString &text, TLocation location, int top) {
        if (text.isEmpty())
            return;
        const int textWidth = metrics.horizontalAdvance(text);
        const int room = std::max(0, symbolWidthS() - textWidth);
        const int left = cellLeft + (location == locCenter ? room / 2 : location == locRight ? room : 0);
        const QRect area(left, top, textWidth, textHeight);
        if (!m_transparent)
            painter.fillRect(area, m_backColor);
        painter.setFont(m_comFont);
        painter.setPen(m_symbolColor);
        painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    };
    draw(caption(m_commentUp, index), m_commentUpLoc,
         std::min(cellTop, cellTop + m_symbolSpaceUp - textHeight));
    draw(caption(m_commentDown, index), m_commentDownLoc,
         std::max(symbolBottom, symbolBottom + m_symbolSpaceDown - textHeight));
}

void TQRCode::paintBitmap()
{
    if (m_symbolDebug) {
        m_symbolDisped = paintSymbols(nullptr) == m_count;
        return;
    }
    QImage canvas;
    if (m_match) {
        canvas = QImage(symbolWidthA() + m_symbolLeft, symbolHeightA() + m_symbolTop, QImage::Format_ARGB32);
    } else if (m_bitmap.isNull()) {
        canvas = QImage(m_size, QImage::Format_ARGB32);
        canvas.fill(Qt::transparent);
    } else {
        canvas = turnedBack(m_bitmap).convertToFormat(QImage::Format_ARGB32);
    }
    int drawn = 0;
    if (!canvas.isNull() && qint64(canvas.width()) * canvas.height() <= MaxPicturePixels) {
        if (m_match)
            canvas.fill(m_backColor);
        QPainter painter(&canvas);
        if (!m_match && !m_transparent)
            painter.fillRect(gridRect(), m_backColor);
        drawn = paintSymbols(&painter);
    }
    m_symbolDisped = drawn == m_count;
    // With Match a failing first symbol leaves the picture as it was.
    if (drawn > 0 || (!m_match && !canvas.isNull())) {
        m_bitmap = turned(canvas);
        m_bitmapAngle = m_angle;
        m_bitmapReversed = m_reverse;
        m_metafile = QPicture();
        if (m_match)
            m_size = m_bitmap.size();
    }
    if (!m_symbolDisped && m_clearOption)
        clearPicture();
}

void TQRCode::paintMetafile()
{
    if (m_symbolDebug) {
        m_symbolDisped = paintSymbols(nullptr) == m_count;
        return;
    }
    const QRect area(0, 0, symbolWidthA() + m_symbolLeft, symbolHeightA() + m_symbolTop);
    QPicture picture;
    int drawn = 0;
    if (qint64(area.width()) * area.height() <= MaxPicturePixels) {
        QPainter painter(&picture);
        painter.fillRect(area, m_backColor);
        drawn = paintSymbols(&painter);
    }
    m_symbolDisped = drawn == m_count;
    if (drawn > 0) {
        picture.setBoundingRect(area);
        m_metafile = picture;
        m_bitmap = QImage();
        m_size = area.size();
    }
    if (!m_symbolDisped && m_clearOption)
        clearPicture();
}

void TQRCode::clearPicture()
{
    m_bitmap = QImage();
    m_metafile = QPicture();
    m_bitmapAngle = 0;
    m_bitmapReversed = false;
}

QImage TQRCode::turned(const QImage &image) const
{
    QImage result = m_angle == 0 ? image : image.transformed(QTransform().rotate(m_angle));
    return m_reverse ? result.mirrored(true, false) : result;
}

QImage TQRCode::turnedBack(const QImage &image) const
{
    const QImage result = m_bitmapReversed ? image.mirrored(true, false) : image;
    return m_bitmapAngle == 0 ? result : result.transformed(QTransform().rotate(-m_bitmapAngle));
}

QStringList TQRCode::pbm() const
{
    static const char *const modeNames[] = {"Single", "Connect", "Plus"};
    const int pieces = int(m_offsets.size()) - 1;
    QStringList lines;
    lines << QStringLiteral("P1")
          << QStringLiteral("%1 Mode (Count = %2)").arg(QLatin1String(modeNames[m_mode])).arg(pieces)
          << QStringLiteral("%1 %2").arg(symbolWidth()).arg(symbolHeight());

    const auto encoder = std::make_unique<QrEncoder>();
    const int quiet = 4;
    for (int index = 0; index < pieces && encodePiece(*encoder, index); ++index) {
        lines << QString() << QString();
        const int modules = encoder->size();
        for (int row = -quiet; row < modules + quiet; ++row) {
            QString line;
            line.reserve((modules + 2 * quiet) * m_pxmag * 2);
            for (int column = -quiet; column < modules + quiet; ++column) {
                const bool dark = row >= 0 && row < modules && column >= 0 && column < modules
                                  && encoder->isDark(row, column);
                for (int i = 0; i < m_pxmag; ++i)
                    line += dark ? QLatin1String(" 1") : QLatin1String(" 0");
            }
            for (int i = 0; i < m_pxmag; ++i)
                lines << line;
        }
    }
    return lines;
}
