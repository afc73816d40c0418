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
#include <QPainter>
#include <QRect>
#include <QRegularExpression>
#include <QSet>
#include <QSize>
#include <QStringList>
#include <QVector>
#include <QtMath>
#include <QtTest>

namespace {

const QStringList &animalWords()
{
    static const QStringList words = {
        "Alligator", "Ant",   "Bat",   "Bear",      "Bee",     "Bird",  "Bull",   "Bulldog", "Butterfly", "Cat",
        "Chicken",   "Cow",   "Crab",  "Crocodile", "Deer",    "Dog",   "Donkey", "Duck",    "Eagle",     "Elephant",
        "Fish",      "Fox",   "Frog",  "Giraffe",   "Gorilla", "Hippo", "Horse",  "Insect",  "Lion",      "Monkey",
        "Moose",     "Mouse", "Owl",   "Panda",     "Penguin", "Pig",   "Rabbit", "Rhino",   "Rooster",   "Shark",
        "Sheep",     "Snake", "Tiger", "Turkey",    "Turtle",  "Wolf",
    };
    return words;
}

// The dictionaries that tools/make-assets made, in the order of its list,
// each with its words: the bundle must hold exactly these.
struct ListedDictionary
{
    QString name;
    QStringList words;
};

QVector<ListedDictionary> listedDictionaries()
{
    QVector<ListedDictionary> dictionaries;
    QFile file(QFINDTESTDATA("../tools/dictionaries.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return dictionaries;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (line.startsWith('[') && line.endsWith(']'))
            dictionaries.append({line.mid(1, line.size() - 2), {}});
        else if (!dictionaries.isEmpty())
            dictionaries.last().words << line.section('|', 0, 0).trimmed();
    }
    return dictionaries;
}

QStringList withSuffix(QStringList words, const QString &suffix)
{
    for (QString &word : words)
        word += suffix;
    words.sort();
    return words;
}

QStringList bundledDictionaries(const QString &root)
{
    QStringList names = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

// Every file of one kind in the bundle: ":/png/<Dictionary>/<Word>.png".
QStringList bundledFiles(const QString &root)
{
    QStringList paths;
    for (const QString &dictionary : bundledDictionaries(root)) {
        for (const QString &file : QDir(root + "/" + dictionary).entryList(QDir::Files))
            paths << root + "/" + dictionary + "/" + file;
    }
    return paths;
}

// A word or dictionary name as the pages show it and as a file name: a
// capital, then letters, spaces or hyphens, ending in a letter.
bool isPlainName(const QString &name)
{
    static const QRegularExpression plain("^[A-Z]([a-zA-Z -]*[a-z])?$");
    return plain.match(name).hasMatch() && !name.contains("  ") && !name.contains("--");
}

// A small, flattened copy of a picture: two pictures whose copies differ
// little look alike to a child whatever their exact pixels.
QImage thumbnail(const QImage &image)
{
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    painter.end();
    return flat.scaled(24, 24, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Mean difference of the colour channels, 0 (same) to 255.
double thumbnailDistance(const QImage &a, const QImage &b)
{
    qint64 sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
        }
    }
    return double(sum) / (a.width() * a.height() * 3);
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
    int versionBits = -1; // 3 MPEG-1, 2 MPEG-2, 0 MPEG-2.5
    int layerBits = -1;   // 1 Layer III, 2 Layer II, 3 Layer I
    int bitrateIndex = -1;
    int sampleRateIndex = -1;
    bool padding = false;
    int channelMode = -1; // 3 mono

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
    static const QStringList names = {"oma_pollo.png", "pollo_puussa.png", "kysymysmerkit.png", "whitearrow.png"};
    return names;
}

} // namespace

class TestAssets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void bundleHoldsExactlyTheListedDictionaries();
    void animalsKeepTheirWords();
    void dictionaryFoldersHoldExactlyTheWords_data();
    void dictionaryFoldersHoldExactlyTheWords();
    void namesArePlainAndNoWordIsInTwoDictionaries();

    void pictureDecodesWithAlpha_data();
    void pictureDecodesWithAlpha();

    void recordingIsMpeg2Layer3At24kHzMono_data();
    void recordingIsMpeg2Layer3At24kHzMono();

    void mascotImageHasItsSize_data();
    void mascotImageHasItsSize();

    void animationsHaveSeveralFramesAndLoop_data();
    void animationsHaveSeveralFramesAndLoop();

    void noTwoPicturesAreTheSame();
    void noTwoPicturesLookAlike();

    void speechBubbleCoversTheTextBox();
    void arrowIsWhiteAndPointsDown();
};

void TestAssets::initTestCase()
{
    Vocalune::initResources();
    QVERIFY2(QDir(":/png/Animals").exists(), "the resource bundle is not registered");
}

void TestAssets::bundleHoldsExactlyTheListedDictionaries()
{
    QStringList listed;
    for (const ListedDictionary &dictionary : listedDictionaries())
        listed << dictionary.name;
    QVERIFY2(listed.size() >= 10, qPrintable(listed.join(", ")));
    listed.sort();
    QCOMPARE(bundledDictionaries(":/png"), listed);
    QCOMPARE(bundledDictionaries(":/mp3"), listed);
}

void TestAssets::animalsKeepTheirWords()
{
    QCOMPARE(bundledFileNames(":/png/Animals"), withSuffix(animalWords(), ".png"));
    QCOMPARE(bundledFileNames(":/mp3/Animals"), withSuffix(animalWords(), ".mp3"));
}

void TestAssets::dictionaryFoldersHoldExactlyTheWords_data()
{
    QTest::addColumn<QString>("dictionary");
    QTest::addColumn<QStringList>("words");
    for (const ListedDictionary &dictionary : listedDictionaries())
        QTest::newRow(qPrintable(dictionary.name)) << dictionary.name << dictionary.words;
}

void TestAssets::dictionaryFoldersHoldExactlyTheWords()
{
    QFETCH(QString, dictionary);
    QFETCH(QStringList, words);
    QVERIFY2(words.size() >= 20, qPrintable(QString::number(words.size())));
    QCOMPARE(bundledFileNames(":/png/" + dictionary), withSuffix(words, ".png"));
    QCOMPARE(bundledFileNames(":/mp3/" + dictionary), withSuffix(words, ".mp3"));
}

// The Word Game draws from the chosen dictionaries together: a word in two of
// them would deal two right answers.
void TestAssets::namesArePlainAndNoWordIsInTwoDictionaries()
{
    QHash<QString, QString> dictionaryOf; // lower-case word -> dictionary
    int words = 0;
    for (const QString &dictionary : bundledDictionaries(":/png")) {
        QVERIFY2(isPlainName(dictionary), qPrintable(dictionary));
        for (const QString &file : QDir(":/png/" + dictionary).entryList(QDir::Files)) {
            QVERIFY2(file.endsWith(".png"), qPrintable(file));
            const QString word = file.chopped(4);
            QVERIFY2(isPlainName(word), qPrintable(dictionary + "/" + file));
            const QString key = word.toLower();
            QVERIFY2(!dictionaryOf.contains(key),
                     qPrintable(word + " is in " + dictionary + " and " + dictionaryOf.value(key)));
            dictionaryOf.insert(key, dictionary);
            ++words;
        }
    }
    QVERIFY2(words >= 46 + 240, qPrintable(QString::number(words)));
}

void TestAssets::pictureDecodesWithAlpha_data()
{
    QTest::addColumn<QString>("path");
    for (const QString &path : bundledFiles(":/png"))
        QTest::newRow(qPrintable(path.mid(6))) << path;
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

// Seconds: a spoken word or two; the owl's short sentence, longer but not
// keeping a child waiting; a chime over before the next round's word.
void TestAssets::recordingIsMpeg2Layer3At24kHzMono_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<double>("shortest");
    QTest::addColumn<double>("longest");
    for (const QString &path : bundledFiles(":/mp3"))
        QTest::newRow(qPrintable(path.mid(6))) << path << 0.55 << 2.1;
    for (const char *language : {"en", "de", "es", "fi", "fr", "sv"}) {
        for (const char *key : {"choose-game", "find-picture", "find-pairs", "tap-picture"}) {
            const QString path = QString(":/voice/%1/%2.mp3").arg(language, key);
            QTest::newRow(qPrintable(path.mid(2))) << path << 0.5 << 4.0;
        }
    }
    QTest::newRow("voice/praise.mp3") << ":/voice/praise.mp3" << 0.1 << 0.7;
    QTest::newRow("voice/comfort.mp3") << ":/voice/comfort.mp3" << 0.1 << 0.7;
}

void TestAssets::recordingIsMpeg2Layer3At24kHzMono()
{
    QFETCH(QString, path);
    QFETCH(double, shortest);
    QFETCH(double, longest);
    const QByteArray data = readResource(path);
    QVERIFY2(!data.isEmpty(), qPrintable(path));

    int at = firstFrameOffset(data);
    QVERIFY2(at >= 0, "malformed ID3v2 tag");

    const FrameHeader first = parseFrameHeader(data, at);
    QVERIFY2(first.sync, "no frame sync after the tag");
    QCOMPARE(first.versionBits, 2); // MPEG-2
    QCOMPARE(first.layerBits, 1);   // Layer III
    QCOMPARE(first.sampleRateIndex, 1);
    QCOMPARE(first.mpeg2SampleRate(), 24000);
    QCOMPARE(first.channelMode, 3); // mono

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
    const double seconds = frames * 576.0 / 24000.0; // 576 samples a frame
    QVERIFY2(seconds >= shortest && seconds <= longest, qPrintable(QString::number(seconds) + " s"));
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
    QStringList paths = bundledFiles(":/png");
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

// Pictures that differ only slightly (a re-encoded or barely tinted copy)
// would show two words the same way. The threshold sits well below the
// closest pair of distinct pictures (about 10, for Egg and Onion).
void TestAssets::noTwoPicturesLookAlike()
{
    const QStringList paths = bundledFiles(":/png");
    QVector<QImage> thumbnails;
    for (const QString &path : paths) {
        const QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        thumbnails << thumbnail(image);
    }
    for (int i = 0; i < paths.size(); ++i) {
        for (int j = i + 1; j < paths.size(); ++j) {
            const double distance = thumbnailDistance(thumbnails[i], thumbnails[j]);
            QVERIFY2(distance > 4.0,
                     qPrintable(QString("%1 looks like %2 (distance %3)").arg(paths[i], paths[j]).arg(distance)));
        }
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
    QVERIFY2(widestTop > 2 * widestBottom, qPrintable(QString("top %1, bottom %2").arg(widestTop).arg(widestBottom)));
}

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
