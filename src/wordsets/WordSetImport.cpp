#include "WordSetImport.h"

#include "ImportedSets.h"
#include "SystemConfig.h"
#include "WordSetImporter.h"
#include "WordStore.h"

#include <QThread>
#include <QUrl>

struct WordSetImport::Job
{
    QString folder;
    std::atomic<bool> cancel{false};
    WordSetReport report;
};

WordSetImport::WordSetImport(QObject *parent)
    : QObject(parent)
{
}

WordSetImport::~WordSetImport()
{
    if (m_thread) {
        m_job->cancel = true;
        m_thread->wait();
        delete m_thread;
    }
}

bool WordSetImport::running() const
{
    return m_thread != nullptr;
}

int WordSetImport::done() const
{
    return m_done;
}

int WordSetImport::total() const
{
    return m_total;
}

QString WordSetImport::currentWord() const
{
    return m_word;
}

QStringList WordSetImport::report() const
{
    return m_report;
}

bool WordSetImport::systemLocked() const
{
    return SystemConfig::instance().importLocked();
}

bool WordSetImport::start(const QString &folder)
{
    if (m_thread || systemLocked())
        return false;
    const QUrl url(folder);
    m_job = std::make_shared<Job>();
    m_job->folder = url.isLocalFile() ? url.toLocalFile() : folder;
    m_done = 0;
    m_total = 0;
    m_word.clear();
    m_report.clear();
    m_setName.clear();
    m_voiced.clear();

    // The destructor waits for the thread, so this outlives every call.
    std::shared_ptr<Job> job = m_job;
    m_thread = QThread::create([job, this] {
        WordSetImporter importer(job->folder);
        importer.setCancelFlag(&job->cancel);
        importer.setProgress([this](int done, int total, const QString &word) {
            QMetaObject::invokeMethod(
                this, [this, done, total, word] { onProgress(done, total, word); }, Qt::QueuedConnection);
        });
        job->report = importer.run();
    });
    connect(m_thread, &QThread::finished, this, &WordSetImport::onJobFinished);
    m_thread->start();
    emit runningChanged();
    return true;
}

void WordSetImport::cancel()
{
    if (m_job)
        m_job->cancel = true;
}

bool WordSetImport::canRemove(const QString &setName) const
{
    return !systemLocked() && !ImportedSets::isBundledName(setName) && ImportedSets::isImported(setName);
}

bool WordSetImport::remove(const QString &setName)
{
    if (!canRemove(setName) || !WordSetImporter::removeSetFiles(setName))
        return false;
    WordStore::instance()->forgetDictionary(setName);
    emit removed(setName);
    return true;
}

void WordSetImport::onProgress(int done, int total, const QString &word)
{
    if (!m_thread)
        return;
    m_done = done;
    m_total = total;
    m_word = word;
    emit progressChanged();
}

void WordSetImport::onJobFinished()
{
    m_thread->deleteLater();
    m_thread = nullptr;
    const WordSetReport result = m_job->report;
    m_job.reset();
    m_report = result.lines();
    m_setName = result.imported() ? result.setName : QString();
    m_voiced = result.imported() ? result.voiced : QStringList();
    if (result.imported())
        WordStore::instance()->refreshCatalogue();
    emit runningChanged();
    emit finished(result.imported(), m_report, result.setName);
}
