#include "rulesupport.h"

#include "DataDirectory.h"
#include "SystemConfig.h"
#include "Word.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QResource>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <csignal>

#include <pwd.h>
#include <sys/types.h>
#include <unistd.h>

namespace TestSupport {

void initCoreApplication()
{
    QCoreApplication::setApplicationName("Vocalune");
    QCoreApplication::setApplicationVersion("1.0");
}

std::vector<Word *> makeWords(int count)
{
    std::vector<Word *> words;
    for (int i = 0; i < count; ++i) {
        Word *word = new Word;
        const QString name = QString("W%1").arg(i, 2, 10, QChar('0'));
        word->setWord(name);
        word->setImagePath(":/png/Test/" + name + ".png");
        word->setSoundPath("/sounds/Test/" + name + ".mp3");
        word->setDictionary("Test");
        words.push_back(word);
    }
    return words;
}

ListedOrder::ListedOrder(const QStringList &due, const QStringList &waiting)
    : m_due(due)
    , m_waiting(waiting)
{
}

WordMemory::Kind ListedOrder::kind(const Word &word) const
{
    if (m_due.contains(word.word()))
        return WordMemory::Due;
    return m_waiting.contains(word.word()) ? WordMemory::Waiting : WordMemory::New;
}

bool ListedOrder::before(const Word &a, const Word &b) const
{
    return m_due.indexOf(a.word()) < m_due.indexOf(b.word());
}

QStringList answers(const QSignalSpy &spy)
{
    QStringList list;
    for (const QList<QVariant> &answer : spy)
        list << answer.at(0).toString() + "/" + answer.at(1).toString() + " " + answer.at(2).toString();
    return list;
}

bool registerTestDictionaries()
{
    return QResource::registerResource(QStringLiteral(VOCALUNE_TEST_DICTIONARIES));
}

void unregisterTestDictionaries()
{
    QResource::unregisterResource(QStringLiteral(VOCALUNE_TEST_DICTIONARIES));
}

TemporaryDataLocation::TemporaryDataLocation()
{
    QVERIFY2(m_dir.isValid(), "cannot make a temporary folder");
    const QString location = m_dir.path() + "/share/Vocalune";
    DataDirectory::setPlatformLocationProvider([location] { return location; });
    m_oldDataDirs = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_DIRS", QFile::encodeName(systemDataDir(0) + ":" + systemDataDir(1)));
    m_configDirs = qgetenv("XDG_CONFIG_DIRS");
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(m_dir.path() + "/none:" + m_dir.path() + "/xdg"));
    SystemConfig::reload();
}

TemporaryDataLocation::~TemporaryDataLocation()
{
    DataDirectory::setPlatformLocationProvider({});
    qputenv("XDG_DATA_DIRS", m_oldDataDirs);
    qputenv("XDG_CONFIG_DIRS", m_configDirs);
    SystemConfig::reload();
}

QString TemporaryDataLocation::systemDataDir(int index) const
{
    return m_dir.path() + QString("/system%1").arg(index + 1);
}

void TemporaryDataLocation::writeSystemConfig(const QByteArray &text, QFile::Permissions permissions)
{
    const QString file = m_dir.path() + "/xdg/Vocalune/vocalune.conf";
    QVERIFY(QDir().mkpath(m_dir.path() + "/xdg/Vocalune"));
    writeFile(file, text);
    QVERIFY(QFile::setPermissions(file, permissions));
    SystemConfig::reload();
}

QString TemporaryDataLocation::path() const
{
    return m_dir.path() + "/share/Vocalune";
}

QString TemporaryDataLocation::filePath(const QString &name) const
{
    return path() + name;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

QString plantVoice(const QString &dictionary, const QString &word)
{
    const QString folder = DataDirectory::path() + "/voices/" + dictionary;
    QDir().mkpath(folder);
    const QString path = folder + "/" + word + ".ogg";
    writeFile(path, QByteArray("OggS") + QByteArray(60, '\0'));
    return path;
}

ScriptedPrompt::ScriptedPrompt(const QStringList &names)
    : m_answers(names)
{
}

void ScriptedPrompt::answerNext(const QString &name, bool accept)
{
    m_answers.append(accept ? (name.isNull() ? QLatin1String("") : name) : QString());
}

QString ScriptedPrompt::askName(const QString &title, const QString &label, int maxLength)
{
    asked.append({title, label, maxLength});
    if (log)
        *log << QStringLiteral("prompt");
    return m_answers.isEmpty() ? QString() : m_answers.takeFirst();
}

PostgresServer::PostgresServer()
    : m_dir(QStringLiteral("/tmp/vocalune-pg-XXXXXX"))
    , m_oldPassFile(qgetenv("PGPASSFILE"))
{
    const QStringList versions =
        QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    m_bin = versions.isEmpty() ? QString() : QStringLiteral("/usr/lib/postgresql/%1/bin/").arg(versions.last());
    const QString dir = m_dir.path();
    if (m_bin.isEmpty() || !m_dir.isValid()) {
        m_error = QStringLiteral("PostgreSQL is not installed (Debian: postgresql)");
        return;
    }
    writeFile(dir + "/superuser", "vocalune-test\n");
    writeFile(dir + "/.pgpass", "");
    QFile::setPermissions(dir + "/.pgpass", QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    qputenv("PGPASSFILE", QFile::encodeName(dir + "/.pgpass"));
    if (::geteuid() == 0) {
        const passwd *postgres = ::getpwnam("postgres");
        if (!postgres || ::chown(QFile::encodeName(dir).constData(), postgres->pw_uid, postgres->pw_gid) != 0
            || ::chown(QFile::encodeName(dir + "/superuser").constData(), postgres->pw_uid, postgres->pw_gid) != 0) {
            m_error = QStringLiteral("cannot hand the server's folder to the postgres user");
            return;
        }
    }
    if (!run({m_bin + "initdb", "-D", dir + "/data", "-U", "postgres", "-A", "scram-sha-256",
              "--pwfile=" + dir + "/superuser", "--no-sync", "--no-locale", "-E", "UTF8"})
        || !start())
        return;
    const QStringList psql = {m_bin + "psql", "-h", dir,  "-p", "5432",           "-U",
                              "postgres",     "-X", "-q", "-v", "ON_ERROR_STOP=1"};
    if (!run(psql + QStringList{"-d", "postgres", "-c", "CREATE DATABASE vocalune"})
        || !run(psql + QStringList{"-d", "vocalune", "-f", VOCALUNE_SOURCE_DIR "/data/postgresql/schema.sql"}))
        m_error = QStringLiteral("the schema did not load: ") + m_error;
}

PostgresServer::~PostgresServer()
{
    stop();
    if (m_oldPassFile.isNull())
        qunsetenv("PGPASSFILE");
    else
        qputenv("PGPASSFILE", m_oldPassFile);
}

bool PostgresServer::run(const QStringList &command, QString *output)
{
    QProcess process;
    QStringList arguments = command;
    QString program = arguments.takeFirst();
    // Only the server's own programs need another user; psql runs as we are.
    if (::geteuid() == 0 && program.startsWith(m_bin) && !program.endsWith("psql")) {
        arguments = QStringList{"-u", "postgres", "--", program} + arguments;
        program = QStringLiteral("runuser");
    }
    process.setWorkingDirectory(m_dir.path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("PGPASSWORD", "vocalune-test");
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    // Bounded, so that a server that never comes up fails the test instead of hanging it.
    const bool finished = process.waitForFinished(60000);
    if (output)
        *output = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    if (finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return true;
    m_error = QString::fromUtf8(process.readAllStandardError()).simplified();
    if (!finished)
        process.kill();
    return false;
}

bool PostgresServer::start()
{
    const QString dir = m_dir.path();
    return run({m_bin + "pg_ctl", "-D", dir + "/data", "-l", dir + "/log", "-w", "-t", "30", "-o",
                "-k " + dir + " -c listen_addresses= -p 5432 -c fsync=off", "start"});
}

bool PostgresServer::stop()
{
    return !QFile::exists(m_dir.path() + "/data/postmaster.pid")
        || run({m_bin + "pg_ctl", "-D", m_dir.path() + "/data", "-w", "-t", "30", "-m", "fast", "stop"});
}

bool PostgresServer::addLogin(const QString &login, const QString &className)
{
    const QString password = login + "-password";
    if (sql(QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD '%2' IN ROLE vocalune_machine;"
                           " INSERT INTO machine_logins VALUES ('%1', '%3');")
                .arg(login, password, className))
            .isNull())
        return false;
    QFile pgpass(m_dir.path() + "/.pgpass");
    return pgpass.open(QIODevice::Append)
        && pgpass.write(QStringLiteral("*:*:vocalune:%1:%2\n").arg(login, password).toUtf8()) > 0;
}

QUrl PostgresServer::address(const QString &login) const
{
    return QUrl(QStringLiteral("postgresql:///vocalune?host=%1&port=5432&user=%2").arg(m_dir.path(), login));
}

QString PostgresServer::sql(const QString &statements)
{
    QString output;
    if (!run({m_bin + "psql", "-h", m_dir.path(), "-p", "5432", "-U", "postgres", "-d", "vocalune", "-X", "-q", "-A",
              "-t", "-v", "ON_ERROR_STOP=1", "-c", statements},
             &output))
        return QString();
    return output.isNull() ? QStringLiteral("") : output;
}

QByteArray runProgram(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    const bool ran = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
    return ran && process.exitCode() == 0 ? process.readAllStandardOutput() + "" : QByteArray();
}

PulseServer::PulseServer()
    : m_oldServer(qgetenv("PULSE_SERVER"))
{
    const QString dir = m_dir.path();
    qputenv("PULSE_SERVER", QFile::encodeName("unix:" + dir + "/native"));
    m_pipe.setFileName(dir + "/microphone");
    // What is said reaches the microphone at a microphone's pace: 20 ms every 20 ms.
    QObject::connect(&m_pace, &QTimer::timeout, [this] {
        m_pipe.write(m_unsaid.left(960));
        m_unsaid.remove(0, 960);
        if (m_unsaid.isEmpty())
            m_pace.stop();
    });
    // The server goes with the test, even when the test crashes.
    m_server.start("env",
                   {"HOME=" + dir, "XDG_RUNTIME_DIR=" + dir, "setpriv", "--pdeathsig", "TERM", "--", "pulseaudio", "-n",
                    "--daemonize=no", "--system=false", "--exit-idle-time=-1", "--use-pid-file=no", "--disable-shm",
                    "-L", "module-native-protocol-unix socket=" + dir + "/native"});
    // Bounded, so that a server that never comes up fails the test instead of hanging it.
    for (int tries = 0; tries < 200 && m_server.state() != QProcess::NotRunning; ++tries) {
        if (QFile::exists(dir + "/native") && !runProgram("pactl", {"info"}).isNull())
            return;
        QThread::msleep(50);
    }
    m_error = "PulseAudio (Debian: pulseaudio) did not start: "
        + QString::fromLocal8Bit(m_server.readAllStandardError());
}

PulseServer::~PulseServer()
{
    m_server.terminate(); // and QProcess kills it if it has not ended in 10 s
    m_server.waitForFinished(10000);
    qputenv("PULSE_SERVER", m_oldServer);
}

bool PulseServer::addMicrophone()
{
    const QStringList source = {"load-module",  "module-pipe-source", "file=" + m_pipe.fileName(),
                                "format=s16ne", "rate=24000",         "channels=1"};
    return m_pipe.isOpen()
        || (!runProgram("pactl", source).isEmpty() && m_pipe.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
}

void PulseServer::say(const QString &text)
{
    // A second of silence around the word; nothing said is two seconds of it.
    const QString script = "echo \"$0\" | text2wave -o \"$1\" && sox \"$1\" -t s16 -r 24000 -c 1 - pad 1 1";
    const QByteArray spoken = text.isEmpty() ? QByteArray()
                                             : runProgram("bash", {"-c", script, text, m_dir.filePath("said.wav")});
    m_unsaid = spoken.isEmpty() ? QByteArray(2 * 24000 * 2, 0) : spoken;
    m_pace.start(20);
}

FullDisk::FullDisk(rlim_t bytes)
    : m_handler(std::signal(SIGXFSZ, SIG_IGN))
{
    getrlimit(RLIMIT_FSIZE, &m_limit);
    const rlimit limit = {std::min(bytes, m_limit.rlim_max), m_limit.rlim_max};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
        qFatal("the file size limit could not be set");
}

FullDisk::~FullDisk()
{
    setrlimit(RLIMIT_FSIZE, &m_limit);
    std::signal(SIGXFSZ, m_handler);
}

} // namespace TestSupport
