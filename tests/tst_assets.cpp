// Checks the art and sound as the program bundles them in its resources.

#include "Resources.h"

#include <QByteArray>
#include <QColor>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QRect>
#include <QSet>
#include <QSize>
#include <QStringList>
#include <QtMath>
#include <QtTest>

namespace {

const QStringList &animalWords()
{
    static const QStringList words = {
        "Alligator", "Ant",      "Bat",     "Bear",      "Bee",     "Bird",     "Bull",
        "Bulldog",   "Butterfly", "Cat",    "Chicken",   "Cow",     "Crab",     "Crocodile",
        "Deer",      "Dog",      "Donkey",  "Duck",      "Eagle",   "Elephant", "Fish",
        "Fox",       "Frog",     "Giraffe", "Gorilla",   "Hippo",   "Horse",    "Insect",
        "Lion",      "Monkey",   "Moose",   "Mouse",     "Owl",     "Panda",    "Penguin",
        "Pig",       "Rabbit",   "Rhino",   "Rooster",   "Shark",   "Sheep",    "Snake",
        "Tiger",     "Turkey",   "Turtle",  "Wolf",
    };
    return words;
}

QStringList expectedFileNames(const QString &suffix)
{
    QStringList names;
    for (const QString &word : animalWords())
        names << word + suffix;
    names.sort();
    return names;
}

QStringList bundledFileNames(const QString &folder)
{
    QStringList names = QDir(folder).entryList(QDir::Files);
    names.sort();
    return names;
}

// Where the audio frames start: after an ID3v2 tag if the file has one, or -1
// if the tag is malformed. The tag's size is a syncsafe integer (7 bits a byte).
int firstFrameOffset(const QByteArray &data)
{
    if (!data.startsWith("ID3"))
        return 0;
    if (data.size() < 10)
        return -1;
    int size = 0;
    for (int i = 6; i < 10; ++i) {
        const auto byte = static_cast<quint8>(data.at(i));
        if (byte & 0x80)
            return -1;
        size = (size << 7) | byte;
    }
    const bool hasFooter = static_cast<quint8>(data.at(5)) & 0x10;
    return 10 + size + (hasFooter ? 10 : 0);
}

// An MPEG audio frame header, decoded from its four bytes.
struct FrameHeader
{
    bool sync = false;
    int versionBits = -1;     // 3 MPEG-1, 2 MPEG-2, 0 MPEG-2.5
    int layerBits = -1;       // 1 Layer III, 2 Layer II, 3 Layer I
    int bitrateIndex = -1;
    int sampleRateIndex = -1;
    bool padding = false;
    int channelMode = -1;     // 3 mono

    // Sample rate in Hz for MPEG-2, or 0 when the header is not MPEG-2.
    int mpeg2SampleRate() const
    {
        static const int rates[] = {22050, 24000, 16000, 0};
        return versionBits == 2 && sampleRateIndex >= 0 ? rates[sampleRateIndex] : 0;
    }

    // Bytes in the frame for MPEG-2 Layer III, or 0 if the header does not say.
    int mpeg2Layer3FrameLength() const
    {
        static const int kbps[] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0};
        const int rate = mpeg2SampleRate();
        if (layerBits != 1 || rate == 0 || bitrateIndex < 0 || kbps[bitrateIndex] == 0)
            return 0;
        return 72000 * kbps[bitrateIndex] / rate + (padding ? 1 : 0);
    }
};

FrameHeader parseFrameHeader(const QByteArray &data, int at)
{
    FrameHeader header;
    if (at < 0 || at + 4 > data.size())
        return header;
    quint32 bits = 0;
    for (int i = 0; i < 4; ++i)
        bits = (bits << 8) | static_cast<quint8>(data.at(at + i));
    header.sync = (bits >> 21) == 0x7ff;
    header.versionBits = (bits >> 19) & 0x3;
    header.layerBits = (bits >> 17) & 0x3;
    header.bitrateIndex = (bits >> 12) & 0xf;
    header.sampleRateIndex = (bits >> 10) & 0x3;
    header.padding = (bits >> 9) & 0x1;
    header.channelMode = (bits >> 6) & 0x3;
    return header;
}

QByteArray readResource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// A digest of the size and the pixels: equal digests, identical pictures.
QByteArray pixelDigest(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QByteArray::number(argb.width()) + 'x' + QByteArray::number(argb.height()));
    for (int y = 0; y < argb.height(); ++y)
        hash.addData(reinterpret_cast<const char *>(argb.constScanLine(y)), argb.width() * 4);
    return hash.result();
}

const QStringList &stillMascotImages()
{
    static const QStringList names = {"oma_pollo.png", "pollo_puussa.png", "kysymysmerkit.png",
                                      "whitearrow.png"};
    return names;
}

} // namespace

class TestAssets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void pictureFolderHoldsExactlyTheWords();
    void recordingFolderHoldsExactlyTheWords();

    void pictureDecodesWithAlpha_data();
    void pictureDecodesWithAlpha();

    void recordingIsMpeg2Layer3At24kHzMono_data();
    void recordingIsMpeg2Layer3At24kHzMono();

    void mascotImageHasItsSize_data();
    void mascotImageHasItsSize();

    void animationsHaveSeveralFramesAndLoop_data();
    void animationsHaveSeveralFramesAndLoop();

    void noTwoPicturesAreTheSame();

    void speechBubbleCoversTheTextBox();
    void arrowIsWhiteAndPointsDown();
};

void TestAssets::initTestCase()
{
    Vocalune::initResources();
    QVERIFY2(QDir(":/png/Animals").exists(), "the resource bundle is not registered");
}

void TestAssets::pictureFolderHoldsExactlyTheWords()
{
    QCOMPARE(bundledFileNames(":/png/Animals"), expectedFileNames(".png"));
}

void TestAssets::recordingFolderHoldsExactlyTheWords()
{
    QCOMPARE(bundledFileNames(":/mp3/Animals"), expectedFileNames(".mp3"));
}

void TestAssets::pictureDecodesWithAlpha_data()
{
    QTest::addColumn<QString>("path");
    for (const QString &word : animalWords())
        QTest::newRow(qPrintable(word)) << ":/png/Animals/" + word + ".png";
    for (const QString &name : stillMascotImages())
        QTest::newRow(qPrintable(name)) << ":/images/" + name;
}

void TestAssets::pictureDecodesWithAlpha()
{
    QFETCH(QString, path);
    QImageReader reader(path);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(path + ": " + reader.errorString()));
    QVERIFY(image.hasAlphaChannel());
    // A transparent background shows in the corners.
    const QRect r = image.rect();
    for (const QPoint &corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
        QCOMPARE(qAlpha(image.pixel(corner)), 0);
}

void TestAssets::recordingIsMpeg2Layer3At24kHzMono_data()
{
    QTest::addColumn<QString>("path");
    for (const QString &word : animalWords())
        QTest::newRow(qPrintable(word)) << ":/mp3/Animals/" + word + ".mp3";
}

void TestAssets::recordingIsMpeg2Layer3At24kHzMono()
{
    QFETCH(QString, path);
    const QByteArray data = readResource(path);
    QVERIFY2(!data.isEmpty(), qPrintable(path));

    int at = firstFrameOffset(data);
    QVERIFY2(at >= 0, "malformed ID3v2 tag");

    const FrameHeader first = parseFrameHeader(data, at);
    QVERIFY2(first.sync, "no frame sync after the tag");
    QCOMPARE(first.versionBits, 2);   // MPEG-2
    QCOMPARE(first.layerBits, 1);     // Layer III
    QCOMPARE(first.sampleRateIndex, 1);
    QCOMPARE(first.mpeg2SampleRate(), 24000);
    QCOMPARE(first.channelMode, 3);   // mono

    // Walk the whole stream: every frame alike, up to an optional ID3v1 tag.
    int frames = 0;
    while (at < data.size()) {
        if (data.size() - at == 128 && data.mid(at, 3) == "TAG")
            break;
        const FrameHeader header = parseFrameHeader(data, at);
        QVERIFY2(header.sync, qPrintable(QString("frame %1 has no sync").arg(frames)));
        QCOMPARE(header.versionBits, first.versionBits);
        QCOMPARE(header.layerBits, first.layerBits);
        QCOMPARE(header.sampleRateIndex, first.sampleRateIndex);
        QCOMPARE(header.channelMode, first.channelMode);
        const int length = header.mpeg2Layer3FrameLength();
        QVERIFY2(length > 4, "invalid bitrate");
        QVERIFY2(at + length <= data.size(), "last frame cut short");
        at += length;
        ++frames;
    }
    // 576 samples a frame: a spoken word of about 0.6 to 1.2 s.
    const double seconds = frames * 576.0 / 24000.0;
    QVERIFY2(seconds >= 0.55 && seconds <= 1.3, qPrintable(QString::number(seconds) + " s"));
}

void TestAssets::mascotImageHasItsSize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("oma_pollo.png") << "oma_pollo.png" << QSize(400, 400);
    QTest::newRow("pollo_puussa.png") << "pollo_puussa.png" << QSize(423, 480);
    QTest::newRow("elava_pollo.gif") << "elava_pollo.gif" << QSize(312, 303);
    QTest::newRow("pollo_hihkuu.gif") << "pollo_hihkuu.gif" << QSize(322, 323);
    QTest::newRow("kysymysmerkit.png") << "kysymysmerkit.png" << QSize(143, 139);
    QTest::newRow("whitearrow.png") << "whitearrow.png" << QSize(30, 20);
}

void TestAssets::mascotImageHasItsSize()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QImageReader reader(":/images/" + name);
    QCOMPARE(reader.size(), size);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
}

void TestAssets::animationsHaveSeveralFramesAndLoop_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("elava_pollo.gif") << "elava_pollo.gif";
    QTest::newRow("pollo_hihkuu.gif") << "pollo_hihkuu.gif";
}

void TestAssets::animationsHaveSeveralFramesAndLoop()
{
    QFETCH(QString, name);
    QImageReader reader(":/images/" + name);
    QVERIFY(reader.supportsAnimation());
    QVERIFY(reader.imageCount() > 1);
    QCOMPARE(reader.loopCount(), -1); // forever

    QSet<QByteArray> distinctFrames;
    int frames = 0;
    while (reader.canRead()) {
        const QImage frame = reader.read();
        if (frame.isNull())
            break;
        QVERIFY(frame.hasAlphaChannel());
        QVERIFY(reader.nextImageDelay() > 0);
        distinctFrames.insert(pixelDigest(frame));
        ++frames;
    }
    QCOMPARE(frames, reader.imageCount());
    QVERIFY2(distinctFrames.size() > 1, "the frames do not change");
}

void TestAssets::noTwoPicturesAreTheSame()
{
    QStringList paths;
    for (const QString &word : animalWords())
        paths << ":/png/Animals/" + word + ".png";
    for (const QString &name : stillMascotImages())
        paths << ":/images/" + name;

    QHash<QByteArray, QString> seen;
    for (const QString &path : paths) {
        const QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        const QByteArray digest = pixelDigest(image);
        QVERIFY2(!seen.contains(digest), qPrintable(path + " is the same as " + seen.value(digest)));
        seen.insert(digest, path);
    }
}

// The owl-on-a-branch picture is stretched over the left half of the screen,
// and the views put their text at x = W/5.5, y = H/7, size W/4 x H/6 of the
// screen (W x H): that box must fall on the white speech bubble.
void TestAssets::speechBubbleCoversTheTextBox()
{
    const QImage image = QImage(":/images/pollo_puussa.png").convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!image.isNull());
    const double w = image.width(), h = image.height();
    const double left = w * 2.0 / 5.5, right = left + w * 2.0 / 4.0;
    const double top = h / 7.0, bottom = top + h / 6.0;

    int notWhite = 0;
    for (int y = qCeil(top); y < qFloor(bottom); ++y) {
        for (int x = qCeil(left); x < qFloor(right); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) != 255 || qRed(pixel) < 245 || qGreen(pixel) < 245 || qBlue(pixel) < 245)
                ++notWhite;
        }
    }
    QCOMPARE(notWhite, 0);
}

void TestAssets::arrowIsWhiteAndPointsDown()
{
    const QImage image = QImage(":/images/whitearrow.png").convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!image.isNull());

    // Horizontal extent of the clearly visible pixels in each row.
    auto rowSpan = [&image](int y) {
        int first = -1, last = -1;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) < 128)
                continue;
            if (qRed(pixel) < 240 || qGreen(pixel) < 240 || qBlue(pixel) < 240)
                return -2; // a visible pixel that is not white
            if (first < 0)
                first = x;
            last = x;
        }
        return first < 0 ? 0 : last - first + 1;
    };

    int widestTop = 0, widestBottom = 0, visibleRows = 0;
    for (int y = 0; y < image.height(); ++y) {
        const int span = rowSpan(y);
        QVERIFY2(span != -2, qPrintable(QString("row %1 has a coloured pixel").arg(y)));
        if (span > 0)
            ++visibleRows;
        if (y < image.height() / 3)
            widestTop = qMax(widestTop, span);
        else if (y >= image.height() * 2 / 3)
            widestBottom = qMax(widestBottom, span);
    }
    QVERIFY(visibleRows > image.height() / 3);
    // A chevron pointing down is wide at the top and narrow at its tip.
    QVERIFY2(widestTop > 2 * widestBottom,
             qPrintable(QString("top %1, bottom %2").arg(widestTop).arg(widestBottom)));
}

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
