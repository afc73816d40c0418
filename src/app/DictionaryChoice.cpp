#include "DictionaryChoice.h"

#include "DictionaryDetails.h"
#include "WordSetImport.h"
#include "WordStore.h"

#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>

DictionaryChoice::DictionaryChoice(QQmlContext *context, QWidget *dialogParent)
    : QObject(dialogParent)
    , m_context(context)
    , m_dialogParent(dialogParent)
    , m_wordSets(new WordSetImport(this))
{
    // The store's catalogue is up to date when these arrive.
    connect(m_wordSets, &WordSetImport::finished, this, &DictionaryChoice::publishLists);
    connect(m_wordSets, &WordSetImport::removed, this, &DictionaryChoice::publishLists);
    publishLists();
}

DictionaryChoice::~DictionaryChoice()
{
    delete m_wordSets;
}

void DictionaryChoice::keepFocusOnPage(QQuickWidget *view, QObject *page)
{
    QQuickWindow *window = view->quickWindow();
    connect(window, &QQuickWindow::activeFocusItemChanged, page, [window, page] {
        QQuickItem *focused = window->activeFocusItem();
        if (focused && (focused == window->contentItem() || focused == page))
            QMetaObject::invokeMethod(page, "focusFirst", Qt::QueuedConnection);
    });
}

void DictionaryChoice::publishLists()
{
    WordStore *store = WordStore::instance();
    m_context->setContextProperty(QStringLiteral("dictListModel"), QVariant::fromValue(store->dictionaries()));
    m_context->setContextProperty(QStringLiteral("chosenDictListModel"),
                                  QVariant::fromValue(store->chosenDictionaries()));
    publishDetails();
}

void DictionaryChoice::publishDetails()
{
    // Only the catalogue changes what a row shows, not the moves between the
    // lists: describe again only when a name came or went.
    WordStore *store = WordStore::instance();
    QStringList names = store->dictionaries() + store->chosenDictionaries();
    names.sort();
    if (m_context->contextProperty(QStringLiteral("dictionaryDetails")).toMap().keys() == names)
        return;
    m_context->setContextProperty(QStringLiteral("dictionaryDetails"), DictionaryDetails::describe(names));
}

void DictionaryChoice::add(int index)
{
    WordStore::instance()->addList(index);
    publishLists();
    if (WordStore::instance()->dictionaries().size() < index + 1)
        emit dictionaryListIndexToZero();
}

void DictionaryChoice::remove(int index)
{
    WordStore::instance()->removeList(index);
    publishLists();
    if (WordStore::instance()->chosenDictionaries().size() < index + 1)
        emit chosenListIndexToZero();
}

void DictionaryChoice::reload()
{
    WordStore::instance()->loadLists();
    publishLists();
}

bool DictionaryChoice::save()
{
    return WordStore::instance()->saveLists();
}

void DictionaryChoice::chooseFolderToImport()
{
    if (m_wordSets->running() || m_wordSets->systemLocked())
        return;
    QFileDialog dialog(m_dialogParent, tr("Choose a folder of pictures"), QDir::homePath());
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    // The pages' large type would not let the dialog fit a small screen: it
    // takes the desktop's own font, and the window's size at most.
    dialog.setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    dialog.resize(dialog.sizeHint().boundedTo(m_dialogParent->size() * 9 / 10));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        import(dialog.selectedFiles().constFirst());
}

bool DictionaryChoice::import(const QString &folder)
{
    return m_wordSets->start(folder);
}
