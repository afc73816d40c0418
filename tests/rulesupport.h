#pragma once

// What the tests share that needs Qt Core alone: the tests of the rules link
// this without any window, view or widget.
#include "DealOrder.h"
#include "NamePrompt.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QProcess>
#include <QSignalSpy>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <vector>

#include <sys/resource.h>

class Word;

namespace TestSupport {

// Application name and version as the program sets them. Call first in initTestCase().
void initCoreApplication();

// count parentless words W00, W01, ... of dictionary Test, with test picture
// and recording paths.
std::vector<Word *> makeWords(int count);

// A "To learn" order: the due words asked in the listed order, the waiting
// ones; every other word is new.
class ListedOrder : public DealOrder
{
public:
    ListedOrder(const QStringList &due, const QStringList &waiting);
    WordMemory::Kind kind(const Word &word) const override;
    bool before(const Word &a, const Word &b) const override;

private:
    QStringList m_due;
    QStringList m_waiting;
};

// A game's answered() signals as "dictionary/word outcome".
QStringList answers(const QSignalSpy &spy);

// Registers (or unregisters) the extra test bundle with the dictionaries
// Birds (Hen, Owl, Robin) and Farm (Cow, Hen, Pig; Pig has no recording).
bool registerTestDictionaries();
void unregisterTestDictionaries();

// Points the data location at a fresh empty folder while it lives, so no test
// ever touches the real home, $XDG_DATA_DIRS at two empty folders beside it,
// so no test sees the computer's word sets, and $XDG_CONFIG_DIRS at a folder
// of its own after one without a vocalune.conf. The folder is removed afterwards.
class TemporaryDataLocation
{
public:
    TemporaryDataLocation();
    ~TemporaryDataLocation();
    QString path() const;
    QString filePath(const QString &name) const; // name as "/settings.dat"
    QString systemDataDir(int index) const;      // of $XDG_DATA_DIRS: 0 or 1
    // The administrator's vocalune.conf, read afresh on next use.
    void writeSystemConfig(const QByteArray &text, QFile::Permissions permissions);

private:
    QTemporaryDir m_dir;
    QByteArray m_oldDataDirs;
    QByteArray m_configDirs;
};

QByteArray readFile(const QString &path);
void writeFile(const QString &path, const QByteArray &bytes);
// Plants a recording of the family's own where the recorder stores one, and
// returns its path (the bytes do not matter: the tests follow the paths played).
QString plantVoice(const QString &dictionary, const QString &word);

// The top-ten name prompt of the rules' tests: answers with the names it was
// given, in turn (a prompt beyond them is cancelled), and notes what it was asked.
class ScriptedPrompt : public NamePrompt
{
public:
    explicit ScriptedPrompt(const QStringList &names = {});
    // The next prompt is answered with name, or cancelled.
    void answerNext(const QString &name, bool accept = true);
    QString askName(const QString &title, const QString &label, int maxLength) override;

    struct Asked
    {
        QString title;
        QString label;
        int maxLength;
    };
    QList<Asked> asked;
    // Where "prompt" is noted when one is asked, in order with what else a test logs.
    QStringList *log = nullptr;

private:
    QList<QString> m_answers; // a null string cancels
};

// A PostgreSQL server of the test's own, in a temporary folder, listening
// only on a Unix socket there, with the class schema loaded into database
// "vocalune". initdb and pg_ctl refuse to run as root: as root they run as the
// postgres user. PGPASSFILE points at a .pgpass of its own while it lives.
// Stopped and removed when it goes.
class PostgresServer
{
public:
    PostgresServer(); // starts it; error() says why when it did not
    ~PostgresServer();
    QString error() const { return m_error; }
    bool start();
    bool stop();
    // A login of the machines' role for the class, its password in the .pgpass.
    bool addLogin(const QString &login, const QString &className);
    // The address a machine uses, as vocalune.conf names it.
    QUrl address(const QString &login) const;
    // Runs statements as the superuser; psql's output (unaligned, no headers),
    // or a null string when they failed.
    QString sql(const QString &statements);

private:
    bool run(const QStringList &command, QString *output = nullptr);
    QTemporaryDir m_dir;
    QString m_bin;
    QString m_error;
    QByteArray m_oldPassFile;
};

// Runs a program to its end (a minute at most): its standard output, or a
// null array when it failed (empty but not null when it printed nothing).
QByteArray runProgram(const QString &program, const QStringList &arguments);

// A PulseAudio server of the test's own, with a home of its own (as root too), on
// a Unix socket that $PULSE_SERVER names while it lives; at first with no source.
class PulseServer
{
public:
    PulseServer(); // error() says why when it did not start
    ~PulseServer();
    QString error() const { return m_error; }
    // The microphone: a pipe source of 16-bit mono at 24 kHz.
    bool addMicrophone();
    // Festival says text (or nothing) into it, a second of silence around; said() once all was.
    void say(const QString &text);
    bool said() const { return m_unsaid.isEmpty(); }

private:
    QTemporaryDir m_dir;
    QProcess m_server;
    QString m_error;
    QByteArray m_oldServer;
    QFile m_pipe;
    QTimer m_pace;
    QByteArray m_unsaid;
};

// While it lives, every file this process writes stops at bytes, as on a
// full disk: the write fails instead of raising SIGXFSZ. RLIM_INFINITY: no limit.
class FullDisk
{
public:
    explicit FullDisk(rlim_t bytes = 0);
    ~FullDisk();
    Q_DISABLE_COPY(FullDisk)

private:
    rlimit m_limit = {};
    void (*m_handler)(int) = nullptr;
};

} // namespace TestSupport
