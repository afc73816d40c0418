// The sound player on its own: when the audio backend starts, and one player
// for every recording.
#include "testsupport.h"

#include "Settings.h"
#include "SoundPlayer.h"

#include <phonon/AudioOutput>
#include <phonon/MediaObject>

#include <QFile>
#include <QTest>
#include <QWidget>

using namespace TestSupport;

class TestSoundPlayer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initApplication(); }

    void aSoundBeforeTheFirstPaintStartsThePlayerOnce();
    void aReplayStopsTheRecordingFirst();

private:
    // A real recording copied out of the bundle, as the data directory holds them.
    QString recording(const QString &name)
    {
        const QString path = m_dir.path() + '/' + name + ".mp3";
        if (!QFile::exists(path))
            QFile::copy(":/mp3/Animals/" + name + ".mp3", path);
        return path;
    }
    QTemporaryDir m_dir;
};

void TestSoundPlayer::aSoundBeforeTheFirstPaintStartsThePlayerOnce()
{
    Settings settings;
    settings.setMute(true);
    QWidget menu;
    SoundPlayer sound(&settings);
    sound.startAfterFirstPaint(&menu);
    QVERIFY(!sound.findChild<Phonon::MediaObject *>());

    // Muted, a sound neither plays nor starts the backend.
    sound.play(recording("Cat"));
    QVERIFY(!sound.findChild<Phonon::MediaObject *>());

    // The first audible sound starts it at once, before any paint.
    settings.setMute(false);
    sound.play(recording("Cat"));
    QCOMPARE(sound.findChildren<Phonon::MediaObject *>().size(), 1);
    Phonon::MediaObject *media = sound.findChild<Phonon::MediaObject *>();
    QCOMPARE(media->currentSource().fileName(), recording("Cat"));

    // The first paint then finds it started and makes no second one; a replay
    // uses the same player too.
    menu.show();
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    menu.repaint();
    QCoreApplication::processEvents();
    sound.play(recording("Dog"));
    QCOMPARE(sound.findChildren<Phonon::MediaObject *>(), QList<Phonon::MediaObject *>({media}));
    QCOMPARE(sound.findChildren<Phonon::AudioOutput *>().size(), 1);
    QCOMPARE(media->outputPaths().size(), 1);
    QCOMPARE(media->currentSource().fileName(), recording("Dog"));
}

void TestSoundPlayer::aReplayStopsTheRecordingFirst()
{
    Settings settings;
    settings.setMute(false);
    SoundPlayer sound(&settings);
    sound.stop(); // nothing started yet: nothing to stop
    sound.play(recording("Cat"));
    Phonon::MediaObject *media = sound.mediaObject();
    QTRY_VERIFY(media->state() == Phonon::PlayingState || media->state() == Phonon::ErrorState);
    if (media->state() == Phonon::ErrorState)
        QSKIP(qPrintable("No audio output here: " + media->errorString()));

    // The first recording stops before the second one plays.
    QList<int> states;
    QString seen;
    connect(media, &Phonon::MediaObject::stateChanged, [&](Phonon::State state) {
        states << int(state);
        seen += QString::number(int(state)) + ' ';
    });
    sound.play(recording("Dog"));
    QTRY_VERIFY(states.contains(Phonon::PlayingState));
    QVERIFY2(states.indexOf(Phonon::StoppedState) >= 0
                 && states.indexOf(Phonon::StoppedState) < states.lastIndexOf(Phonon::PlayingState),
             qPrintable(seen));
    QCOMPARE(media->currentSource().fileName(), recording("Dog"));

    sound.stop();
    QTRY_COMPARE(media->state(), Phonon::StoppedState);
}

QTEST_MAIN(TestSoundPlayer)
#include "tst_soundplayer.moc"
