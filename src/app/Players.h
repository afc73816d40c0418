#pragma once

#include "ClassSync.h"
#include "ProgressStore.h"
#include "WordMemory.h"

#include <QObject>
#include <QUrl>
#include <QVariantList>

#include <functional>
#include <memory>

class QWidget;

// The players of this computer and the memory of the one playing, as the
// menu's player button and the "Who is playing?" page read them
// ("qtPlayers"). The database opens after the menu's first frame; until then,
// and when it cannot be used, there is one player and no memory, and the
// games play as they always did.
class Players : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVariantList list READ list NOTIFY listChanged)
    Q_PROPERTY(QString currentName READ currentName NOTIFY currentChanged)
    Q_PROPERTY(QString currentPicture READ currentPicture NOTIFY currentChanged)
    Q_PROPERTY(int currentId READ currentIdProperty NOTIFY currentChanged)
    Q_PROPERTY(bool canAdd READ canAdd NOTIFY listChanged)
    Q_PROPERTY(bool available READ available NOTIFY listChanged)
    // The administrator locked the list (vocalune.conf): players are chosen,
    // never added, renamed or removed.
    Q_PROPERTY(bool systemLocked READ systemLocked CONSTANT)
    // What went wrong with the memory, said once on the players page.
    Q_PROPERTY(QString notice READ notice NOTIFY noticeChanged)

public:
    explicit Players(QObject *parent = nullptr);
    ~Players() override;

    // Opens the database once widget has painted its first frame.
    void openAfterFirstPaint(QWidget *widget);
    // Opens it now (the command line, the tests); true when it keeps answers.
    bool open();
    // Keeps the players and their answers on a class's server too, from
    // open() on: set before it.
    void joinClass(const QUrl &server, const QString &className);
    // nullptr unless in a class with the memory open.
    ClassSync *classSync() { return m_sync.get(); }
    // Runs then once the chosen player's answers from the class's other
    // machines are in, or after 2 seconds, whichever comes first; at once when
    // nothing is being fetched. Only the last one asked for runs.
    void whenReady(const std::function<void()> &then);

    QVariantList list() const;
    QString currentName() const;
    QString currentPicture() const;
    qint64 currentId() const { return m_current; }
    bool canAdd() const;
    bool available() const;
    bool systemLocked() const;
    QString notice() const { return m_notice; }

    ProgressStore *store() { return &m_store; }
    // The player of that id among those listed; nullptr when there is none.
    const ProgressStore::Player *find(qint64 id) const;
    // The current player's memory; nullptr without a database.
    const WordMemory *memory() const;

    // The pictures a player can take: the owl, then every animal.
    Q_INVOKABLE QStringList pictureChoices() const;
    Q_INVOKABLE bool choose(int id);
    // These four are refused while the list is locked.
    // The new player's id, or -1 when refused; the new player plays next.
    Q_INVOKABLE int add(const QString &name, const QString &picture);
    Q_INVOKABLE bool rename(int id, const QString &name);
    Q_INVOKABLE bool setPicture(int id, const QString &picture);
    // Removes the player and their memory; the first left plays next.
    Q_INVOKABLE bool remove(int id);
    // The page read the notice: it is not said again.
    Q_INVOKABLE void noticeSeen();
    // What the name field keeps of a name: the longest name, on whole characters.
    Q_INVOKABLE QString fitName(const QString &name) const;
    // Works out each player's words learned for the page (the current
    // player's are known already).
    Q_INVOKABLE void countLearned();

public slots:
    // An answer of the current player in a game.
    void record(int game, const QString &dictionary, const QString &word, int outcome);

signals:
    void classJoined();
    void listChanged();
    void currentChanged();
    void noticeChanged();

private:
    void reload();
    void loadMemory();
    void startClassSync();
    void fetchCurrent();
    void runWhenReady();

    ProgressStore m_store;
    QList<ProgressStore::Player> m_players;
    QHash<qint64, int> m_learned;
    WordMemory m_memory;
    qint64 m_current = -1;
    QString m_notice;
    QUrl m_server;
    QString m_className;
    std::unique_ptr<ClassSync> m_sync;
    QString m_fetching; // the pupil whose answers are on their way
    std::function<void()> m_whenReady;
    class QTimer *m_readyTimer = nullptr;
    int currentIdProperty() const { return int(m_current); }
};
