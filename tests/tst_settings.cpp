// Volume and mute: the file, the settings page and the sound they govern;
// an administrator's defaults and locks (vocalune.conf).
#include "testsupport.h"

#include "MainWindow.h"
#include "Players.h"
#include "Settings.h"
#include "SystemConfig.h"
#include "WordSetImport.h"
#include "WordStore.h"

#include <phonon/AudioOutput>
#include <phonon/MediaObject>

#include <QQuickItem>
#include <QQuickWidget>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <limits>

using namespace TestSupport;

namespace {

QByteArray settingsBytes(double volume, bool mute)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << volume << mute;
    return bytes;
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initApplication(); }

    void defaultsWithoutAFile();
    void fileLayout();
    void readsPercentsRounded();
    void shortAndDamagedFiles_data();
    void shortAndDamagedFiles();
    void percentLimits();
    void dragToTheRightEndAndSave();
    void muteSwitchAndCancel();
    void gameChoicesSaveAndCancel();
    void soundStartsOnceTheMenuIsShown();
    void mutedPlaysNothing();
    void unmutedPlaysAtTheStoredVolume();
    void systemConfig_data();
    void systemConfig();
};

void TestSettings::defaultsWithoutAFile()
{
    TemporaryDataLocation data;
    MainWindow w(QRect(0, 0, 800, 480));
    Settings *settings = w.appSettings();
    QCOMPARE(settings->volumePercent(), 50);
    QCOMPARE(settings->outputVolume(), 0.5);
    QCOMPARE(settings->mute(), false);
    // Loading does not write anything.
    QVERIFY(!QFile::exists(data.filePath("/settings.dat")));

    QQuickItem *page = w.view(MainWindow::PageSettings)->rootObject();
    QQuickItem *slider = findItem(page, "slider");
    QQuickItem *handle = findItem(page, "sliderHandle");
    QCOMPARE(slider->width(), 400.0);
    QCOMPARE(handle->width(), handle->height());
    QCOMPARE(handle->x(), (slider->width() - handle->width()) / 2);
    QCOMPARE(slider->property("value").toInt(), 50);
    QCOMPARE(findItem(page, "muteSwitch")->property("text").toString(), QString("On"));
}

void TestSettings::fileLayout()
{
    TemporaryDataLocation data;
    Settings settings;
    settings.load();
    settings.save();
    QCOMPARE(readFile(data.filePath("/settings.dat")), QByteArray::fromHex("3FE000000000000000"));

    settings.setVolumePercent(100);
    settings.setMute(true);
    settings.save();
    QCOMPARE(readFile(data.filePath("/settings.dat")), QByteArray::fromHex("3FF000000000000001"));

    Settings reloaded;
    reloaded.load();
    QCOMPARE(reloaded.outputVolume(), 1.0);
    QCOMPARE(reloaded.mute(), true);

    // The owl and the lock add two bytes only when they are not the defaults.
    reloaded.setOwlTalks(false);
    reloaded.setParentLock(true);
    reloaded.save();
    QCOMPARE(readFile(data.filePath("/settings.dat")), QByteArray::fromHex("3FF0000000000000010001"));
    settings.load();
    QVERIFY(!settings.owlTalks() && settings.parentLock());
    QCOMPARE(settings.voice(), Settings::OurVoice);
    settings.setOwlTalks(true);
    settings.setParentLock(false);
    settings.save();
    QCOMPARE(readFile(data.filePath("/settings.dat")), QByteArray::fromHex("3FF000000000000001"));

    // "Built-in" voice adds a third byte after them; "Ours" takes it away again.
    settings.setVoice(Settings::BuiltInVoice);
    settings.save();
    QCOMPARE(readFile(data.filePath("/settings.dat")), QByteArray::fromHex("3FF000000000000001010001"));
    reloaded.load();
    QVERIFY(reloaded.voice() == Settings::BuiltInVoice && reloaded.owlTalks() && !reloaded.parentLock());
    reloaded.setVoice(Settings::OurVoice);
    reloaded.save();
    QCOMPARE(readFile(data.filePath("/settings.dat")), QByteArray::fromHex("3FF000000000000001"));
}

void TestSettings::readsPercentsRounded()
{
    TemporaryDataLocation data;
    QDir().mkpath(data.path());
    // Each fraction times 100 lies just below or above its percent in double precision.
    for (int percent : {28, 29, 57, 58}) {
        const QByteArray bytes = settingsBytes(percent / 100.0, false);
        writeFile(data.filePath("/settings.dat"), bytes);
        Settings settings;
        QSignalSpy volumeChanged(&settings, &Settings::volumeChanged);
        QSignalSpy muteChanged(&settings, &Settings::muteChanged);
        settings.load();
        QCOMPARE(settings.volumePercent(), percent);
        QCOMPARE(settings.property("volume").toDouble(), double(percent));
        QCOMPARE(volumeChanged.count(), 1);
        QCOMPARE(muteChanged.count(), 1);
        // Reading rounds; the stored fraction stays as it was.
        settings.save();
        QCOMPARE(readFile(data.filePath("/settings.dat")), bytes);
        // So does a Save on the page that moved nothing.
        MainWindow w(QRect(0, 0, 800, 480));
        w.buttonSettingsClicked();
        w.buttonSettingsSaveClicked(
            findItem(w.view(MainWindow::PageSettings)->rootObject(), "slider")->property("value").toInt());
        QCOMPARE(readFile(data.filePath("/settings.dat")), bytes);
    }

    // The page writes whole percents through the property.
    Settings settings;
    QVERIFY(settings.setProperty("volume", 73.9));
    QCOMPARE(settings.volumePercent(), 73);
    QCOMPARE(settings.outputVolume(), 0.73);
}

void TestSettings::shortAndDamagedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<double>("volume");
    QTest::addColumn<bool>("mute");

    // The in-memory values before loading are 0.3 and muted.
    QTest::newRow("empty") << QByteArray() << 0.3 << true;
    QTest::newRow("volume only") << settingsBytes(0.8, false).left(8) << 0.8 << true;
    // A field cut short is damaged, not zero: zero would silence every word.
    QTest::newRow("volume cut short") << QByteArray::fromHex("3FE000") << 0.3 << true;
    QTest::newRow("volume one byte short") << settingsBytes(0.8, false).left(7) << 0.3 << true;
    QTest::newRow("muted") << settingsBytes(0.6, true) << 0.6 << true;
    QTest::newRow("longer than nine bytes") << settingsBytes(0.6, false) + "junk" << 0.6 << false;
    QTest::newRow("not a number") << settingsBytes(std::numeric_limits<double>::quiet_NaN(), false) << 0.3 << false;
    QTest::newRow("infinite") << settingsBytes(std::numeric_limits<double>::infinity(), false) << 0.3 << false;
    QTest::newRow("above one") << settingsBytes(2.0, false) << 0.3 << false;
    QTest::newRow("negative") << settingsBytes(-0.5, false) << 0.3 << false;
    // A voice byte that is no voice, or anything after it, keeps every default.
    QTest::newRow("unknown voice") << settingsBytes(0.6, false) + QByteArray::fromHex("000102") << 0.6 << false;
    QTest::newRow("after the voice") << settingsBytes(0.6, false) + QByteArray::fromHex("00010100") << 0.6 << false;
}

void TestSettings::shortAndDamagedFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(double, volume);
    QFETCH(bool, mute);
    TemporaryDataLocation data;
    QDir().mkpath(data.path());
    writeFile(data.filePath("/settings.dat"), bytes);

    Settings settings;
    settings.setVolumePercent(30);
    settings.setMute(true);
    settings.setVoice(Settings::BuiltInVoice);
    settings.load();
    QCOMPARE(settings.outputVolume(), volume);
    QCOMPARE(settings.mute(), mute);
    QVERIFY(settings.volumePercent() >= 0 && settings.volumePercent() <= 100);
    // No damaged file turns the lock on, the owl off or the family's voices away.
    QVERIFY(settings.owlTalks() && !settings.parentLock() && settings.voice() == Settings::OurVoice);
}

void TestSettings::percentLimits()
{
    Settings settings;
    QSignalSpy volumeChanged(&settings, &Settings::volumeChanged);
    QVERIFY(settings.setVolumePercent(40));
    QCOMPARE(volumeChanged.count(), 1);
    QVERIFY(!settings.setVolumePercent(101));
    QVERIFY(!settings.setVolumePercent(-1));
    QVERIFY(!settings.setProperty("volume", std::nan("")) || settings.volumePercent() == 40);
    QCOMPARE(settings.volumePercent(), 40);
    QCOMPARE(volumeChanged.count(), 1);
    QVERIFY(settings.setVolumePercent(100));
    QCOMPARE(settings.outputVolume(), 1.0);
    QVERIFY(settings.setVolumePercent(0));
    QCOMPARE(settings.outputVolume(), 0.0);
}

void TestSettings::dragToTheRightEndAndSave()
{
    TemporaryDataLocation data;
    TestWindow w;
    w.buttonSettingsClicked();
    QQuickWidget *view = w.view(MainWindow::PageSettings);
    QQuickItem *page = view->rootObject();
    QQuickItem *slider = findItem(page, "slider");
    QQuickItem *handle = findItem(page, "sliderHandle");

    // A tap on the track puts the handle there.
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, slider->mapToScene(QPointF(100, 10)).toPoint());
    QCOMPARE(handle->x() + handle->width() / 2, 100.0);

    const QPoint at = centreInView(handle).toPoint();
    drag(view, at, at + QPoint(400, 0), 40);
    QCOMPARE(handle->x(), slider->width() - handle->width());
    QCOMPARE(slider->property("value").toInt(), 100);
    // Only Save stores it.
    QCOMPARE(w.appSettings()->volumePercent(), 50);

    QStringList logged;
    {
        MessageLog log;
        tap(view, findItem(page, "saveButton"));
        logged = log.debugLines;
    }
    QVERIFY2(logged.contains("100"), qPrintable(logged.join('|')));
    QCOMPARE(w.currentPage(), int(MainWindow::PageMain));
    QCOMPARE(readFile(data.filePath("/settings.dat")), QByteArray::fromHex("3FF000000000000000"));
}

void TestSettings::muteSwitchAndCancel()
{
    TemporaryDataLocation data;
    QDir().mkpath(data.path());
    writeFile(data.filePath("/settings.dat"), settingsBytes(0.25, false));
    TestWindow w;
    w.buttonSettingsClicked();
    QQuickWidget *view = w.view(MainWindow::PageSettings);
    QQuickItem *page = view->rootObject();
    QQuickItem *muteSwitch = findItem(page, "muteSwitch");
    QQuickItem *slider = findItem(page, "slider");
    QQuickItem *handle = findItem(page, "sliderHandle");
    QCOMPARE(slider->property("value").toInt(), 25);

    // The switch acts at once, before any save.
    tap(view, muteSwitch);
    QCOMPARE(w.appSettings()->mute(), true);
    QCOMPARE(muteSwitch->property("text").toString(), QString("Muted"));

    // Move the handle, then cancel: both come back from the file.
    const QPoint at = centreInView(handle).toPoint();
    drag(view, at, at + QPoint(100, 0), 10);
    QVERIFY(slider->property("value").toInt() > 25);

    tap(view, findItem(page, "cancelButton"));
    QCOMPARE(w.currentPage(), int(MainWindow::PageMain));
    QCOMPARE(w.appSettings()->mute(), false);
    QCOMPARE(muteSwitch->property("text").toString(), QString("On"));
    QCOMPARE(slider->property("value").toInt(), 25);
    QCOMPARE(readFile(data.filePath("/settings.dat")), settingsBytes(0.25, false));
}

// The rows under the volume: tapping a choice marks it, Save keeps both in
// the game options file, Cancel brings back the saved ones on the page too.
void TestSettings::gameChoicesSaveAndCancel()
{
    TemporaryDataLocation data;
    TestWindow w;
    Settings *settings = w.appSettings();
    QQuickWidget *view = w.view(MainWindow::PageSettings);
    QQuickItem *page = view->rootObject();
    // A chosen option is framed and filled, unlike the mute switch beside them.
    const QColor plain = findItem(page, "muteSwitch")->property("color").value<QColor>();
    const auto chosen = [page, plain](const QString &row) {
        QStringList marked;
        for (int k = 0; k < 3; ++k) {
            QQuickItem *choice = findItem(page, QString("%1Choice%2").arg(row).arg(k));
            if (choice && choice->property("state").toInt() == 1 && choice->property("color").value<QColor>() != plain)
                marked << choice->property("text").toString();
        }
        return marked;
    };
    QCOMPARE(chosen("mistakesRow"), QStringList{"End the game"});
    QCOMPARE(chosen("picturesRow"), QStringList{"10"});
    QCOMPARE(chosen("wordsRow"), QStringList{"Any"});

    w.buttonSettingsClicked();
    tap(view, findItem(page, "mistakesRowChoice1"));
    tap(view, findItem(page, "picturesRowChoice0"));
    tap(view, findItem(page, "wordsRowChoice1"));
    QCOMPARE(chosen("wordsRow"), QStringList{"To learn"});
    QCOMPARE(chosen("mistakesRow"), QStringList{"Try again"});
    QCOMPARE(chosen("picturesRow"), QStringList{"4"});
    tap(view, findItem(page, "saveButton"));
    QCOMPARE(w.currentPage(), int(MainWindow::PageMain));
    QCOMPARE(settings->mistakes(), GameOptions::TryAgain);
    QCOMPARE(settings->pictures(), GameOptions::FourPictures);
    Settings saved;
    saved.load();
    QCOMPARE(saved.gameOptions().mistakes, GameOptions::TryAgain);
    QCOMPARE(saved.gameOptions().pictures, GameOptions::FourPictures);
    QCOMPARE(saved.gameOptions().words, GameOptions::ToLearn);

    w.buttonSettingsClicked();
    tap(view, findItem(page, "mistakesRowChoice0"));
    tap(view, findItem(page, "picturesRowChoice1"));
    QCOMPARE(chosen("picturesRow"), QStringList{"6"});
    tap(view, findItem(page, "cancelButton"));
    QCOMPARE(settings->mistakes(), GameOptions::TryAgain);
    QCOMPARE(settings->pictures(), GameOptions::FourPictures);
    QCOMPARE(chosen("mistakesRow"), QStringList{"Try again"});
    QCOMPARE(chosen("picturesRow"), QStringList{"4"});
}

void TestSettings::soundStartsOnceTheMenuIsShown()
{
    TemporaryDataLocation data;
    MainWindow w(QRect(0, 0, 800, 480));
    // Not while the menu is being built...
    QVERIFY(!w.findChild<Phonon::MediaObject *>());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // ...but right after it is on screen, before any sound is asked for.
    QTRY_VERIFY(w.findChild<Phonon::MediaObject *>());
    auto *output = w.findChild<Phonon::AudioOutput *>();
    QVERIFY(output);
    QCOMPARE(output->category(), Phonon::MusicCategory);
    QCOMPARE(w.findChildren<Phonon::MediaObject *>().size(), 1);
    QCOMPARE(w.player(), w.findChild<Phonon::MediaObject *>());
    QVERIFY(!w.player()->outputPaths().isEmpty());
}

void TestSettings::mutedPlaysNothing()
{
    TemporaryDataLocation data;
    QDir().mkpath(data.path());
    writeFile(data.filePath("/settings.dat"), settingsBytes(0.5, true));
    MainWindow w(QRect(0, 0, 800, 480));
    QVERIFY(w.appSettings()->mute());

    QStringList logged;
    {
        MessageLog log;
        w.playSound(data.path() + "/mp3/Animals/Cat.mp3");
        logged = log.debugLines;
    }
    QVERIFY2(logged.isEmpty(), qPrintable(logged.join('|')));
    QCOMPARE(w.player()->currentSource().type(), Phonon::MediaSource::Empty);
}

void TestSettings::unmutedPlaysAtTheStoredVolume()
{
    TemporaryDataLocation data;
    QDir().mkpath(data.path());
    writeFile(data.filePath("/settings.dat"), settingsBytes(0.3, false));
    MainWindow w(QRect(0, 0, 800, 480));
    const QString cat = data.path() + "/mp3/Animals/Cat.mp3";
    const QString dog = data.path() + "/mp3/Animals/Dog.mp3";
    QVERIFY(QFile::exists(cat));

    QStringList logged;
    {
        MessageLog log;
        w.playSound(cat);
        w.playSound(dog);
        logged = log.debugLines;
    }

    QCOMPARE(logged.count(QString('"' + cat + '"')), 1);
    QCOMPARE(logged.count(QString('"' + dog + '"')), 1);
    QVERIFY(logged.indexOf('"' + cat + '"') < logged.indexOf('"' + dog + '"'));
    // The second call replaces the first recording.
    QCOMPARE(w.player()->currentSource().fileName(), dog);
    QVERIFY(qAbs(w.output()->volume() - 0.3) < 1e-6);

    // A new volume applies from the next recording on.
    w.appSettings()->setVolumePercent(0);
    QVERIFY(qAbs(w.output()->volume() - 0.3) < 1e-6);
    w.playSound(cat);
    QCOMPARE(w.output()->volume(), 0.0);
    QCOMPARE(w.player()->currentSource().fileName(), cat);
}

void TestSettings::systemConfig_data()
{
    QTest::addColumn<QByteArray>("conf");
    QTest::addColumn<int>("mode");   // QFile::Permissions: 0x6644 is rw-r--r--
    QTest::addColumn<bool>("saved"); // the user chose End the game, 4, Any and Jobs
    // Game options; dictionaries in use; locks; progress server and class.
    QTest::addColumn<QString>("effect");
    QTest::addColumn<QStringList>("named"); // each in exactly one line on standard error

    const QByteArray defaults = "\xEF\xBB\xBF# Ours\r\n[Defaults]\r\ndictionaries=Food, "
                                "animals\nmistakes=try-again\npictures=6\nwords=to-learn\n#words=any\n";
    const QByteArray password =
        "[Defaults]\nmistakes=try-again\n[Progress]\nserver=postgresql://t:secret@h/db\nclass=2B\n";
    const QString today = "end-game 10 any; Animals; ; ";
    QTest::newRow("no file") << QByteArray() << 0x6644 << false << today << QStringList();
    QTest::newRow("new user") << defaults << 0x6644 << false << "try-again 6 to-learn; Food, Animals; ; "
                              << QStringList();
    QTest::newRow("saved choice") << defaults << 0x6644 << true << "end-game 4 any; Jobs; ; " << QStringList();
    QTest::newRow("import lock") << QByteArray("[Lock]\nimport=true\n") << 0x6644 << true
                                 << "end-game 4 any; Jobs; import; " << QStringList();
    QTest::newRow("players lock") << QByteArray("[Lock]\nplayers=TRUE\n") << 0x6644 << true
                                  << "end-game 4 any; Jobs; players; " << QStringList();
    // Locked settings hold over an old choice; the dictionaries stay the user's.
    QTest::newRow("settings lock") << defaults + "[Lock]\nsettings=true\n"
                                   << 0x6644 << true << "try-again 6 to-learn; Jobs; settings; " << QStringList();
    QTest::newRow("malformed") << QByteArray("[Defaults\nmistakes=try-again\nno equals sign\n") << 0x6644 << false
                               << today << QStringList{"is not a valid INI file"};
    QTest::newRow("bad keys") << QByteArray("[Defaults]\nmistakes=sometimes\npictures=6\ncolour=red\n"
                                            "dictionaries=Dinos, Food\n[Lock]\nplayers=yes\nsettings=true\n"
                                            "[Progress]\nclass=Far too long a class\nserver=http://h/db\n")
                              << 0x6644 << false << "end-game 6 any; Food; settings; "
                              << QStringList{"[Defaults] mistakes=sometimes: not end-game or try-again",
                                             "[Defaults] colour=red: unknown key",
                                             "[Defaults] dictionaries=Dinos: no such dictionary",
                                             "[Lock] players=yes: not true or false",
                                             "[Progress] class=Far",
                                             "[Progress] server=http://h/db: not a postgresql"};
    QTest::newRow("no known dictionary") << QByteArray("[Defaults]\ndictionaries=Dinos\n") << 0x6644 << false << today
                                         << QStringList{"dictionaries=Dinos"};
    QTest::newRow("progress") << QByteArray("[Progress]\nserver=postgres://school/db\nclass=2B\n") << 0x6644 << false
                              << "end-game 10 any; Animals; ; postgres://school/db 2B" << QStringList();
    QTest::newRow("password, others read")
        << password << 0x6604 << false << today << QStringList{"holds a password and others can read it; ignoring it."};
    QTest::newRow("password key, group reads") << QByteArray("[x]\nPassword=secret\n[Lock]\nimport=true\n") << 0x6640
                                               << false << today << QStringList{"others can read it"};
    QTest::newRow("password, owner only")
        << password << 0x6600 << false << "try-again 10 any; Animals; ; postgresql://t@h/db 2B"
        << QStringList{"holds a password; ignoring the password."};
    QTest::newRow("password in the query")
        << QByteArray("[Progress]\nserver=postgresql://h/db?sslmode=a&password=secret") << 0x6600 << false
        << "end-game 10 any; Animals; ; postgresql://h/db?sslmode=a" << QStringList{"ignoring the password"};
}

void TestSettings::systemConfig()
{
    QFETCH(QByteArray, conf);
    QFETCH(int, mode);
    QFETCH(bool, saved);
    QFETCH(QString, effect);
    const QString locks = effect.section("; ", 2, 2);
    TemporaryDataLocation data;
    QDir().mkpath(data.path());
    if (saved) {
        writeFile(data.filePath("/gameoptions.dat"), QByteArray::fromHex("010004"));
        QByteArray names;
        QDataStream stream(&names, QIODevice::WriteOnly);
        stream << QString("Jobs");
        writeFile(data.filePath("/dictionaries.dat"), names);
    }
    if (!conf.isNull())
        data.writeSystemConfig(conf, QFile::Permissions(QFlag(mode)));
    TestWindow w;
    const GameOptions options = w.appSettings()->gameOptions();
    QCOMPARE(w.item(MainWindow::PageMain, "settingsButton")->isVisible(), !locks.contains("settings"));
    w.buttonSettingsClicked();
    QCOMPARE(w.currentPage() == MainWindow::PageSettings, !locks.contains("settings"));
    // The page reads the lists again: a name it lacks is still named once.
    w.buttonDictionariesClicked();
    QCOMPARE(w.item(MainWindow::PageDictionaries, "importButton")->isVisible(), !locks.contains("import"));
    QCOMPARE(w.item(MainWindow::PageDictionaries, "removeSetButton")->isVisible(), !locks.contains("import"));
    QCOMPARE(w.importWordSet(data.path() + "/none"), !locks.contains("import"));
    QVERIFY(w.players()->open());
    QCOMPARE(w.item(MainWindow::PagePlayers, "newPlayerButton")->isVisible(), !locks.contains("players"));
    QCOMPARE(w.item(MainWindow::PagePlayers, "renameButton")->isVisible(), !locks.contains("players"));
    QCOMPARE(w.players()->rename(int(w.players()->currentId()), "Bo"), !locks.contains("players"));
    QCOMPARE(w.players()->add("Ann", QString()) >= 0, !locks.contains("players"));
    for (MainWindow::Page page : {MainWindow::PageMain, MainWindow::PageDictionaries, MainWindow::PagePlayers})
        QVERIFY2(layoutFault(w.root(page)).isEmpty(), qPrintable(layoutFault(w.root(page))));

    const SystemConfig &config = SystemConfig::instance();
    const QString progress = config.progressServer().toString() + " " + config.progressClass();
    QCOMPARE(QString("%1 %2 %3; %4; %5; %6")
                 .arg(options.tryAgain() ? "try-again" : "end-game")
                 .arg(options.pictures)
                 .arg(options.toLearn() ? "to-learn" : "any", WordStore::instance()->chosenDictionaries().join(", "),
                      locks, progress.trimmed()),
             effect);
    QFETCH(QStringList, named);
    const QStringList messages = config.messages();
    QCOMPARE(messages.size(), named.size());
    for (const QString &name : named)
        QVERIFY2(messages.filter(name).size() == 1, qPrintable(messages.join('\n')));
    QVERIFY(messages.filter("secret").isEmpty());
}

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
