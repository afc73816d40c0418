// A screen of device pixel ratio 2: the pages keep their layout size and the
// pictures are decoded at the tiles' pixel size, twice their layout size.
#include "testsupport.h"

#include "MainWindow.h"
#include "PictureProvider.h"
#include "Settings.h"

#include <cmath>

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QMutex>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QtMath>

using namespace TestSupport;

namespace {

// The program's provider, noting what every picture was decoded at.
class WatchedPictures : public PictureProvider
{
public:
    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override
    {
        const QImage picture = PictureProvider::requestImage(id, size, requestedSize);
        QMutexLocker lock(&mutex);
        decoded.insert(id + '@' + sizeText(requestedSize), picture.size());
        return picture;
    }
    // What the picture was decoded at when asked for that size; invalid when never asked.
    QSize decodedSize(const QString &id, QSize requested)
    {
        QMutexLocker lock(&mutex);
        return decoded.value(id + '@' + sizeText(requested));
    }

private:
    static QString sizeText(QSize size) { return QString("%1x%2").arg(size.width()).arg(size.height()); }
    QMutex mutex;
    QHash<QString, QSize> decoded;
};

// The picture inside a tile.
QQuickItem *pictureOf(QQuickItem *tile)
{
    QList<QQuickItem *> pending = tile->childItems();
    while (!pending.isEmpty()) {
        QQuickItem *item = pending.takeFirst();
        if (item->inherits("QQuickImage"))
            return item;
        pending += item->childItems();
    }
    return nullptr;
}

} // namespace

class TestHighDensity : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initApplication(); }
    void picturesAreDecodedAtThePixelSizeOfTheirTiles();
    void pictureFilesAreDecodedAtThePixelSizeToo();
};

void TestHighDensity::picturesAreDecodedAtThePixelSizeOfTheirTiles()
{
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    TemporaryDataLocation data;
    PictureProvider::clear();
    TestWindow w(QSize(800, 480), TestWindow::Hidden);
    w.appSettings()->setMute(true);
    QQuickWidget *gameView = w.view(MainWindow::PageWordGame);
    auto *pictures = new WatchedPictures;
    gameView->engine()->removeImageProvider(QLatin1String(PictureProvider::name()));
    gameView->engine()->addImageProvider(QLatin1String(PictureProvider::name()), pictures);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    QVERIFY(w.tap(MainWindow::PageMain, "newGameButton"));
    QVERIFY(w.tap(MainWindow::PageNewGame, "wordGameButton"));
    QCOMPARE(w.currentPage(), int(MainWindow::PageWordGame));

    // Nothing doubles in layout size...
    QCOMPARE(gameView->rootObject()->width(), 800.0);
    QCOMPARE(gameView->rootObject()->height(), 480.0);
    // ...and the page is drawn with twice the pixels.
    const QImage frame = gameView->grabFramebuffer();
    QCOMPARE(frame.size(), QSize(1600, 960));

    int checked = 0;
    for (int k = 0; k < 10; ++k) {
        QQuickItem *tile = findItem(gameView->rootObject(), QString("icon%1").arg(k));
        QVERIFY(tile);
        QQuickItem *picture = pictureOf(tile);
        QVERIFY(picture);
        QTRY_COMPARE(picture->property("status").toInt(), 1); // Image.Ready
        const QString id = picture->property("source").toString().mid(QString("image://vocalune/").size());
        // The tile asks for its size in device pixels...
        const QSize pixels(qCeil(picture->width()) * 2, qCeil(picture->height()) * 2);
        QSize decoded;
        QTRY_VERIFY2((decoded = pictures->decodedSize(id, pixels)).isValid(), qPrintable(id));
        // ...and the square picture fills it in one direction, keeping its shape.
        QCOMPARE(decoded.width(), qMin(pixels.width(), pixels.height()));
        QCOMPARE(decoded.height(), decoded.width());
        ++checked;
    }
    QCOMPARE(checked, 10);
}

void TestHighDensity::pictureFilesAreDecodedAtThePixelSizeToo()
{
    // The player's own word sets bring pictures as files, not resources.
    QTemporaryDir dir;
    const QString file = dir.filePath("Cat.png");
    QVERIFY(QFile::copy(":/png/Animals/Cat.png", file));
    QCOMPARE(QImage(file).size(), QSize(256, 256));

    QQuickWidget view;
    view.setResizeMode(QQuickWidget::SizeRootObjectToView);
    view.resize(200, 100);
    QQmlComponent component(view.engine());
    component.setData(QString("import QtQuick 2.15\nimport \"qrc:/qml/components\"\n"
                              "Item { Icon { objectName: \"tile\"; width: 90; height: 60; iconPath: \"%1\" } }")
                          .arg(QUrl::fromLocalFile(file).toString())
                          .toUtf8(),
                      QUrl("qrc:/qml/HighDensity.qml"));
    auto *root = qobject_cast<QQuickItem *>(component.create());
    QVERIFY2(root, qPrintable(component.errorString()));
    view.setContent(QUrl(), &component, root);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QQuickItem *picture = pictureOf(findItem(root, "tile"));
    QVERIFY(picture);
    QTRY_COMPARE(picture->property("status").toInt(), 1);
    // A file's picture counts its decoded pixels as its own size. The tile
    // has about 80x50 for it (an imported photo keeps clear of the rounded
    // corners), twice that in device pixels; Qt decodes a file to cover the
    // size asked, so the square picture comes out twice the wider side (half
    // that, at the layout's size, would be blurred on this screen).
    const qreal margin = findItem(root, "tile")->property("pictureMargin").toReal();
    QVERIFY(margin >= 5 && margin < 6);
    QCOMPARE(picture->height(), 60 - 2 * margin);
    QTRY_COMPARE(picture->implicitHeight(), std::ceil((90 - 2 * margin) * 2));
    QCOMPARE(picture->implicitWidth(), picture->implicitHeight());
}

int main(int argc, char *argv[])
{
    // Before the application: the ratio is fixed when the screens are made.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHighDensity test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hidpi.moc"
