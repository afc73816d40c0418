#include "Players.h"

#include "FirstPaint.h"
#include "ImportedSets.h"
#include "NamePrompt.h"
#include "SystemConfig.h"
#include "WordStore.h"

#include <QDate>
#include <QSet>
#include <QTimer>
#include <QVariantMap>

namespace {

// The owl stands for a player who has not chosen an animal.
const char *const OwlPicture = ":/images/oma_pollo.png";
const char *const AnimalDictionary = "Animals";
// How long a game waits for the chosen pupil's answers from other machines.
constexpr int FetchWaitMs = 2000;

} // namespace

Players::Players(QObject *parent)
    : QObject(parent)
{
}

Players::~Players() = default;

void Players::openAfterFirstPaint(QWidget *widget)
{
    FirstPaint::then(widget, this, [this] { open(); });
}

bool Players::open()
{
    if (m_store.status() != ProgressStore::Closed)
        return available();
    m_store.open(QLatin1String(OwlPicture));
    switch (m_store.status()) {
    case ProgressStore::NewerSchema:
        m_notice = tr("This memory was made by a newer Vocalune. Play goes on, but answers are not kept.");
        break;
    case ProgressStore::Unavailable:
        m_notice = tr("The memory of words could not be opened. Play goes on, but answers are not kept.");
        break;
    default:
        if (!m_store.movedAside().isEmpty())
            m_notice = tr("The memory of words was damaged and starts afresh. The old file was kept beside it.");
        break;
    }
    if (!m_notice.isEmpty())
        emit noticeChanged();
    m_current = m_store.currentPlayer();
    reload();
    loadMemory();
    startClassSync();
    return available();
}

void Players::joinClass(const QUrl &server, const QString &className)
{
    m_server = server;
    m_className = className;
}

void Players::startClassSync()
{
    // The administrator's class, unless one was given already (the benchmark).
    const SystemConfig &config = SystemConfig::instance();
    if (m_server.isEmpty() && !config.progressClass().isEmpty())
        joinClass(config.progressServer(), config.progressClass());
    if (!available() || m_server.isEmpty() || m_sync)
        return;
    // The words and pictures this machine knows, for checking what the
    // server sends; read once, here, on the window's thread.
    auto words = std::make_shared<QHash<QString, QSet<QString>>>();
    // Available and in use: every dictionary of this machine.
    const QStringList dictionaries = WordStore::instance()->dictionaries()
        + WordStore::instance()->chosenDictionaries();
    for (const QString &dictionary : dictionaries) {
        const QStringList list = ImportedSets::isBundledName(dictionary)
            ? WordStore::bundledWords(dictionary)
            : ImportedSets::words(dictionary, ImportedSets::rootOf(dictionary));
        words->insert(dictionary, QSet<QString>(list.begin(), list.end()));
    }
    const QStringList pictureList = pictureChoices();
    auto pictures = std::make_shared<QSet<QString>>(pictureList.begin(), pictureList.end());
    ClassSync::Setup setup;
    setup.database = m_store.path();
    setup.server = m_server;
    setup.className = m_className;
    setup.defaultPicture = QLatin1String(OwlPicture);
    setup.checks.knownWord = [words](const QString &dictionary, const QString &word) {
        return words->value(dictionary).contains(word);
    };
    setup.checks.knownPicture = [pictures](const QString &picture) { return pictures->contains(picture); };
    m_sync = std::make_unique<ClassSync>(setup);
    connect(&m_store, &ProgressStore::answerWritten, m_sync.get(), &ClassSync::push);
    connect(m_sync.get(), &ClassSync::pupilsAdded, this, [this](int added) {
        if (added > 0)
            reload();
    });
    connect(m_sync.get(), &ClassSync::fetched, this, [this](const QString &pupil, int added) {
        if (added > 0 && pupil == currentName())
            loadMemory();
        if (pupil == m_fetching) {
            m_fetching.clear();
            runWhenReady();
        }
    });
    m_sync->push();
    m_sync->fetchPupils();
    fetchCurrent();
    emit classJoined();
}

void Players::fetchCurrent()
{
    if (!m_sync || !find(m_current))
        return;
    m_fetching = currentName();
    m_sync->fetch(m_fetching);
}

void Players::whenReady(const std::function<void()> &then)
{
    m_whenReady = then;
    if (m_fetching.isEmpty()) {
        runWhenReady();
        return;
    }
    if (!m_readyTimer) {
        m_readyTimer = new QTimer(this);
        m_readyTimer->setSingleShot(true);
        connect(m_readyTimer, &QTimer::timeout, this, &Players::runWhenReady);
    }
    // A slow server finishes in the background; its answers count from the next deal.
    if (!m_readyTimer->isActive())
        m_readyTimer->start(FetchWaitMs);
}

void Players::runWhenReady()
{
    if (m_readyTimer)
        m_readyTimer->stop();
    const std::function<void()> then = std::move(m_whenReady);
    m_whenReady = nullptr;
    if (then)
        then();
}

void Players::reload()
{
    m_players = m_store.players();
    emit listChanged();
}

void Players::loadMemory()
{
    m_memory = available() && m_current >= 0 ? WordMemory::of(m_store.answers(m_current)) : WordMemory();
    if (available() && m_current >= 0)
        m_learned.insert(m_current, m_memory.learnedCount());
    emit currentChanged();
    emit listChanged();
}

QVariantList Players::list() const
{
    QVariantList list;
    for (const ProgressStore::Player &player : m_players) {
        list.append(QVariantMap{{QStringLiteral("id"), int(player.id)},
                                {QStringLiteral("name"), player.name},
                                {QStringLiteral("picture"), player.picture},
                                {QStringLiteral("learned"), m_learned.value(player.id, -1)}});
    }
    return list;
}

const ProgressStore::Player *Players::find(qint64 id) const
{
    for (const ProgressStore::Player &player : m_players) {
        if (player.id == id)
            return &player;
    }
    return nullptr;
}

QString Players::currentName() const
{
    const ProgressStore::Player *player = find(m_current);
    return player ? player->name : QStringLiteral("Player 1");
}

QString Players::currentPicture() const
{
    const ProgressStore::Player *player = find(m_current);
    return player ? player->picture : QLatin1String(OwlPicture);
}

bool Players::canAdd() const
{
    return available() && !systemLocked() && m_players.size() < ProgressStore::MaxPlayers;
}

bool Players::systemLocked() const
{
    return SystemConfig::instance().playersLocked();
}

bool Players::available() const
{
    return m_store.status() == ProgressStore::Ready;
}

const WordMemory *Players::memory() const
{
    return available() ? &m_memory : nullptr;
}

QStringList Players::pictureChoices() const
{
    QStringList pictures{QLatin1String(OwlPicture)};
    const QString folder = QStringLiteral(":/png/%1/").arg(QLatin1String(AnimalDictionary));
    const QStringList animals = WordStore::bundledWords(QLatin1String(AnimalDictionary));
    for (const QString &animal : animals)
        pictures.append(folder + animal + QStringLiteral(".png"));
    return pictures;
}

bool Players::choose(int id)
{
    if (id == m_current || !m_store.setCurrentPlayer(id))
        return id == m_current;
    m_current = id;
    loadMemory();
    fetchCurrent();
    return true;
}

int Players::add(const QString &name, const QString &picture)
{
    if (systemLocked())
        return -1;
    const qint64 id = m_store.addPlayer(name, picture);
    if (id < 0)
        return -1;
    m_learned.insert(id, 0);
    reload();
    choose(int(id));
    return int(id);
}

bool Players::rename(int id, const QString &name)
{
    if (systemLocked() || !m_store.renamePlayer(id, name))
        return false;
    reload();
    emit currentChanged();
    return true;
}

bool Players::setPicture(int id, const QString &picture)
{
    if (systemLocked() || !m_store.setPlayerPicture(id, picture))
        return false;
    reload();
    emit currentChanged();
    return true;
}

bool Players::remove(int id)
{
    // The last player stays: there is always someone playing.
    if (systemLocked() || m_players.size() <= 1 || !m_store.removePlayer(id))
        return false;
    m_learned.remove(id);
    reload();
    if (id == m_current)
        choose(int(m_players.first().id));
    return true;
}

void Players::noticeSeen()
{
    if (m_notice.isEmpty())
        return;
    m_notice.clear();
    emit noticeChanged();
}

QString Players::fitName(const QString &name) const
{
    return NamePrompt::fit(name, ProgressStore::MaxNameLength);
}

void Players::countLearned()
{
    for (const ProgressStore::Player &player : qAsConst(m_players)) {
        if (m_learned.contains(player.id))
            continue;
        m_learned.insert(player.id, WordMemory::of(m_store.answers(player.id)).learnedCount());
    }
    emit listChanged();
}

void Players::record(int game, const QString &dictionary, const QString &word, int outcome)
{
    if (!available() || m_current < 0)
        return;
    WordMemory::Answer answer;
    answer.dictionary = dictionary;
    answer.word = word;
    answer.game = WordMemory::Game(game);
    answer.outcome = WordMemory::Outcome(outcome);
    answer.at = QDateTime::currentDateTime();
    m_memory.add(answer);
    m_learned.insert(m_current, m_memory.learnedCount());
    m_store.record(m_current, answer);
}
