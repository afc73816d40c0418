#pragma once

#include <QObject>

class QQmlContext;
class QQuickWidget;
class QWidget;
class WordSetImport;

// The dictionaries page's side of the window: it hands the page both lists
// and what each row shows, moves names between the lists, saves or reloads
// the choice and imports the player's word sets.
class DictionaryChoice : public QObject
{
    Q_OBJECT

public:
    // context: the page's context; dialogParent: the window the folder dialog belongs to.
    DictionaryChoice(QQmlContext *context, QWidget *dialogParent);
    // Cancels a running import and waits for its thread.
    ~DictionaryChoice() override;

    WordSetImport *wordSets() const { return m_wordSets; }

    // Once the page's items exist: a focused button that turns disabled
    // leaves the focus on the scene itself, where no key does anything, so
    // the page takes it back.
    void keepFocusOnPage(QQuickWidget *view, QObject *page);

    void add(int index);
    void remove(int index);
    // Throws the moves away: the lists as the catalogue and the saved file have them.
    void reload();
    // False when the choice could not be saved; the saved one then stays as it was.
    bool save();
    // Asks for a folder and imports it as a word set.
    void chooseFolderToImport();
    // folder: a path or a file: URL. False when an import is already running.
    bool import(const QString &folder);

signals:
    // The highlighted row was the last of its list and has gone.
    void dictionaryListIndexToZero();
    void chosenListIndexToZero();

private:
    void publishLists();
    void publishDetails();

    QQmlContext *m_context;
    QWidget *m_dialogParent;
    WordSetImport *m_wordSets;
};
