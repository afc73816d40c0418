#include "ProgressReport.h"

#include "ClassSync.h"
#include "ProgressExport.h"
#include "ProgressStore.h"
#include "WordMemory.h"
#include "WordStore.h"

#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QLocale>
#include <QStandardPaths>
#include <QVariantMap>

namespace {

using InUse = QHash<QString, QHash<QString, const WordStore::Entry *>>;

InUse wordsInUse(const QList<WordStore::Entry> &entries, QStringList *order = nullptr)
{
    InUse inUse;
    for (const WordStore::Entry &entry : entries) {
        if (order && !inUse.contains(entry.dictionary))
            order->append(entry.dictionary);
        inUse[entry.dictionary].insert(entry.word, &entry);
    }
    return inUse;
}

// Only words still in use can show their picture; the others are left out.
QVariantList hardestInUse(const QList<WordMemory::Summary::Trouble> &troubles, const InUse &inUse)
{
    QVariantList hardest;
    for (const WordMemory::Summary::Trouble &trouble : troubles) {
        const WordStore::Entry *entry = inUse.value(trouble.dictionary).value(trouble.word);
        if (!entry || trouble.mistakes == 0)
            continue;
        hardest.append(QVariantMap{{QStringLiteral("word"), entry->word},
                                   {QStringLiteral("imagePath"), entry->imagePath},
                                   {QStringLiteral("soundPath"), entry->soundPath()},
                                   {QStringLiteral("mistakes"), trouble.mistakes}});
        if (hardest.size() == 5)
            break;
    }
    return hardest;
}

} // namespace

ProgressReport::ProgressReport(ProgressStore *store, QObject *parent)
    : QObject(parent)
    , m_store(store)
{
}

void ProgressReport::load(qint64 player, const QString &name)
{
    // The answers of the game just played are on the page.
    m_store->flush();
    WordMemory memory;
    const WordMemory::Summary summary = WordMemory::summarize(m_store->answers(player), QDate::currentDate(), 30, 10,
                                                              &memory);

    m_name = name;
    m_classShown = false;

    // The dictionaries in use, in the player's order; a word's picture and
    // recording for the hardest words.
    const QList<WordStore::Entry> entries = WordStore::instance()->chosenWords();
    QStringList order;
    const InUse inUse = wordsInUse(entries, &order);
    m_dictionaries.clear();
    for (const QString &dictionary : qAsConst(order)) {
        int learned = 0;
        int learning = 0;
        const auto &words = inUse.value(dictionary);
        for (auto it = words.cbegin(); it != words.cend(); ++it) {
            if (const WordMemory::State *state = memory.state(dictionary, it.key()))
                ++(state->learned() ? learned : learning);
        }
        m_dictionaries.append(QVariantMap{{QStringLiteral("name"), dictionary},
                                          {QStringLiteral("learned"), learned},
                                          {QStringLiteral("learning"), learning},
                                          {QStringLiteral("notMet"), words.size() - learned - learning}});
    }

    m_days.clear();
    m_mostLearned = 0;
    m_mostMinutes = 0;
    const QLocale locale;
    for (int i = 0; i < summary.learnedPerDay.size(); ++i) {
        const QDate day = summary.firstDay.addDays(i);
        const int learned = summary.learnedPerDay.at(i);
        const int minutes = summary.minutesPerDay.value(i);
        m_mostLearned = qMax(m_mostLearned, learned);
        m_mostMinutes = qMax(m_mostMinutes, minutes);
        m_days.append(QVariantMap{{QStringLiteral("day"), day.day()},
                                  {QStringLiteral("date"), locale.toString(day, QLocale::LongFormat)},
                                  {QStringLiteral("shortDate"), locale.toString(day, QLocale::ShortFormat)},
                                  {QStringLiteral("learned"), learned},
                                  {QStringLiteral("minutes"), minutes}});
    }

    m_hardest = hardestInUse(summary.mostMistakes, inUse);
    m_lastGame = summary.lastAnswer.isValid() ? locale.toString(summary.lastAnswer.date(), QLocale::LongFormat)
                                              : QString();
    if (!m_exportMessage.isEmpty()) {
        m_exportMessage.clear();
        emit exportMessageChanged();
    }
    emit changed();
}

void ProgressReport::chooseFileAndExport(QWidget *parent)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QDir(folder).exists())
        folder = QDir::homePath();
    QFileDialog dialog(parent, tr("Export progress"), QDir(folder).filePath(QStringLiteral("vocalune-progress.csv")),
                       tr("CSV files (*.csv)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    // As the import's dialog: the desktop's own font, the window's size at most.
    dialog.setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    dialog.resize(dialog.sizeHint().boundedTo(parent->size() * 9 / 10));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        exportTo(dialog.selectedFiles().constFirst());
}

bool ProgressReport::exportTo(const QString &path)
{
    // The class's file is written on the sync's thread; its line comes with exported().
    if (m_classShown && m_sync) {
        m_exportMessage = tr("Asking the class's server…");
        emit exportMessageChanged();
        m_sync->exportCsv(path);
        return true;
    }
    QString error;
    const bool written = ProgressExport::writeCsv(*m_store, path, &error);
    m_exportMessage = written ? tr("Saved in %1").arg(QDir::toNativeSeparators(path))
                              : tr("Could not export: %1").arg(error);
    emit exportMessageChanged();
    return written;
}

void ProgressReport::play(const QString &soundPath)
{
    if (!soundPath.isEmpty())
        emit playSound(soundPath);
}

QString ProgressReport::className() const
{
    return m_sync ? m_sync->className() : QString();
}

void ProgressReport::setClassSync(ClassSync *sync)
{
    m_sync = sync;
    connect(sync, &ClassSync::exported, this, [this](const QString &path, const QString &error) {
        m_exportMessage = error.isEmpty() ? tr("Saved in %1").arg(QDir::toNativeSeparators(path))
                                          : tr("Could not export: %1").arg(error);
        emit exportMessageChanged();
    });
    connect(sync, &ClassSync::classLoaded, this, [this](const ClassSync::ClassSummary &summary) {
        m_classPupils.clear();
        m_classHardest.clear();
        m_classMessage = summary.loaded ? QString() : tr("The class's server cannot be reached just now.");
        const QLocale locale;
        for (const ClassSync::PupilSummary &pupil : summary.pupils) {
            m_classPupils.append(
                QVariantMap{{QStringLiteral("name"), pupil.name},
                            {QStringLiteral("learned"), pupil.learned},
                            {QStringLiteral("learning"), pupil.learning},
                            {QStringLiteral("lastPlayed"),
                             pupil.lastPlayed.isValid() ? locale.toString(pupil.lastPlayed.date(), QLocale::ShortFormat)
                                                        : QString()}});
        }
        const QList<WordStore::Entry> entries = WordStore::instance()->chosenWords();
        m_classHardest = hardestInUse(summary.hardest, wordsInUse(entries));
        emit classChanged();
    });
    emit classChanged();
}

void ProgressReport::loadClass()
{
    if (!m_sync)
        return;
    m_classShown = true;
    m_classMessage = tr("Asking the class's server…");
    emit classChanged();
    m_sync->loadClass();
}
