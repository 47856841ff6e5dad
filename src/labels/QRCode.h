#pragma once

#include "labels/QrEncoder.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QObject>
#include <QPicture>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

#include <algorithm>
#include <memory>
#include <stdexcept>

class QPainter;

// Raised when the division into symbols is inconsistent: "Illegal <name> : <value>".
class TQRCodeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Encodes a text as one or more QR Code symbols and paints them into its picture: a
// 32-bit bitmap, or for the metafile kinds a QPicture (recorded painter commands).
// Every property change repaints at once; a value out of a property's range is ignored.
class TQRCode : public QObject {
    Q_OBJECT
public:
    enum TQRMode { qrSingle, qrConnect, qrPlus };
    Q_ENUM(TQRMode)
    enum TNumbering { nbrNone, nbrHead, nbrTail, nbrIfVoid };
    Q_ENUM(TNumbering)
    enum TLocation { locLeft, locCenter, locRight };
    Q_ENUM(TLocation)
    enum TPictures { picBMP, picEMF, picWMF };
    Q_ENUM(TPictures)

    explicit TQRCode(QObject *parent = nullptr);
    ~TQRCode() override;

    QByteArray code() const { return m_code; }
    void setCode(const QByteArray &code);
    // Encodes the text to GBK first, as the program passes its texts.
    void setCode(const QString &text);
    int len() const { return int(m_data.size()); }
    bool binary() const { return m_binary; }
    bool binaryOperation() const { return m_binaryOperation; }
    void setBinaryOperation(bool on);

    TQRMode mode() const { return m_mode; }
    void setMode(TQRMode mode);
    int count() const { return m_count; }
    void setCount(int count);
    int column() const { return m_column; }
    void setColumn(int column);
    int parity() const { return m_parity; }
    TNumbering numbering() const { return m_numbering; }
    void setNumbering(TNumbering numbering);

    QString commentUp() const { return m_commentUp; }
    void setCommentUp(const QString &text);
    QString commentDown() const { return m_commentDown; }
    void setCommentDown(const QString &text);
    TLocation commentUpLoc() const { return m_commentUpLoc; }
    void setCommentUpLoc(TLocation location);
    TLocation commentDownLoc() const { return m_commentDownLoc; }
    void setCommentDownLoc(TLocation location);
    bool usejis() const { return m_usejis; }
    void setUsejis(bool on);

    // One symbol with its quiet zone, one grid cell, the whole grid (pixels).
    int symbolWidth() const { return (QrEncoder::moduleCount(m_version) + 8) * m_pxmag; }
    int symbolHeight() const { return symbolWidth(); }
    int symbolWidthS() const { return symbolWidth() + m_symbolSpaceLeft + m_symbolSpaceRight; }
    int symbolHeightS() const { return symbolHeight() + m_symbolSpaceUp + m_symbolSpaceDown; }
    int symbolWidthA() const { return std::min(m_count, m_column) * symbolWidthS(); }
    int symbolHeightA() const { return (m_count + m_column - 1) / m_column * symbolHeightS(); }
    int quietZone() const { return 4 * m_pxmag; }

    int symbolLeft() const { return m_symbolLeft; }
    void setSymbolLeft(int pixels);
    int symbolTop() const { return m_symbolTop; }
    void setSymbolTop(int pixels);
    int symbolSpaceUp() const { return m_symbolSpaceUp; }
    void setSymbolSpaceUp(int pixels);
    int symbolSpaceDown() const { return m_symbolSpaceDown; }
    void setSymbolSpaceDown(int pixels);
    int symbolSpaceLeft() const { return m_symbolSpaceLeft; }
    void setSymbolSpaceLeft(int pixels);
    int symbolSpaceRight() const { return m_symbolSpaceRight; }
    void setSymbolSpaceRight(int pixels);

    int version() const { return m_version; }
    void setVersion(int version);
    int emode() const { return m_emode; }
    void setEmode(int mode);
    int emodeR() const { return m_emodeR; }
    int eclevel() const { return m_eclevel; }
    void setEclevel(int level);
    int masktype() const { return m_masktype; }
    void setMasktype(int mask);
    int masktypeR() const { return m_masktypeR; }
    int capacity() const;
    int pxmag() const { return m_pxmag; }
    void setPxmag(int pixels);
    int angle() const { return m_angle; }
    void setAngle(int degrees);
    bool reverse() const { return m_reverse; }
    void setReverse(bool on);
    // The symbols as text lines, PBM style.
    QStringList pbm() const;

    bool match() const { return m_match; }
    void setMatch(bool on);
    QFont comFont() const { return m_comFont; }
    void setComFont(const QFont &font);
    bool transparent() const { return m_transparent; }
    void setTransparent(bool on);
    QColor symbolColor() const { return m_symbolColor; }
    void setSymbolColor(const QColor &color);
    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor &color);
    TPictures symbolPicture() const { return m_symbolPicture; }
    void setSymbolPicture(TPictures kind);
    bool symbolEnabled() const { return m_symbolEnabled; }
    void setSymbolEnabled(bool on);
    bool symbolDebug() const { return m_symbolDebug; }
    void setSymbolDebug(bool on);
    bool symbolDisped() const { return m_symbolDisped; }
    bool clearOption() const { return m_clearOption; }
    void setClearOption(bool on);
    bool clipWatch() const { return m_clipWatch; }
    void setClipWatch(bool on);

    // The control's size; with Match it follows the picture.
    QSize size() const { return m_size; }
    void setSize(const QSize &size);

    // The picture: the bitmap (picBMP) or the recorded metafile (picEMF, picWMF).
    QImage image() const { return m_bitmap; }
    QPicture metafile() const { return m_metafile; }
    // Writes the bitmap as a 32-bit-per-pixel BMP file.
    bool saveBitmap(const QString &fileName) const;
    bool saveMetafile(const QString &fileName) const;
    // Puts the picture on the clipboard.
    void copyToClipboard() const;

Q_SIGNALS:
    void OnChangeCode(TQRCode *sender, bool watch);
    void OnChangedCode(TQRCode *sender, bool watch);
    void OnPaintSymbol(TQRCode *sender, bool watch);
    void OnPaintedSymbol(TQRCode *sender, bool watch);

private:
    void changeCode(const QByteArray &code, bool watch);
    void convertCode();
    void repaint();
    void divideIntoSymbols();
    void checkDivision() const;
    bool encodePiece(QrEncoder &encoder, int index) const;
    int paintSymbols(QPainter *painter);
    QString caption(const QString &comment, int index) const;
    void paintSymbol(QPainter &painter, int index) const;
    void paintCaptions(QPainter &painter, int index) const;
    QRect gridRect() const;
    void paintBitmap();
    void paintMetafile();
    void clearPicture();
    void followClipboard();
    QImage turned(const QImage &image) const;
    QImage turnedBack(const QImage &image) const;

    QByteArray m_code;
    QByteArray m_data;
    bool m_binary = false;
    bool m_binaryOperation = true;
    TQRMode m_mode = qrSingle;
    int m_count = 1;
    int m_column = 16;
    int m_parity = 0;
    TNumbering m_numbering = nbrIfVoid;
    QString m_commentUp;
    QString m_commentDown;
    TLocation m_commentUpLoc = locLeft;
    TLocation m_commentDownLoc = locLeft;
    bool m_usejis = false;
    int m_symbolLeft = 0;
    int m_symbolTop = 0;
    int m_symbolSpaceUp = 0;
    int m_symbolSpaceDown = 0;
    int m_symbolSpaceLeft = 0;
    int m_symbolSpaceRight = 0;
    int m_version = 1;
    int m_emode = -1;
    int m_emodeR = -1;
    int m_eclevel = 0;
    int m_masktype = -1;
    int m_masktypeR = -1;
    int m_pxmag = 1;
    int m_angle = 0;
    bool m_reverse = false;
    bool m_match = true;
    QFont m_comFont;
    bool m_transparent = false;
    QColor m_symbolColor = Qt::black;
    QColor m_backColor = Qt::white;
    TPictures m_symbolPicture = picBMP;
    bool m_symbolEnabled = true;
    bool m_symbolDebug = false;
    bool m_symbolDisped = false;
    bool m_clearOption = false;
    bool m_clipWatch = false;

    QSize m_size {105, 105};
    QImage m_bitmap;
    // How the bitmap was turned by the last repaint, so that drawing into it again
    // (Match false) happens in unturned coordinates.
    int m_bitmapAngle = 0;
    bool m_bitmapReversed = false;
    QPicture m_metafile;

    // Start offsets of the symbols' pieces in m_data; the last entry equals Len.
    QVector<int> m_offsets;
    bool m_watch = false;
    QMetaObject::Connection m_clipboardConnection;
    std::unique_ptr<QrEncoder> m_encoder;
};
