// TQRCode: symbols that an outside reader decodes, the properties and the picture.
#include "QrTestHelpers.h"
#include "labels/QRCode.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <qrencode.h>

namespace {

bool isDarkPixel(const QImage &image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128 && qAlpha(image.pixel(x, y)) > 0;
}

// True when the 7 × 7 modules at (left, top) of a Pxmag 1 picture form a finder pattern.
bool hasFinderAt(const QImage &image, int left, int top)
{
    for (int row = 0; row < 7; ++row) {
        for (int column = 0; column < 7; ++column) {
            const int ring = std::max(std::abs(row - 3), std::abs(column - 3));
            if (isDarkPixel(image, left + column, top + row) != (ring != 2))
                return false;
        }
    }
    return true;
}

enum Corner { TopLeft, TopRight, BottomLeft, BottomRight };

// The corner of a single Pxmag 1 symbol that has no finder pattern.
int cornerWithoutFinder(const QImage &image)
{
    const int far = image.width() - 4 - 7;
    const bool finders[4] = {hasFinderAt(image, 4, 4), hasFinderAt(image, far, 4),
                             hasFinderAt(image, 4, far), hasFinderAt(image, far, far)};
    if (std::count(std::begin(finders), std::end(finders), true) != 3)
        return -1;
    return int(std::find(std::begin(finders), std::end(finders), false) - std::begin(finders));
}

// The rectangle covering the pixels unlike the background inside an area.
QRect inkBounds(const QImage &image, const QRect &area)
{
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) != QColor(Qt::white).rgb())
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

} // namespace

struct DecodeCase {
    const char *name;
    QByteArray code;
    QByteArray expected;
    int version;
    int level;
    int emode;
    bool usejis;
    int count; // > 1: Structured Append pieces
};

// Shown in test names and failures by its name only.
void PrintTo(const DecodeCase &test, std::ostream *out)
{
    *out << test.name;
}

class QRCodeDecodes : public testing::TestWithParam<DecodeCase> {};

TEST_P(QRCodeDecodes, ZbarReadsTheInputBack)
{
    const DecodeCase &test = GetParam();
    TQRCode qr;
    qr.setPxmag(2);
    qr.setVersion(test.version);
    qr.setEclevel(test.level);
    qr.setEmode(test.emode);
    qr.setUsejis(test.usejis);
    qr.setCode(test.code);
    if (test.count > 1) {
        qr.setMode(TQRCode::qrConnect);
        qr.setCount(test.count);
        qr.setSymbolSpaceRight(8);
    }
    ASSERT_TRUE(qr.symbolDisped());
    EXPECT_EQ(qr.count(), std::max(1, test.count));
    EXPECT_EQ(decodeWithZbar(qr.image()).toHex(' '), test.expected.toHex(' '));
}

INSTANTIATE_TEST_SUITE_P(
    Symbols, QRCodeDecodes,
    testing::Values(
        DecodeCase {"numeric", "31415926535897932384626433", "31415926535897932384626433", 1, 1, 0, false, 1},
        DecodeCase {"alphanumeric", "HELLO WORLD $%*+-./:", "HELLO WORLD $%*+-./:", 2, 2, 1, false, 1},
        DecodeCase {"label text in GBK", labelText(151), labelText(151), 10, 2, -1, false, 1},
        DecodeCase {"Kanji", shiftJis("漢字の読み取り"), shiftJis("漢字の読み取り"), 2, 3, 3, false, 1},
        DecodeCase {"mixed segments", "ORDER 000123456789 " + shiftJis("日本") + " qty 12",
                    "ORDER 000123456789 " + shiftJis("日本") + " qty 12", 3, 1, -1, true, 1},
        DecodeCase {"escapes", "~00FF~ok~~", QByteArray("\x00\xFFok~", 5), 1, 0, -1, false, 1},
        DecodeCase {"large version", labelText(1200), labelText(1200), 40, 3, 2, false, 1},
        DecodeCase {"Structured Append", labelText(140), labelText(140), 3, 0, -1, false, 3},
        DecodeCase {"Structured Append of 16", labelText(100), labelText(100), 1, 0, -1, false, 16}),
    [](const testing::TestParamInfo<DecodeCase> &info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

// For the same bytes, version and level, and the mask libqrencode chose, every module
// equals libqrencode's.
TEST(QRCode, ModulesEqualLibqrencodeInEveryVersionAndLevel)
{
    TQRCode qr;
    qr.setEmode(2);
    for (int version = 1; version <= 40; ++version) {
        for (int level = 0; level < 4; ++level) {
            const int capacity = QrEncoder::characterCapacity(version, level, QrEncoder::Byte);
            QByteArray data((version + level) % 2 ? capacity : capacity * 2 / 3, '\0');
            for (int i = 0; i < data.size(); ++i)
                data[i] = char(i * 37 + version * 11 + level);
            QRcode *reference = QRcode_encodeData(int(data.size()),
                                                  reinterpret_cast<const unsigned char *>(data.constData()),
                                                  version, QRecLevel(level));
            ASSERT_NE(reference, nullptr);
            ASSERT_EQ(reference->version, version);
            const int size = reference->width;
            const auto dark = [&](int row, int column) { return (reference->data[row * size + column] & 1) != 0; };
            int format = 0;
            for (int i = 0; i <= 5; ++i)
                format |= dark(i, 8) << i;
            format |= dark(7, 8) << 6 | dark(8, 8) << 7 | dark(8, 7) << 8;
            for (int i = 9; i < 15; ++i)
                format |= dark(8, 14 - i) << i;
            const int mask = ((format ^ 0x5412) >> 10) & 7;

            qr.setVersion(version);
            qr.setEclevel(level);
            qr.setMasktype(mask);
            qr.setCode(data);
            ASSERT_TRUE(qr.symbolDisped()) << "version " << version << " level " << level;
            const QImage image = qr.image();
            int different = 0;
            for (int row = 0; row < size; ++row) {
                for (int column = 0; column < size; ++column)
                    different += isDarkPixel(image, column + 4, row + 4) != dark(row, column);
            }
            EXPECT_EQ(different, 0) << "version " << version << " level " << level << " mask " << mask;
            QRcode_free(reference);
        }
    }
}

TEST(QRCode, LabelSettingsWrite65By65Bitmap32File)
{
    QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("label.bmp"));
    TQRCode qr;
    qr.setEclevel(2);
    qr.setPxmag(1);
    qr.setVersion(10);
    qr.setSymbolPicture(TQRCode::picBMP);
    qr.setMatch(true);
    qr.setUsejis(false);
    qr.setCode(labelText(151));
    qr.setBackColor(Qt::white);
    qr.setSymbolColor(Qt::black);
    qr.setAngle(0);
    ASSERT_TRUE(qr.saveBitmap(fileName));

    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(54);
    ASSERT_EQ(header.size(), 54);
    EXPECT_EQ(header.left(2), "BM");
    EXPECT_EQ(quint8(header[28]), 32) << "bits per pixel";
    const QImage written(fileName);
    ASSERT_EQ(written.size(), QSize(65, 65));
    EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32), qr.image().convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(written.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(written.pixel(4, 4), qRgb(0, 0, 0));
    EXPECT_EQ(decodeWithZbar(written.scaled(260, 260)), labelText(151));
}

TEST(QRCode, SizeFollowsVersionAndPxmag)
{
    struct Row {
        int version, pxmag, pixels;
    };
    for (const Row &row : {Row {1, 1, 29}, Row {10, 3, 195}, Row {40, 10, 1850}}) {
        TQRCode qr;
        qr.setVersion(row.version);
        qr.setPxmag(row.pxmag);
        EXPECT_EQ(qr.image().size(), QSize(row.pixels, row.pixels)) << "version " << row.version;
        EXPECT_EQ(qr.symbolWidth(), row.pixels);
        EXPECT_EQ(qr.quietZone(), 4 * row.pxmag);
        EXPECT_EQ(qr.image().depth(), 32);
    }
}

TEST(QRCode, EmptyCodeGivesASymbol)
{
    TQRCode qr;
    qr.setCode(QByteArray());
    EXPECT_TRUE(qr.symbolDisped());
    EXPECT_EQ(qr.len(), 0);
    EXPECT_EQ(qr.count(), 1);
    EXPECT_EQ(cornerWithoutFinder(qr.image()), BottomRight);
}

TEST(QRCode, TextTooLongKeepsOrClearsThePicture)
{
    for (bool clearOption : {false, true}) {
        TQRCode qr;
        qr.setVersion(10);
        qr.setEclevel(2);
        qr.setClearOption(clearOption);
        qr.setCode(labelText(151));
        ASSERT_TRUE(qr.symbolDisped());
        const QImage shown = qr.image();

        qr.setCode(labelText(152));
        EXPECT_FALSE(qr.symbolDisped());
        EXPECT_EQ(qr.len(), 152);
        if (clearOption)
            EXPECT_TRUE(qr.image().isNull());
        else
            EXPECT_EQ(qr.image(), shown);
    }
}

TEST(QRCode, ForcedModeRejectsTextAndDebugOnlyEncodes)
{
    TQRCode qr;
    qr.setCode(QByteArray("12345"));
    qr.setEmode(0);
    EXPECT_TRUE(qr.symbolDisped());
    EXPECT_EQ(qr.emodeR(), 0);
    const QImage shown = qr.image();
    qr.setCode(QByteArray("123a5"));
    EXPECT_FALSE(qr.symbolDisped());

    // Debug mode encodes (SymbolDisped reports it) but leaves the picture alone.
    qr.setSymbolDebug(true);
    qr.setEmode(-1);
    EXPECT_TRUE(qr.symbolDisped());
    EXPECT_EQ(qr.image(), shown);
}

TEST(QRCode, EscapesOfBinaryOperation)
{
    struct Case {
        QByteArray code;
        QByteArray data;
        bool binaryOperationAfter;
        bool binary;
    };
    const Case cases[] = {
        {"~41~42", "A42", true, false},
        {"a~~b", "a~b", true, false},
        {"~4142~", "AB", true, false},
        {"~0D0A~", "\r\n", true, false},
        {"~A0~", "\xA0", true, false},
        {"~A1~", "\xA1", true, true},
        {"~001F~", QByteArray("\x00\x1F", 2), true, true},
        {"a~4", "a~4", false, false},
        {"~414~", "~414~", false, false},
        {"~4G~", "~4G~", false, false},
    };
    for (const Case &test : cases) {
        TQRCode qr;
        qr.setSymbolDebug(true);
        qr.setCode(test.code);
        EXPECT_EQ(qr.len(), test.data.size()) << test.code.constData();
        EXPECT_EQ(qr.binaryOperation(), test.binaryOperationAfter) << test.code.constData();
        EXPECT_EQ(qr.binary(), test.binary) << test.code.constData();
        EXPECT_EQ(qr.pbm(), [&] {
            TQRCode plain;
            plain.setBinaryOperation(false);
            plain.setCode(test.data);
            return plain.pbm();
        }()) << test.code.constData();
    }
}

TEST(QRCode, OutOfRangeValuesAreIgnored)
{
    struct Case {
        const char *name;
        std::function<void(TQRCode &, int)> set;
        std::function<int(const TQRCode &)> get;
        std::vector<int> ignored;
        int accepted;
    };
    const std::vector<Case> cases = {
        {"Version", &TQRCode::setVersion, &TQRCode::version, {0, 41}, 40},
        {"Eclevel", &TQRCode::setEclevel, &TQRCode::eclevel, {-1, 4}, 3},
        {"Pxmag", &TQRCode::setPxmag, &TQRCode::pxmag, {0, 11}, 10},
        {"Angle", &TQRCode::setAngle, &TQRCode::angle, {45, -90, 360}, 270},
        {"Masktype", &TQRCode::setMasktype, &TQRCode::masktype, {-2, 8}, 7},
        {"Emode", &TQRCode::setEmode, &TQRCode::emode, {-2, 4}, 3},
        {"Column", &TQRCode::setColumn, &TQRCode::column, {0, 1025}, 1024},
        {"Count", &TQRCode::setCount, &TQRCode::count, {0, 1025}, 2},
        {"SymbolSpaceUp", &TQRCode::setSymbolSpaceUp, &TQRCode::symbolSpaceUp, {-1, 40000}, 12},
    };
    for (const Case &test : cases) {
        TQRCode qr;
        qr.setSymbolDebug(true);
        qr.setCode(QByteArray("0123456789"));
        const int before = test.get(qr);
        for (int value : test.ignored) {
            test.set(qr, value);
            EXPECT_EQ(test.get(qr), before) << test.name << " " << value;
        }
        test.set(qr, test.accepted);
        EXPECT_EQ(test.get(qr), test.accepted) << test.name;
    }
}

TEST(QRCode, ModeSetsTheCountRange)
{
    TQRCode qr;
    qr.setSymbolDebug(true);
    qr.setCode(labelText(200));
    qr.setMode(TQRCode::qrConnect);
    EXPECT_EQ(qr.count(), 2);
    qr.setCount(300);
    EXPECT_EQ(qr.mode(), TQRCode::qrPlus) << "more than 16 pieces cannot be joined";
    qr.setMode(TQRCode::qrConnect);
    EXPECT_EQ(qr.count(), 16);
    qr.setMode(TQRCode::qrSingle);
    EXPECT_EQ(qr.count(), 1);

    // Count is lowered to Len.
    qr.setCode(QByteArray("abc"));
    qr.setMode(TQRCode::qrPlus);
    qr.setCount(10);
    EXPECT_EQ(qr.count(), 3);
}

// Requested counts that equal pieces would not reach (10 bytes in 6 pieces) still give
// that many pieces, so Structured Append stays joined.
TEST(QRCode, DivisionKeepsTheRequestedCount)
{
    struct Row {
        int length, count;
    };
    for (const Row &row : {Row {10, 6}, Row {20, 16}, Row {10, 4}, Row {31, 16}}) {
        TQRCode qr;
        qr.setSymbolDebug(true);
        qr.setCode(QByteArray(row.length, 'x'));
        qr.setMode(TQRCode::qrConnect);
        qr.setCount(row.count);
        EXPECT_EQ(qr.count(), row.count) << row.length << " bytes";
        EXPECT_EQ(qr.mode(), TQRCode::qrConnect) << row.length << " bytes";
    }
}

// Pieces of GBK text start on whole characters: each independent symbol holds whole ones.
TEST(QRCode, PiecesDoNotSplitDoubleByteCharacters)
{
    const QByteArray text = QStringEncoder("GBK").encode(QStringLiteral("螺丝螺丝螺"));
    ASSERT_EQ(text.size(), 10);
    TQRCode qr;
    qr.setPxmag(3);
    qr.setCode(text);
    qr.setMode(TQRCode::qrPlus);
    qr.setCount(4);
    ASSERT_TRUE(qr.symbolDisped());
    const QByteArray luo = text.left(2);
    const QByteArray si = text.mid(2, 2);
    const QByteArray expected[] = {luo, si + luo, si, luo};
    ASSERT_EQ(qr.count(), 4);
    for (int index = 0; index < 4; ++index) {
        const QImage cell = qr.image().copy(index * qr.symbolWidthS(), 0, qr.symbolWidthS(), qr.symbolHeightS());
        EXPECT_EQ(decodeWithZbar(cell).toHex(), expected[index].toHex()) << "symbol " << index + 1;
    }
}

TEST(QRCode, AngleTurnsAndReverseMirrors)
{
    struct Row {
        int angle;
        bool reverse;
        int corner;
    };
    const Row rows[] = {{0, false, BottomRight}, {90, false, BottomLeft}, {180, false, TopLeft},
                        {270, false, TopRight},  {0, true, BottomLeft},   {90, true, BottomRight}};
    for (const Row &row : rows) {
        TQRCode qr;
        qr.setCode(QByteArray("turn"));
        qr.setAngle(row.angle);
        qr.setReverse(row.reverse);
        EXPECT_EQ(cornerWithoutFinder(qr.image()), row.corner) << row.angle << " " << row.reverse;
    }
}

TEST(QRCode, GridPlacesSymbolsInColumnsAndRows)
{
    TQRCode qr;
    qr.setNumbering(TQRCode::nbrNone);
    qr.setCode(QByteArray("abcdefg"));
    qr.setMode(TQRCode::qrPlus);
    qr.setCount(5);
    qr.setColumn(2);
    qr.setSymbolLeft(3);
    qr.setSymbolTop(5);
    qr.setSymbolSpaceLeft(7);
    qr.setSymbolSpaceUp(2);
    EXPECT_EQ(qr.symbolWidthS(), 29 + 7);
    EXPECT_EQ(qr.symbolWidthA(), 2 * 36);
    EXPECT_EQ(qr.symbolHeightA(), 3 * 31);
    ASSERT_EQ(qr.image().size(), QSize(3 + 72, 5 + 93));
    for (int index = 0; index < 5; ++index) {
        const int left = 3 + index % 2 * 36 + 7;
        const int top = 5 + index / 2 * 31 + 2;
        const QImage symbol = qr.image().copy(left, top, 29, 29);
        EXPECT_EQ(cornerWithoutFinder(symbol), BottomRight) << "symbol " << index + 1;
    }
    // The sixth cell of the last row stays background.
    EXPECT_FALSE(inkBounds(qr.image(), QRect(3 + 36, 5 + 62, 36, 31)).isValid());
}

TEST(QRCode, CaptionsCarryNumbersAndSitWhereTold)
{
    struct Row {
        TQRCode::TLocation location;
        const char *name;
    };
    for (const Row &row : {Row {TQRCode::locLeft, "left"}, Row {TQRCode::locCenter, "center"},
                           Row {TQRCode::locRight, "right"}}) {
        TQRCode qr;
        qr.setCode(QByteArray("ab"));
        qr.setMode(TQRCode::qrPlus);
        qr.setCount(2);
        qr.setSymbolSpaceDown(30);
        qr.setSymbolSpaceLeft(30);
        qr.setSymbolSpaceRight(30);
        qr.setNumbering(TQRCode::nbrTail);
        qr.setCommentDown(QStringLiteral("No"));
        qr.setCommentDownLoc(row.location);
        const int cellWidth = qr.symbolWidthS();
        for (int index = 0; index < 2; ++index) {
            const QRect band(index * cellWidth, 29, cellWidth, 30);
            const QRect ink = inkBounds(qr.image(), band);
            ASSERT_TRUE(ink.isValid()) << row.name << " symbol " << index + 1;
            const int leftGap = ink.left() - band.left();
            const int rightGap = band.right() - ink.right();
            if (row.location == TQRCode::locLeft)
                EXPECT_LT(leftGap, 3) << row.name;
            else if (row.location == TQRCode::locRight)
                EXPECT_LT(rightGap, 4) << row.name;
            else
                EXPECT_NEAR(leftGap, rightGap, 4) << row.name;
            EXPECT_GT(ink.bottom(), band.top() + 10) << "at the bottom of the cell";
        }
    }

    TQRCode plain;
    plain.setCode(QByteArray("ab"));
    plain.setMode(TQRCode::qrPlus);
    plain.setCount(2);
    plain.setSymbolSpaceDown(30);
    plain.setNumbering(TQRCode::nbrNone);
    EXPECT_FALSE(inkBounds(plain.image(), QRect(0, 29, plain.image().width(), 30)).isValid());
    plain.setNumbering(TQRCode::nbrIfVoid);
    EXPECT_TRUE(inkBounds(plain.image(), QRect(0, 29, plain.image().width(), 30)).isValid());
}

TEST(QRCode, PbmListsThePixels)
{
    TQRCode qr;
    qr.setPxmag(2);
    qr.setCode(QByteArray("pbm"));
    const QStringList lines = qr.pbm();
    ASSERT_EQ(lines.size(), 3 + 2 + 58);
    EXPECT_EQ(lines[0], QStringLiteral("P1"));
    EXPECT_EQ(lines[1], QStringLiteral("Single Mode (Count = 1)"));
    EXPECT_EQ(lines[2], QStringLiteral("58 58"));
    EXPECT_TRUE(lines[3].isEmpty() && lines[4].isEmpty());
    const QImage image = qr.image();
    for (int y = 0; y < 58; ++y) {
        const QStringList pixels = lines[5 + y].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        ASSERT_EQ(pixels.size(), 58);
        for (int x = 0; x < 58; ++x)
            ASSERT_EQ(pixels[x] == QLatin1String("1"), isDarkPixel(image, x, y)) << x << ", " << y;
    }

    qr.setMode(TQRCode::qrConnect);
    EXPECT_EQ(qr.pbm()[1], QStringLiteral("Connect Mode (Count = 2)"));
}

TEST(QRCode, MetafileDrawsTheSameSymbol)
{
    TQRCode qr;
    qr.setPxmag(2);
    qr.setCode(QByteArray("vector"));
    const QImage bitmap = qr.image();
    qr.setSymbolPicture(TQRCode::picEMF);
    ASSERT_TRUE(qr.symbolDisped());
    EXPECT_TRUE(qr.image().isNull());
    const QPicture picture = qr.metafile();
    ASSERT_EQ(picture.boundingRect(), QRect(0, 0, 58, 58));
    QImage rendered(58, 58, QImage::Format_ARGB32);
    rendered.fill(Qt::transparent);
    QPainter painter(&rendered);
    painter.drawPicture(0, 0, picture);
    painter.end();
    EXPECT_EQ(rendered, bitmap);

    QTemporaryDir folder;
    EXPECT_TRUE(qr.saveMetafile(folder.filePath(QStringLiteral("symbol.pic"))));

    // Without Match only the bitmap is accepted.
    qr.setMatch(false);
    EXPECT_EQ(qr.symbolPicture(), TQRCode::picBMP);
    qr.setSymbolPicture(TQRCode::picWMF);
    EXPECT_EQ(qr.symbolPicture(), TQRCode::picBMP);
}

TEST(QRCode, TransparentLeavesTheBackgroundUnpainted)
{
    TQRCode qr;
    qr.setSize(QSize(40, 40));
    qr.setTransparent(true);
    EXPECT_FALSE(qr.match());
    qr.setCode(QByteArray("glass"));
    const QImage image = qr.image();
    ASSERT_EQ(image.size(), QSize(40, 40));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "quiet zone";
    EXPECT_EQ(qAlpha(image.pixel(39, 39)), 0) << "outside the grid";
    EXPECT_EQ(image.pixel(4, 4), qRgba(0, 0, 0, 255)) << "dark module";
    EXPECT_EQ(qAlpha(image.pixel(5, 5)), 0) << "light module";

    qr.setMatch(true);
    EXPECT_FALSE(qr.transparent());
    EXPECT_EQ(qr.image().pixel(0, 0), QColor(Qt::white).rgba());
}

TEST(QRCode, EventsAroundChangesAndRepaints)
{
    TQRCode qr;
    QStringList events;
    const auto record = [&](const char *name) {
        return [&events, name](TQRCode *, bool watch) {
            events << QLatin1String(name) + (watch ? QStringLiteral("(watch)") : QString());
        };
    };
    QObject::connect(&qr, &TQRCode::OnChangeCode, record("change"));
    QObject::connect(&qr, &TQRCode::OnChangedCode, record("changed"));
    QObject::connect(&qr, &TQRCode::OnPaintSymbol, record("paint"));
    QObject::connect(&qr, &TQRCode::OnPaintedSymbol, record("painted"));

    qr.setCode(QByteArray("one"));
    EXPECT_EQ(events.join(QLatin1Char(' ')), QStringLiteral("change paint painted changed"));

    events.clear();
    qr.setSymbolEnabled(false);
    qr.setCode(QByteArray("two"));
    qr.setVersion(2);
    EXPECT_TRUE(events.isEmpty());
    qr.setSymbolEnabled(true);
    EXPECT_EQ(events.join(QLatin1Char(' ')), QStringLiteral("paint painted"));

    events.clear();
    qr.setClipWatch(true);
    QGuiApplication::clipboard()->setText(QStringLiteral("CLIP"));
    EXPECT_EQ(qr.code(), QByteArray("CLIP"));
    EXPECT_EQ(events.join(QLatin1Char(' ')),
              QStringLiteral("change(watch) paint(watch) painted(watch) changed(watch)"));
    qr.setClipWatch(false);
    QGuiApplication::clipboard()->setText(QStringLiteral("AFTER"));
    EXPECT_EQ(qr.code(), QByteArray("CLIP"));
}

TEST(QRCode, CapacityFollowsModeAndCount)
{
    TQRCode qr;
    qr.setSymbolDebug(true);
    qr.setVersion(10);
    qr.setEclevel(2);
    EXPECT_EQ(qr.capacity(), QrEncoder::characterCapacity(10, 2, QrEncoder::Alphanumeric));
    qr.setCode(labelText(100));
    EXPECT_EQ(qr.emodeR(), QrEncoder::Byte);
    EXPECT_EQ(qr.capacity(), 151);
    qr.setMode(TQRCode::qrConnect);
    EXPECT_EQ(qr.capacity(), 2 * 151);
}

// Without Match the picture keeps its size; each repaint draws into it unturned and
// turns it again, so repeated repaints give the same picture.
TEST(QRCode, DrawingIntoATurnedPictureTurnsItBackFirst)
{
    TQRCode qr;
    qr.setSize(QSize(40, 30));
    qr.setMatch(false);
    qr.setAngle(90);
    qr.setCode(QByteArray("turned"));
    const QImage first = qr.image();
    ASSERT_EQ(first.size(), QSize(30, 40));
    qr.setSymbolColor(Qt::black);
    EXPECT_EQ(qr.image(), first);
    qr.setAngle(0);
    EXPECT_EQ(qr.image().size(), QSize(40, 30));
    EXPECT_EQ(cornerWithoutFinder(qr.image().copy(0, 0, 29, 29)), BottomRight);
}

TEST(QRCode, CopyPutsThePictureOnTheClipboard)
{
    TQRCode qr;
    qr.setCode(QByteArray("copy"));
    qr.copyToClipboard();
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              qr.image().convertToFormat(QImage::Format_RGB32));

    qr.setSymbolPicture(TQRCode::picWMF);
    qr.copyToClipboard();
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasFormat(QStringLiteral("application/x-qt-picture")));
    EXPECT_TRUE(data->hasImage());
}
