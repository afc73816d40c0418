// The "Mistakes" and "Pictures" settings: their file, Save and Cancel, and
// the games started under them.
#include "testsupport.h"

#include "GameOptions.h"
#include "MainWindow.h"
#include "PairGame.h"
#include "Settings.h"
#include "Word.h"
#include "WordGame.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

using namespace TestSupport;

class TestGameOptions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initApplication(); }

    void defaultsAndFileLayout();
    void damagedFilesGiveTheDefaults_data();
    void damagedFilesGiveTheDefaults();
    void saveCancelAndTheNextGame();
};

void TestGameOptions::defaultsAndFileLayout()
{
    TemporaryDataLocation data;
    Settings settings;
    settings.load();
    QCOMPARE(settings.mistakes(), GameOptions::EndTheGame);
    QCOMPARE(settings.pictures(), GameOptions::TenPictures);
    QVERIFY(settings.gameOptions().entersTopTen());
    QVERIFY(!QFile::exists(data.filePath("/gameoptions.dat")));

    // The page writes plain numbers; values outside the choices are refused.
    QSignalSpy picturesChanged(&settings, &Settings::picturesChanged);
    QVERIFY(settings.setProperty("mistakes", 1));
    QVERIFY(settings.setProperty("pictures", 4));
    QCOMPARE(picturesChanged.count(), 1);
    settings.setProperty("pictures", 5);
    settings.setProperty("mistakes", 2);
    QCOMPARE(settings.pictures(), GameOptions::FourPictures);
    QCOMPARE(settings.mistakes(), GameOptions::TryAgain);
    QCOMPARE(settings.property("pictures").toInt(), 4);

    settings.save();
    QCOMPARE(readFile(data.filePath("/gameoptions.dat")), QByteArray::fromHex("010104"));
    // settings.dat keeps the layout earlier versions read.
    QCOMPARE(readFile(data.filePath("/settings.dat")), QByteArray::fromHex("3FE000000000000000"));

    Settings reloaded;
    reloaded.load();
    QCOMPARE(reloaded.mistakes(), GameOptions::TryAgain);
    QCOMPARE(reloaded.pictures(), GameOptions::FourPictures);
    QCOMPARE(reloaded.gameOptions().wordGamePictures(), 4);
    QCOMPARE(reloaded.gameOptions().pairGamePairs(), 3);
    QVERIFY(!reloaded.gameOptions().entersTopTen());

    // "To learn" needs version 2 and a fourth byte; "Any" writes version 1 again.
    reloaded.setProperty("words", int(GameOptions::ToLearn));
    reloaded.save();
    QCOMPARE(readFile(data.filePath("/gameoptions.dat")), QByteArray::fromHex("02010401"));
    settings.load();
    QCOMPARE(settings.words(), GameOptions::ToLearn);
    settings.setWords(GameOptions::AnyWords);
    settings.save();
    QCOMPARE(readFile(data.filePath("/gameoptions.dat")), QByteArray::fromHex("010104"));
}

void TestGameOptions::damagedFilesGiveTheDefaults_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("mistakes");
    QTest::addColumn<int>("pictures");
    QTest::newRow("whole file") << QByteArray::fromHex("010006") << 0 << 6;
    QTest::newRow("empty") << QByteArray() << 0 << 10;
    QTest::newRow("version only") << QByteArray::fromHex("01") << 0 << 10;
    QTest::newRow("cut short") << QByteArray::fromHex("0101") << 0 << 10;
    QTest::newRow("longer") << QByteArray::fromHex("01010600") << 0 << 10;
    QTest::newRow("version 2 cut short") << QByteArray::fromHex("020106") << 0 << 10;
    QTest::newRow("version 2") << QByteArray::fromHex("02010601") << 1 << 6;
    QTest::newRow("unknown words") << QByteArray::fromHex("02010602") << 0 << 10;
    QTest::newRow("unknown version") << QByteArray::fromHex("03010601") << 0 << 10;
    QTest::newRow("unknown mistakes") << QByteArray::fromHex("010206") << 0 << 10;
    QTest::newRow("unknown pictures") << QByteArray::fromHex("010105") << 0 << 10;
    QTest::newRow("zero pictures") << QByteArray::fromHex("010100") << 0 << 10;
    QTest::newRow("text") << QByteArray("TryAgain,4\n") << 0 << 10;
}

void TestGameOptions::damagedFilesGiveTheDefaults()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, mistakes);
    QFETCH(int, pictures);
    TemporaryDataLocation data;
    QDir().mkpath(data.path());
    writeFile(data.filePath("/gameoptions.dat"), bytes);

    // Values other than the defaults before loading: a bad file must not keep them.
    Settings settings;
    settings.setMistakes(GameOptions::TryAgain);
    settings.setPictures(GameOptions::FourPictures);
    settings.load();
    QCOMPARE(int(settings.mistakes()), mistakes);
    QCOMPARE(int(settings.pictures()), pictures);
    // Reading never rewrites it.
    QCOMPARE(readFile(data.filePath("/gameoptions.dat")), bytes);
}

void TestGameOptions::saveCancelAndTheNextGame()
{
    TemporaryDataLocation data;
    MainWindow w(QRect(0, 0, 800, 480));
    Settings *settings = w.appSettings();

    // Save and Exit stores what the page set.
    settings->setProperty("mistakes", int(GameOptions::TryAgain));
    settings->setProperty("pictures", int(GameOptions::SixPictures));
    w.buttonSettingsSaveClicked(40);
    QCOMPARE(readFile(data.filePath("/gameoptions.dat")), QByteArray::fromHex("010106"));
    QCOMPARE(settings->volumePercent(), 40);

    // Cancel brings back the saved choice and writes nothing.
    settings->setProperty("mistakes", int(GameOptions::EndTheGame));
    settings->setProperty("pictures", int(GameOptions::FourPictures));
    QSignalSpy mistakesChanged(settings, &Settings::mistakesChanged);
    w.buttonSettingsCancelClicked();
    QVERIFY(mistakesChanged.count() >= 1);
    QCOMPARE(settings->mistakes(), GameOptions::TryAgain);
    QCOMPARE(settings->pictures(), GameOptions::SixPictures);
    QCOMPARE(readFile(data.filePath("/gameoptions.dat")), QByteArray::fromHex("010106"));

    // A game starts under the saved choice and keeps it when it changes.
    w.buttonStartGameClicked(1);
    WordGame *wordGame = w.openWordGame();
    QVERIFY(wordGame);
    QCOMPARE(wordGame->imageList().size(), 6);
    QVERIFY(wordGame->tryAgain());
    settings->setProperty("pictures", int(GameOptions::FourPictures));
    w.buttonSettingsSaveClicked(40);
    const QString first = wordGame->word();
    for (int i = 0; i < wordGame->imageList().size(); ++i) {
        if (qobject_cast<Word *>(wordGame->imageList().at(i))->word() == first)
            wordGame->iconClicked(i);
    }
    QVERIFY(wordGame->word() != first);
    QVERIFY(!wordGame->isFinished());
    QCOMPARE(wordGame->imageList().size(), 6);

    // The next game plays by the new one.
    w.buttonNewGameClicked();
    w.buttonStartGameClicked(0);
    QVERIFY(w.openPairGame());
    QCOMPARE(w.openPairGame()->wordList().size(), 3);
    QVERIFY(w.openPairGame()->tryAgain());
}

QTEST_MAIN(TestGameOptions)
#include "tst_gameoptions.moc"
