#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>

class QThread;

// The dictionaries page's side of importing and removing word sets. The
// import runs on a worker thread; progress and the result arrive on the
// thread that owns this object. After an import or a removal the word
// store's catalogue is already up to date: the page only publishes it again.
class WordSetImport : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool running READ running NOTIFY runningChanged)
    Q_PROPERTY(int done READ done NOTIFY progressChanged)
    Q_PROPERTY(int total READ total NOTIFY progressChanged)
    Q_PROPERTY(QString currentWord READ currentWord NOTIFY progressChanged)
    Q_PROPERTY(QStringList report READ report NOTIFY finished)
    // The last import's set and the words the speech synthesizer voiced in
    // it, which the family may record in their own voice; empty when it failed.
    Q_PROPERTY(QString setName READ setName NOTIFY finished)
    Q_PROPERTY(QStringList voiced READ voiced NOTIFY finished)
    // The administrator locked importing and removing (vocalune.conf).
    Q_PROPERTY(bool systemLocked READ systemLocked CONSTANT)

public:
    explicit WordSetImport(QObject *parent = nullptr);
    // Cancels a running import and waits for it: nothing is left behind.
    ~WordSetImport() override;

    bool running() const;
    int done() const;
    int total() const;
    QString currentWord() const;
    QStringList report() const;
    QString setName() const { return m_setName; }
    QStringList voiced() const { return m_voiced; }
    bool systemLocked() const;

    // folder: a local path or a file: URL (as a folder dialog gives it).
    // False when an import is already running or importing is locked.
    Q_INVOKABLE bool start(const QString &folder);
    Q_INVOKABLE void cancel();
    // True for an imported set while removing is not locked; false for a
    // bundled dictionary or anything else.
    Q_INVOKABLE bool canRemove(const QString &setName) const;
    // Deletes the set's files and takes it out of the catalogue and the saved choice.
    Q_INVOKABLE bool remove(const QString &setName);

signals:
    void runningChanged();
    void progressChanged();
    // report: plain-language lines, the result first, then each refused file.
    void finished(bool imported, const QStringList &report, const QString &setName);
    void removed(const QString &setName);

private:
    struct Job;
    void onProgress(int done, int total, const QString &word);
    void onJobFinished();

    QThread *m_thread = nullptr;
    std::shared_ptr<Job> m_job;
    int m_done = 0;
    int m_total = 0;
    QString m_word;
    QStringList m_report;
    QString m_setName;
    QStringList m_voiced;
};
