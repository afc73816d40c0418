#pragma once

#include <QObject>
#include <QVariantList>

class ClassSync;
class ProgressStore;
class QWidget;

// One player's progress as the progress page shows it ("qtProgress"): for
// each dictionary in use the words learned, learning and not met yet; words
// learned and minutes played on each of the last 30 days; the words with the
// most mistakes; the last game. Worked out from the answers when the page
// opens, so nothing of it is stored.
class ProgressReport : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString playerName READ playerName NOTIFY changed)
    // Maps of name, learned, learning, notMet.
    Q_PROPERTY(QVariantList dictionaries READ dictionaries NOTIFY changed)
    // Maps of day (the day of the month), date (the whole date, for screen
    // readers), shortDate, learned and minutes, oldest first, today last.
    Q_PROPERTY(QVariantList days READ days NOTIFY changed)
    Q_PROPERTY(int mostLearned READ mostLearned NOTIFY changed)
    Q_PROPERTY(int mostMinutes READ mostMinutes NOTIFY changed)
    // Maps of word, imagePath, soundPath, mistakes; most mistakes first.
    Q_PROPERTY(QVariantList hardest READ hardest NOTIFY changed)
    // The date of the last game in the player's language; empty when none.
    Q_PROPERTY(QString lastGame READ lastGame NOTIFY changed)
    // The class's page, for a machine of a class: empty when not in one.
    Q_PROPERTY(QString className READ className NOTIFY classChanged)
    // Maps of name, learned, learning, lastPlayed (a date, or empty), by name.
    Q_PROPERTY(QVariantList classPupils READ classPupils NOTIFY classChanged)
    // As hardest, for all the class's pupils together.
    Q_PROPERTY(QVariantList classHardest READ classHardest NOTIFY classChanged)
    // While loading, or when the server could not be asked; empty otherwise.
    Q_PROPERTY(QString classMessage READ classMessage NOTIFY classChanged)
    // What the last export did, in a line for the page; empty before one.
    Q_PROPERTY(QString exportMessage READ exportMessage NOTIFY exportMessageChanged)

public:
    explicit ProgressReport(ProgressStore *store, QObject *parent = nullptr);

    // Works out the player's progress for the page.
    void load(qint64 player, const QString &name);

    QString playerName() const { return m_name; }
    QVariantList dictionaries() const { return m_dictionaries; }
    QVariantList days() const { return m_days; }
    int mostLearned() const { return m_mostLearned; }
    int mostMinutes() const { return m_mostMinutes; }
    QVariantList hardest() const { return m_hardest; }
    QString lastGame() const { return m_lastGame; }
    QString exportMessage() const { return m_exportMessage; }
    QString className() const;
    QVariantList classPupils() const { return m_classPupils; }
    QVariantList classHardest() const { return m_classHardest; }
    QString classMessage() const { return m_classMessage; }

    // The class this machine is in; nullptr for none.
    void setClassSync(ClassSync *sync);
    // Asks the server for the whole class; the page fills in when it answers.
    // From then on, until load(), Export writes the class.
    Q_INVOKABLE void loadClass();
    // The page went back from the class to the player.
    Q_INVOKABLE void showPlayer() { m_classShown = false; }

    // Asks where to save and writes every player's words there as CSV.
    void chooseFileAndExport(QWidget *parent);
    // Writes every player's words to path; false (and the message says why) when it could not.
    bool exportTo(const QString &path);

    // Plays a word of the hardest ones.
    Q_INVOKABLE void play(const QString &soundPath);

signals:
    void changed();
    void classChanged();
    void exportMessageChanged();
    void playSound(QString path);

private:
    ProgressStore *m_store;
    QString m_name;
    QVariantList m_dictionaries;
    QVariantList m_days;
    int m_mostLearned = 0;
    int m_mostMinutes = 0;
    QVariantList m_hardest;
    QString m_lastGame;
    QString m_exportMessage;
    ClassSync *m_sync = nullptr;
    QVariantList m_classPupils;
    QVariantList m_classHardest;
    QString m_classMessage;
    bool m_classShown = false;
};
