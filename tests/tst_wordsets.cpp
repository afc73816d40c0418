#include "DataDirectory.h"
#include "DictionaryDetails.h"
#include "ImportedSets.h"
#include "MainWindow.h"
#include "Settings.h"
#include "Word.h"
#include "WordSetImport.h"
#include "WordSetImporter.h"
#include "WordStore.h"
#include "testsupport.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWidget>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QtEndian>
#include <QtTest>

#include <memory>
#include <sys/stat.h>

namespace {

// The twelve words of the made folder: three of each picture format, five
// with a recording of their own.
const QStringList PngWords = {"Apple", "Ball", "Teddy bear"};
const QStringList JpegWords = {"Dog", "Egg", "Fish"};
const QStringList WebpWords = {"Goat", "Hat", "Ice-cream"};
const QStringList SvgWords = {"Jam", "Kite", "Lion's mane"};
// word -> recording suffix
const QList<QPair<QString, QString>> Recordings = {
    {"Apple", "mp3"}, {"Dog", "wav"}, {"Goat", "ogg"}, {"Jam", "wav"}, {"Teddy bear", "mp3"}};

quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= static_cast<quint8>(byte);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray pngChunk(const QByteArray &type, const QByteArray &data)
{
    QByteArray chunk(4, '\0');
    qToBigEndian<quint32>(static_cast<quint32>(data.size()), chunk.data());
    const QByteArray body = type + data;
    QByteArray crc(4, '\0');
    qToBigEndian<quint32>(crc32(body), crc.data());
    return chunk + body + crc;
}

// A valid PNG start whose header claims the given size: a few bytes.
QByteArray pngHeaderClaiming(quint32 width, quint32 height)
{
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(width, header.data());
    qToBigEndian<quint32>(height, header.data() + 4);
    header[8] = 8; // bit depth
    header[9] = 6; // RGBA
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header)
        + pngChunk("IDAT", qCompress(QByteArray(64, '\0')).mid(4)) + pngChunk("IEND", QByteArray());
}

QByteArray wavBytes()
{
    QByteArray samples(800, '\0');
    QByteArray wav;
    QDataStream out(&wav, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + samples.size());
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(8000) << quint32(16000) << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(samples.size());
    out.writeRawData(samples.constData(), samples.size());
    return wav;
}

QByteArray recordingBytes(const QString &suffix, const QString &word)
{
    if (suffix == "wav")
        return wavBytes() + word.toUtf8();
    if (suffix == "ogg")
        return QByteArray("OggS\0\x02", 6) + word.toUtf8();
    return QByteArray("ID3\x04", 4) + word.toUtf8();
}

// A picture a child would recognise by its colour; wide, so margins show.
QImage picture(const QColor &colour, int width = 400, int height = 200)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QImage noise(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    auto *random = QRandomGenerator::global();
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            image.setPixel(x, y, random->generate() | 0xFF000000u);
    return image;
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image))
        qWarning() << "cannot write" << format << writer.errorString();
    return bytes;
}

QByteArray svg(const QString &colour, const QString &extra = QString())
{
    return QStringLiteral("<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
                          "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"200\" height=\"100\" "
                          "viewBox=\"0 0 200 100\">%2<rect width=\"200\" height=\"100\" fill=\"%1\"/></svg>\n")
        .arg(colour, extra)
        .toUtf8();
}

// Everything below a folder, links not followed: name, kind, size, time and
// the bytes of small files. Equal snapshots mean nothing was written there.
QStringList snapshot(const QString &root)
{
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        QString entry = info.filePath() + " size " + QString::number(info.size()) + " time "
            + QString::number(info.lastModified().toMSecsSinceEpoch());
        if (info.isSymLink())
            entry += " link " + info.symLinkTarget();
        else if (info.isFile() && info.size() < 1024 * 1024)
            entry += " "
                + QCryptographicHash::hash(TestSupport::readFile(info.filePath()), QCryptographicHash::Sha1).toHex();
        entries << entry;
    }
    entries.sort();
    return entries;
}

bool festivalInstalled()
{
    return !QStandardPaths::findExecutable("text2wave").isEmpty();
}

QStringList savedChoice(const QString &path)
{
    QStringList names;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return names;
    QDataStream in(&file);
    while (!in.atEnd()) {
        QString name;
        in >> name;
        names << name;
    }
    return names;
}

} // namespace

class TestWordSets : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestSupport::TemporaryDataLocation> m_location;
    std::unique_ptr<QTemporaryDir> m_sources;

    QString data() const { return m_location->path(); }
    QString sources() const { return m_sources->path(); }
    // The twelve-word folder, named name, in the sources folder.
    QString makeTwelveWordFolder(const QString &name);
    // Six plain PNG pictures, enough for a set.
    QString makeSmallFolder(const QString &name, int count = 6);
    // The data directory holds only these sets (and maybe the saved choice).
    void verifyOnlySets(const QStringList &sets);
    WordSetReport import(const QString &folder, WordSetImporter::ProgressFunction progress = {},
                         const std::atomic<bool> *cancel = nullptr);

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void wordAndSetNames();
    void twelveWordsInFourFormats();
    void hostileFilesAreRefusedOneByOne();
    void refusedSets();
    void noHalfSetAfterVanishedFolderOrFullDisk();
    void cancelHalfwayKeepsNothing();
    void importOnWorkerThreadStopsAHangingVoice();
    void bothGamesShowTheSetInTheWindow();
    void catalogueNeverLetsASetShadowADictionary();
    void removeTakesFilesAndSavedChoice();
    void systemSets_data();
    void systemSets();
    void commandLine();
};

void TestWordSets::initTestCase()
{
    TestSupport::initApplication();
    QVERIFY2(QImageWriter::supportedImageFormats().contains("webp"),
             "Qt's WebP plugin is missing: install qt5-image-formats-plugins (scripts/debian-packages)");
}

void TestWordSets::init()
{
    m_location.reset(new TestSupport::TemporaryDataLocation);
    m_sources.reset(new QTemporaryDir);
    QVERIFY(m_sources->isValid());
    // Festival is slow: only the tests about voices use it.
    WordSetImporter::setSpeechProgram(sources() + "/no-festival-here");
}

void TestWordSets::cleanup()
{
    WordSetImporter::setSpeechProgram(QString());
    delete WordStore::instance();
    m_location.reset();
    m_sources.reset();
}

QString TestWordSets::makeTwelveWordFolder(const QString &name)
{
    const QString folder = sources() + "/" + name;
    QDir().mkpath(folder);
    int hue = 0;
    auto colour = [&hue] { return QColor::fromHsv((hue += 29) % 360, 255, 255); };
    for (const QString &word : PngWords)
        TestSupport::writeFile(folder + "/" + word + ".png", encoded(picture(colour()), "png"));
    for (const QString &word : JpegWords)
        TestSupport::writeFile(folder + "/" + word + ".jpg", encoded(picture(colour(), 3000, 4000), "jpeg"));
    for (const QString &word : WebpWords)
        TestSupport::writeFile(folder + "/" + word + ".webp", encoded(picture(colour(), 100, 100), "webp"));
    for (const QString &word : SvgWords)
        TestSupport::writeFile(folder + "/" + word + ".svg", svg(colour().name()));
    for (const auto &recording : Recordings)
        TestSupport::writeFile(folder + "/" + recording.first + "." + recording.second,
                               recordingBytes(recording.second, recording.first));
    return folder;
}

QString TestWordSets::makeSmallFolder(const QString &name, int count)
{
    const QString folder = sources() + "/" + name;
    QDir().mkpath(folder);
    for (int i = 0; i < count; ++i)
        TestSupport::writeFile(folder + QString("/Word %1.png").arg(i), encoded(picture(Qt::darkGreen), "png"));
    return folder;
}

void TestWordSets::verifyOnlySets(const QStringList &sets)
{
    QStringList expected = sets;
    expected.sort();
    QStringList pictures = QDir(data() + "/png").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QStringList recordings = QDir(data() + "/mp3").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    // The bundled dictionaries' recordings are copied here at every start.
    for (const QString &bundled : ImportedSets::bundledNames())
        recordings.removeAll(bundled);
    pictures.sort();
    recordings.sort();
    QCOMPARE(pictures, expected);
    QCOMPARE(recordings, expected);
    // No build folder stays behind.
    QCOMPARE(QDir(data()).entryList({".import-*"}, QDir::AllEntries | QDir::Hidden), QStringList());
}

WordSetReport TestWordSets::import(const QString &folder, WordSetImporter::ProgressFunction progress,
                                   const std::atomic<bool> *cancel)
{
    WordSetImporter importer(folder);
    importer.setProgress(std::move(progress));
    importer.setCancelFlag(cancel);
    return importer.run();
}

// --- Names ------------------------------------------------------------------

void TestWordSets::wordAndSetNames()
{
    for (const QString &word :
         QStringList{"Chair", "Teddy bear", "Grandma's hat", "T-shirt", "Ёжик", "कुत्ता", "猫", "R2D2",
                     "abcdefghijklmnopqrstuvwx", "🐶", "Dog 🐕‍🦺", "👍🏽", "1️⃣"})
        QVERIFY2(ImportedSets::isWord(word), qPrintable(word));
    for (const QString &word :
         QStringList{"", " Chair", "Chair ", "a.b", "..", "a/b", "a\\b", "Bell\a", "Tab\there", "50%",
                     "abcdefghijklmnopqrstuvwxy", "_under", "\u0301accent", "🏽", "🐶\u200D"})
        QVERIFY2(!ImportedSets::isWord(word), qPrintable(word));
    QVERIFY(ImportedSets::isSetName("Week_12 animals"));
    QVERIFY(!ImportedSets::isSetName(".hidden"));
    QVERIFY(!ImportedSets::isSetName("a:b"));
    QVERIFY(!ImportedSets::isSetName(QString(33, 'a')));
}

// --- The made folder ----------------------------------------------------------

void TestWordSets::twelveWordsInFourFormats()
{
    WordSetImporter::setSpeechProgram(QString());
    const QString folder = makeTwelveWordFolder("Classroom");
    const QStringList before = snapshot(sources());

    QVector<std::tuple<int, int, QString>> steps;
    const WordSetReport report = import(folder, [&steps](int done, int total, const QString &word) {
        steps.append({done, total, word});
    });

    QVERIFY2(report.imported(), qPrintable(report.lines().join('\n')));
    QStringList all = PngWords + JpegWords + WebpWords + SvgWords;
    all.sort();
    QCOMPARE(report.words, all);
    QCOMPARE(report.refused.size(), 0);
    QCOMPARE(report.lines().first(), QString("Imported 12 words into the set \"Classroom\"."));
    // One step per word before it is made, then the end.
    QCOMPARE(steps.size(), 13);
    for (int i = 0; i < 12; ++i)
        QCOMPARE(steps.at(i), std::make_tuple(i, 12, all.at(i)));
    QCOMPARE(steps.last(), std::make_tuple(12, 12, QString()));
    QCOMPARE(snapshot(sources()), before);
    verifyOnlySets({"Classroom"});

    // Every picture at the bundled size, aspect kept on transparent margins.
    for (const QString &word : all) {
        const QImage stored(data() + "/png/Classroom/" + word + ".png");
        QCOMPARE(stored.size(), QSize(512, 512));
        QVERIFY(stored.pixelColor(256, 256).alpha() == 255);
    }
    const QImage wide(data() + "/png/Classroom/Apple.png");
    QCOMPARE(wide.pixelColor(256, 10).alpha(), 0); // 400x200: margins above and below
    QCOMPARE(wide.pixelColor(10, 256).alpha(), 255);
    const QImage tall(data() + "/png/Classroom/Dog.png");
    QCOMPARE(tall.pixelColor(10, 256).alpha(), 0); // 3000x4000 photo: margins left and right
    QCOMPARE(tall.pixelColor(256, 10).alpha(), 255);
    QCOMPARE(QImage(data() + "/png/Classroom/Jam.png").pixelColor(256, 10).alpha(), 0);
    // Recordings are copied byte for byte.
    for (const auto &recording : Recordings) {
        QCOMPARE(TestSupport::readFile(data() + "/mp3/Classroom/" + recording.first + "." + recording.second),
                 recordingBytes(recording.second, recording.first));
    }

    // The catalogue offers it after the bundled dictionaries; both games deal from it.
    WordStore *store = WordStore::instance();
    QVERIFY(store->loadLists());
    QCOMPARE(store->dictionaries().last(), QString("Classroom"));
    QVERIFY(!store->chosenDictionaries().contains("Classroom"));
    QVERIFY(store->addList(store->dictionaries().indexOf("Classroom")));
    while (store->chosenDictionaries().first() != "Classroom")
        QVERIFY(store->removeList(0));
    QVERIFY(store->buildWordPool());
    QStringList pooled;
    for (const Word *word : store->pool()) {
        pooled << word->word();
        const QUrl address(word->imagePath());
        QVERIFY(address.isLocalFile());
        QCOMPARE(QImage(address.toLocalFile()).size(), QSize(512, 512));
    }
    QCOMPARE(pooled, all);
    Word *target = store->dealWordGameList(6);
    QVERIFY(target);
    QVERIFY(all.contains(target->word()));
    for (const Word *word : store->round())
        QVERIFY(all.contains(word->word()));
    QVERIFY(store->buildWordPool());
    QVERIFY(store->dealPairGameList(6));
    QCOMPARE(int(store->round().size()), 6);
    for (const Word *word : store->round())
        QVERIFY(all.contains(word->word()));

    // Seven words had no recording: Festival speaks them.
    if (!festivalInstalled())
        QSKIP("Festival (text2wave) is not installed: the 7 spoken recordings were not checked");
    QStringList unrecorded = all;
    for (const auto &recording : Recordings)
        unrecorded.removeAll(recording.first);
    QCOMPARE(report.voiced, unrecorded);
    QVERIFY(report.lines().contains("7 words had no recording; the computer voice says them: " + unrecorded.join(", ")
                                    + "."));
    QCOMPARE(report.silent, QStringList());
    QVERIFY(store->buildWordPool());
    for (const Word *word : store->pool()) {
        QFile sound(word->soundPath());
        QVERIFY2(sound.open(QIODevice::ReadOnly), qPrintable(word->soundPath()));
        if (unrecorded.contains(word->word())) {
            QVERIFY(word->soundPath().endsWith(".wav"));
            const QByteArray header = sound.read(12);
            QVERIFY(header.startsWith("RIFF") && header.mid(8, 4) == "WAVE");
            QVERIFY(sound.size() > 1000);
        }
    }
}

// --- Hostile input -------------------------------------------------------------

void TestWordSets::hostileFilesAreRefusedOneByOne()
{
    const QString folder = sources() + "/Hostile";
    QVERIFY(QDir().mkpath(folder + "/Sub"));
    QMap<QString, QString> expected;
    auto add = [&](const QString &name, const QByteArray &bytes, const QString &reason) {
        TestSupport::writeFile(folder + "/" + name, bytes);
        if (!reason.isEmpty())
            expected.insert(name, reason);
    };
    const QByteArray good = encoded(picture(Qt::blue), "png");
    for (const QString &word : QStringList{"Chair", "Desk", "Lamp", "Pen", "Rug"})
        add(word + ".jpg", encoded(picture(Qt::red), "jpeg"), QString());
    // A slash in the SVG's title changes nothing: the word is the file name.
    add("Star.svg", svg("#ff0", "<title>../../escape/evil</title>"), QString());
    add("Song.wav", wavBytes(), QString()); // no picture of that name: refused below

    add("chair.png", good, "same word as Chair.jpg");
    add("Letter.png", "Dear teacher, this is not a picture.", "not a picture");
    add("Noise.webp", QByteArray(500, 'x'), "not a picture");
    const QByteArray jpeg = encoded(noise(300), "jpeg");
    add("Broken.jpg", jpeg.left(jpeg.size() / 2), "damaged picture");
    add("Huge.png", pngHeaderClaiming(100000, 100000), "picture too large (more than 40 megapixels)");
    add("Wide.png", pngHeaderClaiming(9000, 5000), "picture too large (more than 40 megapixels)");
    add("Tall.png", pngHeaderClaiming(20000, 10), "picture too large (more than 40 megapixels)");
    add("Peek.svg", svg("#0f0", "<image width=\"10\" height=\"10\" xlink:href=\"" + sources() + "/secret.png\"/>"),
        "picture uses other files");
    add(".Hidden.png", good, "hidden file (its name starts with a dot)");
    add("..png", good, "hidden file (its name starts with a dot)");
    add("a..b.png", good, "the name is not a word (use letters, digits, emoji, spaces, hyphens and apostrophes)");
    add("Bell\a.png", good, "the name has invisible characters (such as a line break)");
    add("Line\nbreak.png", good, "the name has invisible characters (such as a line break)");
    add(QString(200, 'a') + ".png", good, "the name is too long (more than 24 characters)");
    add(QString(56, 'a') + "🐶🐶🐶.png", good, "the name is too long (more than 24 characters)");
    // What desktops leave behind goes unsaid; an underscore is a space.
    for (const QString &leftover : QStringList{".DS_Store", "THUMBS.DB", "Desktop.ini", "._Chair.jpg"})
        add(leftover, good, QString());
    add("Teddy_bear.png", good, QString());
    add("teddy bear.svg", svg("#f00"), "same word as Teddy_bear.png");
    add("🐕‍🦺.png", good, QString());
    add("Notes.txt", "words", "not a picture or a recording");
    add("Lamp.mp3", "not a recording at all", "not a recording");
    expected.insert("Song.wav", "recording without a picture");
    expected.insert("Sub", "a folder, not a picture");

    // Over 20 MB, without writing 20 MB: a sparse file.
    {
        QFile big(folder + "/Big.png");
        QVERIFY(big.open(QIODevice::WriteOnly));
        QVERIFY(big.resize(20 * 1024 * 1024 + 1));
    }
    expected.insert("Big.png", "file too large (more than 20 MB)");
    // Links: to a picture outside the folder, to a folder, to nowhere.
    TestSupport::writeFile(sources() + "/secret.png", good);
    QVERIFY(QFile::link(sources() + "/secret.png", folder + "/Outside.png"));
    QVERIFY(QFile::link(sources(), folder + "/Up.png"));
    QVERIFY(QFile::link(sources() + "/nothing.png", folder + "/Dangling.png"));
    for (const QString &link : QStringList{"Outside.png", "Up.png", "Dangling.png"})
        expected.insert(link, "a shortcut to another file (copy the file itself into the folder)");
    // A pipe under a picture's name would block a plain read for ever.
    QCOMPARE(mkfifo(QFile::encodeName(folder + "/Pipe.png").constData(), 0600), 0);
    expected.insert("Pipe.png", "not a picture");

    const QStringList before = snapshot(sources());
    const WordSetReport report = import(folder);

    QVERIFY2(report.imported(), qPrintable(report.lines().join('\n')));
    QCOMPARE(report.words, QStringList({"Chair", "Desk", "Lamp", "Pen", "Rug", "Star", "Teddy bear", "🐕‍🦺"}));
    QMap<QString, QString> refused;
    for (const auto &refusal : report.refused)
        refused.insert(refusal.file, refusal.reason);
    QCOMPARE(refused, expected);
    // Without Festival every word is silent, and the import says why.
    QCOMPARE(report.silent, report.words);
    QVERIFY(report.lines().contains("8 words had no recording and stay silent: Chair, Desk, Lamp, Pen, Rug, Star, "
                                    "Teddy bear, 🐕‍🦺 (the computer voice is not installed)."));
    // The report stays one line per item, whatever the names hold.
    const QStringList lines = report.lines();
    QCOMPARE(lines.size(), 2 + expected.size());
    for (const QString &line : lines) {
        for (const QChar c : line)
            QVERIFY2(c.category() != QChar::Other_Control, qPrintable(line));
        QVERIFY(line.size() < 200);
        QCOMPARE(QString::fromUtf8(line.toUtf8()), line); // no half of a surrogate pair
    }
    QVERIFY(lines.contains("Bell?.png: the name has invisible characters (such as a line break)"));

    QCOMPARE(snapshot(sources()), before);
    verifyOnlySets({"Hostile"});
    QCOMPARE(QDir(data() + "/png/Hostile").entryList(QDir::Files),
             QStringList({"Chair.png", "Desk.png", "Lamp.png", "Pen.png", "Rug.png", "Star.png", "Teddy bear.png",
                          "🐕‍🦺.png"}));
    QCOMPARE(QDir(data() + "/mp3/Hostile").entryList(QDir::Files), QStringList());
}

void TestWordSets::refusedSets()
{
    // A set of that name already there.
    QVERIFY(import(makeSmallFolder("Pets")).imported());
    QDir().mkpath(sources() + "/again");
    const QString again = makeSmallFolder("again/PETS");
    // Bundled names, whatever their case; the first bundled dictionary stands for all.
    const QString bundled = ImportedSets::bundledNames().value(0);
    QVERIFY(!bundled.isEmpty());
    QDir().mkpath(sources() + "/upper");
    const QString bundledFolder = makeSmallFolder(bundled);
    const QString bundledUpper = makeSmallFolder("upper/" + bundled.toUpper());
    QVERIFY(QDir().mkpath(sources() + "/Empty"));
    const QString tooFew = makeSmallFolder("Five", 5);
    const QString hiddenName = makeSmallFolder(".secret");
    const QString badName = makeSmallFolder("What: now");
    const QString longName = makeSmallFolder(QString(33, 'n'));
    TestSupport::writeFile(sources() + "/File", "not a folder");

    const QList<QPair<QString, QString>> cases = {
        {again, "there is already a set called \"PETS\"; remove it or rename the folder"},
        {bundledFolder, QString("there is already a dictionary called \"%1\"; rename the folder").arg(bundled)},
        {bundledUpper,
         QString("there is already a dictionary called \"%1\"; rename the folder").arg(bundled.toUpper())},
        {sources() + "/Empty", "there is no picture in the folder"},
        {tooFew, "only 5 words could be made, and a set needs at least 6"},
        {hiddenName,
         "the folder's name cannot be a set's name (use up to 32 letters, digits, spaces, hyphens, apostrophes "
         "and underscores)"},
        {badName,
         "the folder's name cannot be a set's name (use up to 32 letters, digits, spaces, hyphens, apostrophes "
         "and underscores)"},
        {longName,
         "the folder's name cannot be a set's name (use up to 32 letters, digits, spaces, hyphens, apostrophes "
         "and underscores)"},
        {sources() + "/File", "that is not a folder"},
        {sources() + "/Missing", "the folder does not exist"},
    };
    const QStringList before = snapshot(sources());
    const QStringList dataBefore = snapshot(data());
    for (const auto &refusedCase : cases) {
        const WordSetReport report = import(refusedCase.first);
        QCOMPARE(report.outcome, WordSetReport::Outcome::Failed);
        QCOMPARE(report.failure, refusedCase.second);
        QCOMPARE(report.lines().first(), "Nothing was imported: " + refusedCase.second + ".");
        QVERIFY(report.words.isEmpty());
    }
    QCOMPARE(snapshot(sources()), before);
    QCOMPARE(snapshot(data()), dataBefore);
    verifyOnlySets({"Pets"});
}

void TestWordSets::noHalfSetAfterVanishedFolderOrFullDisk()
{
    // The folder goes away after three words (a USB stick pulled out).
    const QString folder = makeTwelveWordFolder("Stick");
    const WordSetReport vanished = import(folder, [&folder](int done, int, const QString &) {
        if (done == 3)
            QDir(folder).removeRecursively();
    });
    QCOMPARE(vanished.outcome, WordSetReport::Outcome::Failed);
    QCOMPARE(vanished.failure, QString("the folder disappeared during the import (was the USB stick removed?)"));
    verifyOnlySets({});

    // A full disk: every file this process writes stops at 1 KB.
    const QString noisy = sources() + "/Noisy";
    QDir().mkpath(noisy);
    for (int i = 0; i < 6; ++i)
        TestSupport::writeFile(noisy + QString("/N%1.png").arg(i), encoded(noise(300), "png"));
    const WordSetReport full = [&] {
        TestSupport::FullDisk disk(1024);
        return import(noisy);
    }();
    QCOMPARE(full.outcome, WordSetReport::Outcome::Failed);
    QVERIFY2(full.failure.startsWith("nothing can be saved in the game's folder "), qPrintable(full.failure));
    verifyOnlySets({});

    // The data directory cannot hold the set: a file stands where its folder goes.
    QVERIFY(QFile::remove(data() + "/png") || QDir(data() + "/png").removeRecursively());
    TestSupport::writeFile(data() + "/png", "in the way");
    const WordSetReport blocked = import(noisy);
    QCOMPARE(blocked.outcome, WordSetReport::Outcome::Failed);
    QVERIFY(QFileInfo(data() + "/png").isFile());
    QVERIFY(!QFile::exists(data() + "/mp3/Noisy"));
    QCOMPARE(QDir(data()).entryList({".import-*"}, QDir::AllEntries | QDir::Hidden), QStringList());
    // Nor can a data directory that cannot be made.
    TestSupport::TemporaryDataLocation elsewhere;
    TestSupport::writeFile(QFileInfo(elsewhere.path()).path(), "a file, not a folder");
    QCOMPARE(import(noisy).outcome, WordSetReport::Outcome::Failed);
    QVERIFY(!QFileInfo(elsewhere.path()).isDir());
}

void TestWordSets::cancelHalfwayKeepsNothing()
{
    const QString folder = makeTwelveWordFolder("Halfway");
    std::atomic<bool> cancel{false};
    int lastStep = -1;
    const WordSetReport report = import(
        folder,
        [&](int done, int, const QString &) {
            lastStep = done;
            if (done == 6)
                cancel = true;
        },
        &cancel);
    QCOMPARE(report.outcome, WordSetReport::Outcome::Cancelled);
    QCOMPARE(lastStep, 6);
    QCOMPARE(report.lines(), QStringList({"Import cancelled: nothing was kept."}));
    verifyOnlySets({});
    WordStore::instance()->loadLists();
    QVERIFY(!WordStore::instance()->dictionaries().contains("Halfway"));
}

void TestWordSets::importOnWorkerThreadStopsAHangingVoice()
{
    // A voice that never answers: only Cancel ends the import.
    const QString hanging = sources() + "/hanging-voice";
    TestSupport::writeFile(hanging, "#!/bin/sh\nexec sleep 600\n");
    QFile::setPermissions(hanging, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    WordSetImporter::setSpeechProgram(hanging);
    const QString folder = makeSmallFolder("Slow");

    WordSetImport page;
    QSignalSpy progress(&page, &WordSetImport::progressChanged);
    QSignalSpy finished(&page, &WordSetImport::finished);
    QVERIFY(page.start(QUrl::fromLocalFile(folder).toString()));
    QVERIFY(page.running());
    QVERIFY(!page.start(folder));
    QVERIFY(progress.wait());
    QCOMPARE(page.total(), 6);
    QCOMPARE(page.currentWord(), QString("Word 0"));
    page.cancel();
    QVERIFY(finished.wait(20000));
    QVERIFY(!page.running());
    QCOMPARE(finished.first().at(0).toBool(), false);
    QCOMPARE(page.report(), QStringList({"Import cancelled: nothing was kept."}));
    verifyOnlySets({});

    // The same object imports next time, and the store's catalogue follows.
    WordSetImporter::setSpeechProgram("/bin/false");
    WordStore::instance()->loadLists();
    QVERIFY(page.start(folder));
    QVERIFY(finished.wait(20000));
    QCOMPARE(finished.last().at(0).toBool(), true);
    QCOMPARE(finished.last().at(2).toString(), QString("Slow"));
    QCOMPARE(page.report().first(), QString("Imported 6 words into the set \"Slow\"."));
    QVERIFY(page.report().contains("6 words had no recording and stay silent: Word 0, Word 1, Word 2, Word 3, "
                                   "Word 4, Word 5 (the computer voice did not work)."));
    QVERIFY(WordStore::instance()->dictionaries().contains("Slow"));
}

// --- Catalogue, removal and the saved choice --------------------------------

void TestWordSets::bothGamesShowTheSetInTheWindow()
{
    QVERIFY(import(makeTwelveWordFolder("Classroom")).imported());
    // The saved choice names the set alone.
    WordStore *store = WordStore::instance();
    QVERIFY(store->loadLists());
    QVERIFY(store->addList(store->dictionaries().indexOf("Classroom")));
    while (store->chosenDictionaries().first() != "Classroom")
        QVERIFY(store->removeList(0));
    QVERIFY(store->saveLists());
    delete store;

    const QStringList words = PngWords + JpegWords + WebpWords + SvgWords;
    // Each game started from the menu as a player does; every tile of its
    // page shows a stored picture of the set.
    auto play = [&](const char *button, MainWindow::Page page, int tiles) {
        TestSupport::TestWindow window;
        window.appSettings()->setMute(true);
        QVERIFY(window.tap(MainWindow::PageMain, "newGameButton"));
        QVERIFY(window.tap(MainWindow::PageNewGame, button));
        QCOMPARE(window.currentPage(), int(page));

        QQuickItem *root = window.view(page)->rootObject();
        int shown = 0;
        for (int k = 0; k < tiles; ++k) {
            QQuickItem *icon = TestSupport::findItem(root, QString("icon%1").arg(k));
            QVERIFY2(icon, qPrintable(QString("icon%1").arg(k)));
            const QUrl address(icon->property("iconPath").toString());
            QVERIFY2(address.isLocalFile(), qPrintable(address.toString()));
            QVERIFY(address.toLocalFile().startsWith(data() + "/png/Classroom/"));
            QVERIFY(words.contains(QFileInfo(address.toLocalFile()).completeBaseName()));
            // The picture sits somewhere inside the tile's frame.
            QList<QQuickItem *> items = icon->childItems();
            while (!items.isEmpty()) {
                QQuickItem *child = items.takeFirst();
                items += child->childItems();
                if (child->metaObject()->className() == QByteArray("QQuickImage")) {
                    QCOMPARE(child->property("status").toInt(), 1); // Image.Ready
                    ++shown;
                }
            }
        }
        QCOMPARE(shown, tiles);
        if (qEnvironmentVariableIsSet("VOCALUNE_SCREENSHOT_DIR")) {
            window.view(page)->grabFramebuffer().save(qEnvironmentVariable("VOCALUNE_SCREENSHOT_DIR")
                                                      + QString("/wordset-%1.png").arg(button));
        }
    };
    play("wordGameButton", MainWindow::PageWordGame, 10);
    play("pairGameButton", MainWindow::PagePairGame, 6);
}

void TestWordSets::catalogueNeverLetsASetShadowADictionary()
{
    const QString bundled = ImportedSets::bundledNames().value(0);
    // Folders put in the data directory by hand: one under a bundled name in
    // another case, one with five words, a link to a set elsewhere.
    QVERIFY(import(makeSmallFolder("Real")).imported());
    QVERIFY(QDir().rename(data() + "/png/Real", data() + "/png/" + bundled.toLower()));
    QVERIFY(import(makeSmallFolder("Real")).imported());
    QVERIFY(import(makeSmallFolder("Short")).imported());
    QVERIFY(QFile::remove(data() + "/png/Short/Word 5.png"));
    QVERIFY(QFile::link(data() + "/png/Real", data() + "/png/Linked"));

    QCOMPARE(ImportedSets::names(), QStringList({"Real"}));
    WordStore *store = WordStore::instance();
    QVERIFY(store->loadLists());
    QStringList all = store->dictionaries() + store->chosenDictionaries();
    all.sort();
    QStringList expected = ImportedSets::bundledNames() + QStringList{"Real"};
    expected.sort();
    QCOMPARE(all, expected);
    // The bundled dictionary's words still come from the bundle.
    while (store->chosenDictionaries().first() != bundled)
        QVERIFY(store->addList(store->dictionaries().indexOf(bundled)) && store->removeList(0));
    QVERIFY(store->buildWordPool());
    QVERIFY(!store->pool().empty());
    for (const Word *word : store->pool())
        QVERIFY(word->imagePath().startsWith(":/png/" + bundled + "/"));
}

void TestWordSets::removeTakesFilesAndSavedChoice()
{
    QVERIFY(import(makeSmallFolder("Family")).imported());
    QVERIFY(import(makeSmallFolder("Garden")).imported());
    const QString bundled = ImportedSets::bundledNames().value(0);
    const QString choiceFile = data() + "/dictionaries.dat";

    // Choose both sets after the bundled dictionary and save.
    WordStore *store = WordStore::instance();
    QVERIFY(store->loadLists());
    QCOMPARE(store->chosenDictionaries(), QStringList({bundled}));
    QVERIFY(store->addList(store->dictionaries().indexOf("Garden")));
    QVERIFY(store->addList(store->dictionaries().indexOf("Family")));
    QVERIFY(store->saveLists());
    QCOMPARE(savedChoice(choiceFile), QStringList({bundled, "Garden", "Family"}));
    delete store;
    store = WordStore::instance();
    QVERIFY(store->loadLists());
    QCOMPARE(store->chosenDictionaries(), QStringList({bundled, "Garden", "Family"}));

    // An unsaved move stays unsaved when a set goes.
    QVERIFY(store->removeList(0));
    WordSetImport page;
    QSignalSpy removed(&page, &WordSetImport::removed);
    QVERIFY(!page.canRemove(bundled));
    QVERIFY(!page.remove(bundled));
    QVERIFY(!page.remove(bundled.toLower()));
    QVERIFY(!page.remove("Nothing"));
    QVERIFY(!page.remove("../png"));
    QVERIFY(page.canRemove("Garden"));
    QVERIFY(page.remove("Garden"));
    QCOMPARE(removed.count(), 1);
    QVERIFY(!QFile::exists(data() + "/png/Garden"));
    QVERIFY(!QFile::exists(data() + "/mp3/Garden"));
    QVERIFY(QDir(":/png/" + bundled).exists());
    QCOMPARE(savedChoice(choiceFile), QStringList({bundled, "Family"}));
    QCOMPARE(store->chosenDictionaries(), QStringList({"Family"}));
    QVERIFY(!store->dictionaries().contains("Garden"));
    verifyOnlySets({"Family"});

    // The last chosen set goes: the games still have a dictionary.
    QVERIFY(page.remove("Family"));
    QCOMPARE(savedChoice(choiceFile), QStringList({bundled}));
    QCOMPARE(store->chosenDictionaries().size(), 1);
    QVERIFY(!store->chosenDictionaries().contains("Family"));
    verifyOnlySets({});
    delete store;
    QVERIFY(WordStore::instance()->loadLists());
    QCOMPARE(WordStore::instance()->chosenDictionaries(), QStringList({bundled}));
}

// --- Sets for every user -------------------------------------------------------

void TestWordSets::systemSets_data()
{
    // What each folder of $XDG_DATA_DIRS holds as "Pets", and the one listed (0: none).
    QTest::addColumn<QStringList>("held");
    QTest::addColumn<int>("listed");
    QTest::newRow("second folder") << QStringList{"", "set"} << 2;
    QTest::newRow("first folder wins") << QStringList{"set", "set"} << 1;
    QTest::newRow("linked set folder") << QStringList{"link", ""} << 0;
    QTest::newRow("too few words") << QStringList{"", "small"} << 0;
    QTest::newRow("too few in the first") << QStringList{"small", "set"} << 2;
}

void TestWordSets::systemSets()
{
    QFETCH(QStringList, held);
    QFETCH(int, listed);
    // The player's own Pets came first.
    QVERIFY(import(makeSmallFolder("Pets")).imported());
    const QStringList own = snapshot(data() + "/png");
    const QString outside = makeSmallFolder("Outside") + "/Word 0.png";
    for (int i = 0; i < 2; ++i) {
        const QString root = m_location->systemDataDir(i) + "/vocalune/wordsets";
        const QString folder = held[i] == "link" ? sources() + "/linked" : root + "/png/Pets";
        QVERIFY(held[i].isEmpty() || (QDir().mkpath(folder) && QDir().mkpath(root + "/png")));
        for (int k = 0; k < (held[i] == "small" ? 5 : held[i].isEmpty() ? 0 : 6); ++k)
            TestSupport::writeFile(QString("%1/Folder%2 word%3.png").arg(folder).arg(i + 1).arg(k),
                                   encoded(picture(Qt::blue), "png"));
        // Neither a linked folder nor a linked picture is read.
        QVERIFY(held[i] != "link" || QFile::link(folder, root + "/png/Pets"));
        QVERIFY(held[i] != "set" || QFile::link(outside, folder + "/Outside.png"));
    }
    WordStore *store = WordStore::instance();
    QVERIFY(store->loadLists() && (store->dictionaries() + store->chosenDictionaries()).count("Pets") == 1);
    QVERIFY(store->addList(store->dictionaries().indexOf("Pets")));
    // Its last word in name order, where a linked picture would come last.
    const WordStore::Entry last = store->chosenWords().last();
    const QString word = last.word + " " + QUrl(last.imagePath).toLocalFile();
    WordSetImport page;
    const bool removable = DictionaryDetails::describe({"Pets"}).value("Pets").toMap().value("removable").toBool();
    if (listed == 0) {
        QCOMPARE(word, "Word 5 " + data() + "/png/Pets/Word 5.png");
        QVERIFY(removable && page.canRemove("Pets"));
        return;
    }
    // Played from the listed folder, removed by nobody; the player's own set stays as it was.
    const QString root = m_location->systemDataDir(listed - 1) + "/vocalune/wordsets";
    QCOMPARE(word, QString("Folder%1 word5 %2/png/Pets/Folder%1 word5.png").arg(listed).arg(root));
    QVERIFY(!removable && !page.canRemove("Pets") && !page.remove("Pets"));
    QVERIFY(!WordSetImporter::removeSetFiles("Pets"));
    QCOMPARE(snapshot(data() + "/png"), own);
    QCOMPARE(import(makeSmallFolder("again/pets")).failure,
             QString("there is already a set called \"pets\" for every user of this computer; rename the folder"));
}

// --- The command line ---------------------------------------------------------

void TestWordSets::commandLine()
{
    const QString home = sources() + "/home";
    QVERIFY(QDir().mkpath(home));
    // No display at all, Festival out of reach (PATH), data in a home of its own.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    environment.insert("HOME", home);
    environment.insert("XDG_DATA_HOME", home + "/share");
    environment.insert("PATH", home);
    QString errors;
    auto run = [&environment, &errors](const QStringList &arguments, QString *out) {
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(VOCALUNE_PROGRAM), arguments);
        if (!program.waitForFinished(120000)) {
            program.kill();
            program.waitForFinished();
            return -1;
        }
        *out = QString::fromUtf8(program.readAllStandardOutput());
        errors = QString::fromUtf8(program.readAllStandardError());
        return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -2;
    };

    QString out;
    QCOMPARE(run({"--help"}, &out), 0);
    QVERIFY2(out.contains("--import-word-set <folder>") && out.contains("--to <folder>"), qPrintable(out));

    const QString folder = makeSmallFolder("Lesson 3");
    TestSupport::writeFile(folder + "/Bad.png", "not really");
    QCOMPARE(run({"--import-word-set", folder}, &out), 0);
    QCOMPARE(out,
             QString("Imported 6 words into the set \"Lesson 3\".\n"
                     "6 words had no recording and stay silent: Word 0, Word 1, Word 2, Word 3, Word 4, Word 5 "
                     "(the computer voice is not installed).\n"
                     "Bad.png: not a picture\n"));
    DataDirectory::setPlatformLocationProvider([home] { return home + "/share/Vocalune"; });
    QCOMPARE(ImportedSets::names(), QStringList({"Lesson 3"}));
    QCOMPARE(ImportedSets::words("Lesson 3").size(), 6);

    // Nothing imported: exit code 1 with the reasons.
    QCOMPARE(run({"--import-word-set", folder}, &out), 1);
    QCOMPARE(out,
             QString("Nothing was imported: there is already a set called \"Lesson 3\"; "
                     "remove it or rename the folder.\n"));
    const QString hostile = sources() + "/Junk";
    QVERIFY(QDir().mkpath(hostile));
    TestSupport::writeFile(hostile + "/Chair.png", "text");
    TestSupport::writeFile(hostile + "/Huge.png", pngHeaderClaiming(100000, 100000));
    QCOMPARE(run({"--import-word-set=" + hostile}, &out), 1);
    QCOMPARE(out,
             QString("Nothing was imported: none of the pictures could be used.\n"
                     "Chair.png: not a picture\n"
                     "Huge.png: picture too large (more than 40 megapixels)\n"));
    QVERIFY(run({"--import-word-set"}, &out) > 0);
    // The administrator's lock holds here too.
    QVERIFY(QDir().mkpath(home + "/xdg/Vocalune"));
    TestSupport::writeFile(home + "/xdg/Vocalune/vocalune.conf", "[Lock]\nimport=true\n");
    environment.insert("XDG_CONFIG_DIRS", home + "/xdg");
    QCOMPARE(run({"--import-word-set", makeSmallFolder("Lesson 4")}, &out), 1);
    QVERIFY2(errors.contains("the administrator has locked importing"), qPrintable(errors));
    environment.remove("XDG_CONFIG_DIRS");
    QCOMPARE(ImportedSets::names(), QStringList({"Lesson 3"}));

    // For every user: the layout under the folder --to names, readable by all whatever the umask.
    const QString shared = m_location->systemDataDir(1) + "/vocalune/wordsets";
    const mode_t mask = umask(077);
    QCOMPARE(run({"--import-word-set", folder, "--to", shared}, &out), 0);
    umask(mask);
    QVERIFY2(out.startsWith("Imported 6 words into the set \"Lesson 3\".\n"), qPrintable(out));
    QCOMPARE(ImportedSets::rootOf("Lesson 3"), shared);
    for (const QString &path :
         {shared, shared + "/png/Lesson 3", shared + "/mp3/Lesson 3", shared + "/png/Lesson 3/Word 5.png"})
        QCOMPARE(int(QFileInfo(path).permissions() & 0x7077), QFileInfo(path).isDir() ? 0x7055 : 0x6044); // 755, 644
    // A target that cannot be made: 1, the reason in one line, nothing written.
    TestSupport::writeFile(home + "/plain", "a file");
    QCOMPARE(run({"--import-word-set", folder, "--to", home + "/plain/wordsets"}, &out), 1);
    QCOMPARE(out, QString());
    QCOMPARE(errors.trimmed().split('\n').last(),
             "Nothing was imported: nothing can be written in the folder " + home
                 + "/plain/wordsets (no permission, or the disk is full).");
    QCOMPARE(TestSupport::readFile(home + "/plain"), QByteArray("a file"));

    // Every player's words as CSV, without a window; where it cannot write: 1 and why, in a line.
    QCOMPARE(run({"--export-progress", home + "/progress.csv"}, &out), 0);
    QFile csv(home + "/progress.csv");
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QCOMPARE(csv.readAll(), QByteArray("player,dictionary,word,box,right_first_try,mistakes,first_seen,last_seen\r\n"));
    QCOMPARE(run({"--export-progress", home + "/no such folder/progress.csv"}, &out), 1);
    QVERIFY2(errors.endsWith("\n")
                 && errors.split('\n').value(errors.count('\n') - 1) == "Could not export: No such file or directory",
             qPrintable(errors));

    // A class's words, from the server vocalune.conf names, for its teacher.
    TestSupport::PostgresServer server;
    QVERIFY2(server.error().isEmpty() && server.addLogin("class_2b", "2B"), qPrintable(server.error()));
    server.sql("INSERT INTO pupils (class, name) VALUES ('2B', 'Ann'); INSERT INTO answers (id, class, pupil,"
               " dictionary, word, game, outcome, at) VALUES (gen_random_uuid(), '2B', 'Ann', 'Animals', 'Cat', 0, 1,"
               " now())");
    TestSupport::writeFile(home + "/xdg/Vocalune/vocalune.conf",
                           "[Progress]\nserver=" + server.address("class_2b").toEncoded() + "\nclass=2B\n");
    environment.insert("XDG_CONFIG_DIRS", home + "/xdg");
    environment.insert("PGPASSFILE", qEnvironmentVariable("PGPASSFILE"));
    QCOMPARE(run({"--export-progress", home + "/class.csv", "--class", "2B"}, &out), 0);
    QVERIFY(TestSupport::readFile(home + "/class.csv").contains("\r\nAnn,Animals,Cat,1,0,1,"));
    QCOMPARE(run({"--export-progress", home + "/class.csv", "--class", "2B'; --"}, &out), 1);
}

QTEST_MAIN(TestWordSets)
#include "tst_wordsets.moc"
