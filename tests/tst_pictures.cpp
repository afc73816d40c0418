// The picture provider that serves the vocabulary pictures to the tiles.
#include "testsupport.h"

#include "PictureProvider.h"

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QTest>

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::initApplication(); }
    void init()
    {
        PictureProvider::clear();
        PictureProvider::setPrefetching(true);
    }

    void scalesToTheTileKeepingTheShape();
    void theArtFillsTheTile_data();
    void theArtFillsTheTile();
    void decodesEachPictureOncePerSize();
    void decodesADictionaryAheadWithinTheBudget();
    void unknownPicturesGiveNothing();
};

void TestPictures::scalesToTheTileKeepingTheShape()
{
    PictureProvider provider;
    QSize size;
    const QImage picture = provider.requestImage("png/Animals/Cat.png", &size, QSize(100, 50));
    QCOMPARE(picture.size(), QSize(50, 50));
    QCOMPARE(size, QSize(50, 50));
    QVERIFY(picture.hasAlphaChannel());

    // Never scaled up, and whole when no size is asked for.
    const QImage natural = provider.requestImage("png/Animals/Cat.png", &size, QSize());
    QCOMPARE(natural.size(), QImage(":/png/Animals/Cat.png").size());
    QCOMPARE(provider.requestImage("png/Animals/Cat.png", &size, QSize(1000, 1000)).size(), natural.size());
}

void TestPictures::theArtFillsTheTile_data()
{
    QTest::addColumn<QSize>("box");
    QTest::newRow("square") << QSize(64, 64);
    QTest::newRow("wide") << QSize(170, 54);
    QTest::newRow("tall") << QSize(54, 171);
}

// Without its clear border, every bundled picture is as large as the box
// allows and its art reaches the picture's edges.
void TestPictures::theArtFillsTheTile()
{
    QFETCH(QSize, box);
    PictureProvider::setPrefetching(false);
    PictureProvider provider;
    auto shows = [](const QImage &picture, int x, int y, int dx, int dy) {
        for (; x < picture.width() && y < picture.height(); x += dx, y += dy) {
            if (qAlpha(picture.pixel(x, y)) > 0)
                return true;
        }
        return false;
    };
    int checked = 0;
    for (QDirIterator it(":/png", {"*.png"}, QDir::Files, QDirIterator::Subdirectories); it.hasNext(); ++checked) {
        QSize size;
        const QImage art = provider.requestImage(it.next().mid(2), &size, box);
        // The picture keeps its shape (a square one stays square in any box),
        // fills the box on its limiting side and its art reaches its edges
        // along its longer side.
        const bool fills = (art.width() == box.width() || art.height() == box.height())
            && QRect(QPoint(), box).contains(art.rect());
        const bool across = shows(art, 0, 0, 0, 1) && shows(art, art.width() - 1, 0, 0, 1);
        const bool down = shows(art, 0, 0, 1, 0) && shows(art, 0, art.height() - 1, 1, 0);
        QVERIFY2(fills && (across || down),
                 qPrintable(QString("%1: %2x%3").arg(it.filePath()).arg(art.width()).arg(art.height())));
    }
    QVERIFY(checked >= 300);
}

void TestPictures::decodesEachPictureOncePerSize()
{
    // Counts the view's own decodes, without the dictionary's decoded ahead.
    PictureProvider::setPrefetching(false);
    PictureProvider provider;
    QSize size;
    const QImage first = provider.requestImage("png/Animals/Dog.png", &size, QSize(64, 64));
    QCOMPARE(PictureProvider::cachedCount(), 1);
    const QImage again = provider.requestImage("png/Animals/Dog.png", &size, QSize(64, 64));
    QCOMPARE(PictureProvider::cachedCount(), 1);
    // The very same decoded pixels, shared, not decoded anew.
    QCOMPARE(again.constBits(), first.constBits());
    provider.requestImage("png/Animals/Dog.png", &size, QSize(32, 32));
    QCOMPARE(PictureProvider::cachedCount(), 2);

    // Large tiles on a large screen: what the cache holds stays within its
    // budget of 32 MB, however many sizes are asked for.
    QStringList pictures = QDir(":/png/Animals").entryList(QDir::Files);
    QVERIFY(pictures.size() >= 40);
    qint64 asked = 0;
    for (int side : {256, 252, 248, 244}) {
        for (const QString &name : pictures) {
            const QImage large = provider.requestImage("png/Animals/" + name, &size, QSize(side, side));
            QCOMPARE(large.width(), side);
            asked += large.sizeInBytes();
        }
    }
    QVERIFY(asked > 40 * 1024 * 1024);
    QVERIFY(PictureProvider::cachedCount() * 244 * 244 * 4 <= 32 * 1024 * 1024);
}

void TestPictures::decodesADictionaryAheadWithinTheBudget()
{
    PictureProvider provider;
    QSize size;
    const int animals = QDir(":/png/Animals").entryList({"*.png"}, QDir::Files).size();
    QVERIFY(animals >= 40);

    // One picture asked at a tile's size brings its dictionary at that size.
    provider.requestImage("png/Animals/Cat.png", &size, QSize(64, 64));
    PictureProvider::waitForPrefetch();
    QCOMPARE(PictureProvider::cachedCount(), animals);
    // Layout passes at a pixel's size do not, nor a picture shown alone.
    provider.requestImage("png/Animals/Dog.png", &size, QSize(1, 40));
    QCOMPARE(provider.requestImage("png/Animals/Dog.png?alone", &size, QSize(90, 90)).size(), QSize(90, 90));
    PictureProvider::waitForPrefetch();
    QCOMPARE(PictureProvider::cachedCount(), animals + 2);

    // Two large sizes fit in the 32 MB (about 12 MB each); a third would
    // not, so it is decoded as shown, and nothing cached is pushed out.
    for (int side : {256, 252, 248}) {
        provider.requestImage("png/Animals/Cat.png", &size, QSize(side, side));
        PictureProvider::waitForPrefetch();
    }
    QCOMPARE(PictureProvider::cachedCount(), 3 * animals + 3);
    const QImage cat = provider.requestImage("png/Animals/Cat.png", &size, QSize(256, 256));
    const QImage again = provider.requestImage("png/Animals/Cat.png", &size, QSize(256, 256));
    QCOMPARE(again.constBits(), cat.constBits());
    QCOMPARE(PictureProvider::cachedCount(), 3 * animals + 3);
}

void TestPictures::unknownPicturesGiveNothing()
{
    PictureProvider provider;
    QSize size(7, 7);
    for (const char *id : {"png/Animals/Unicorn.png", "", "../../../etc/passwd", "png/Animals"}) {
        const QImage picture = provider.requestImage(id, &size, QSize(64, 64));
        QVERIFY2(picture.isNull(), id);
        QCOMPARE(size, QSize(0, 0));
    }
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
