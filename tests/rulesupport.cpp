#include "rulesupport.h"

#include "DataDirectory.h"
#include "SystemConfig.h"
#include "Word.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QResource>
#include <QTest>

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
    m_configDirs = qgetenv("XDG_CONFIG_DIRS");
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(m_dir.path() + "/none:" + m_dir.path() + "/xdg"));
    SystemConfig::reload();
}

TemporaryDataLocation::~TemporaryDataLocation()
{
    DataDirectory::setPlatformLocationProvider({});
    qputenv("XDG_CONFIG_DIRS", m_configDirs);
    SystemConfig::reload();
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

} // namespace TestSupport
