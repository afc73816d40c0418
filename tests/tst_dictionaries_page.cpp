// The dictionaries page with the bundled dictionaries and two small extra ones.
#include "testsupport.h"

#include "MainWindow.h"
#include "PairGame.h"
#include "Word.h"
#include "WordStore.h"

#include <QDir>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWidget>
#include <QSignalSpy>
#include <QTest>

using namespace TestSupport;

namespace {

QByteArray namesFile(const QStringList &names)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    for (const QString &name : names)
        stream << name;
    return bytes;
}

// The left list at start: every dictionary but Animals, in catalogue order.
QStringList othersThanAnimals()
{
    QStringList names = QDir(":/png").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    names.sort();
    names.removeAll("Animals");
    return names;
}

QStringList without(QStringList names, const QStringList &gone)
{
    for (const QString &name : gone)
        names.removeAll(name);
    return names;
}

} // namespace

class TestDictionariesPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initApplication();
        QVERIFY(registerTestDictionaries());
    }
    void cleanupTestCase() { unregisterTestDictionaries(); }

    void init()
    {
        m_data.reset(new TemporaryDataLocation);
        m_window.reset(new MainWindow(QRect(0, 0, 800, 480)));
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.data()));
        m_window->buttonDictionariesClicked();
        m_view = m_window->view(MainWindow::PageDictionaries);
    }
    void cleanup()
    {
        m_window.reset();
        m_data.reset();
    }

    void showsBothListsAndMovesBothWays();
    void refusesToEmptyTheListInUse();
    void movingTheLastRowResetsTheHighlight();
    void saveWritesTheChoiceInOrder();
    void cancelRestoresTheSavedChoice();
    void nextGameDrawsFromTheSavedChoice();

private:
    QStringList published(const char *name) const
    {
        return m_window->context(MainWindow::PageDictionaries)->contextProperty(name).toStringList();
    }
    QQuickItem *list(const char *name) const { return findItem(m_view->rootObject(), name); }
    void tapButton(const char *name) { tap(m_view, findItem(m_view->rootObject(), name)); }
    void tapRow(const char *listName, const QString &text)
    {
        QQuickItem *row = findItemByText(list(listName), text);
        QVERIFY2(row, qPrintable(text));
        tap(m_view, row);
    }

    QScopedPointer<TemporaryDataLocation> m_data;
    QScopedPointer<MainWindow> m_window;
    QQuickWidget *m_view = nullptr;
};

void TestDictionariesPage::showsBothListsAndMovesBothWays()
{
    const QStringList others = othersThanAnimals();
    QVERIFY2(others.startsWith("Birds") && others.contains("Farm"), qPrintable(others.join(", ")));
    QCOMPARE(published("chosenDictListModel"), QStringList({"Animals"}));
    QCOMPARE(published("dictListModel"), others);
    QVERIFY(findItemByText(list("dictList"), "Birds"));
    QVERIFY(findItemByText(list("chosList"), "Animals"));

    tapRow("dictList", "Farm");
    QCOMPARE(list("dictList")->property("highlightIndex").toInt(), others.indexOf("Farm"));
    tapButton("addButton");
    QCOMPARE(published("chosenDictListModel"), QStringList({"Animals", "Farm"}));
    QCOMPARE(published("dictListModel"), without(others, {"Farm"}));
    QTRY_VERIFY(findItemByText(list("chosList"), "Farm"));

    tapRow("chosList", "Animals");
    tapButton("removeButton");
    QCOMPARE(published("chosenDictListModel"), QStringList({"Farm"}));
    QCOMPARE(published("dictListModel"), without(others, {"Farm"}) << "Animals");
    // Nothing reaches the file before Save.
    QVERIFY(!QFile::exists(m_data->filePath("/dictionaries.dat")));
}

void TestDictionariesPage::refusesToEmptyTheListInUse()
{
    QSignalSpy chosenToZero(m_window.data(), &MainWindow::chosenListIndexToZero);
    QSignalSpy dictionaryToZero(m_window.data(), &MainWindow::dictionaryListIndexToZero);
    const QStringList others = othersThanAnimals();
    tapButton("removeButton");
    QCOMPARE(published("chosenDictListModel"), QStringList({"Animals"}));
    QCOMPARE(published("dictListModel"), others);
    QCOMPARE(chosenToZero.count(), 0);

    // A refused move past the end still sends the highlight back to the top.
    m_window->buttonRemoveListClicked(3);
    QCOMPARE(chosenToZero.count(), 1);
    m_window->buttonAddListClicked(-1);
    m_window->buttonAddListClicked(others.size());
    QCOMPARE(published("dictListModel"), others);
    QCOMPARE(dictionaryToZero.count(), 1);
}

void TestDictionariesPage::movingTheLastRowResetsTheHighlight()
{
    QSignalSpy dictionaryToZero(m_window.data(), &MainWindow::dictionaryListIndexToZero);
    QQuickItem *dictList = list("dictList");
    const QStringList others = othersThanAnimals();

    // Move row 0 until the left list has two rows: none of them was its last row.
    while (published("dictListModel").size() > 2)
        tapButton("addButton");
    QCOMPARE(dictionaryToZero.count(), 0);
    QCOMPARE(published("dictListModel"), others.mid(others.size() - 2));

    // Row 0 of two moves; the highlight stays on row 0, now the next name.
    tapButton("addButton");
    QCOMPARE(dictionaryToZero.count(), 0);
    QCOMPARE(published("dictListModel"), QStringList({others.last()}));
    QCOMPARE(dictList->property("highlightIndex").toInt(), 0);

    // Add Animals back so the left list has two rows, then move its last one.
    tapRow("chosList", "Animals");
    tapButton("removeButton");
    QCOMPARE(published("dictListModel"), QStringList({others.last(), "Animals"}));
    QTRY_VERIFY(findItemByText(dictList, "Animals"));
    tapRow("dictList", "Animals");
    QCOMPARE(dictList->property("highlightIndex").toInt(), 1);
    tapButton("addButton");
    QCOMPARE(dictionaryToZero.count(), 1);
    QCOMPARE(dictList->property("highlightIndex").toInt(), 0);
    QCOMPARE(published("chosenDictListModel"), others.mid(0, others.size() - 1) << "Animals");
}

void TestDictionariesPage::saveWritesTheChoiceInOrder()
{
    tapButton("saveButton");
    QCOMPARE(m_window->currentPage(), int(MainWindow::PageMain));
    QCOMPARE(readFile(m_data->filePath("/dictionaries.dat")),
             QByteArray::fromHex("0000000E0041006E0069006D0061006C0073"));

    m_window->buttonDictionariesClicked();
    tapRow("dictList", "Farm");
    tapButton("addButton");
    tapRow("dictList", "Birds");
    tapButton("addButton");
    tapButton("saveButton");
    QCOMPARE(readFile(m_data->filePath("/dictionaries.dat")), namesFile({"Animals", "Farm", "Birds"}));
    // The page keeps showing what was saved.
    QCOMPARE(published("chosenDictListModel"), QStringList({"Animals", "Farm", "Birds"}));
    QCOMPARE(published("dictListModel"), without(othersThanAnimals(), {"Farm", "Birds"}));
}

void TestDictionariesPage::cancelRestoresTheSavedChoice()
{
    const QStringList others = othersThanAnimals();
    tapButton("addButton");
    tapButton("saveButton");
    m_window->buttonDictionariesClicked();
    tapButton("addButton");
    tapRow("chosList", "Animals");
    tapButton("removeButton");
    QCOMPARE(published("chosenDictListModel"), others.mid(0, 2));

    tapButton("cancelButton");
    QCOMPARE(m_window->currentPage(), int(MainWindow::PageMain));
    QCOMPARE(published("chosenDictListModel"), QStringList({"Animals", others[0]}));
    QCOMPARE(published("dictListModel"), others.mid(1));
    QCOMPARE(WordStore::instance()->chosenDictionaries(), QStringList({"Animals", others[0]}));
}

void TestDictionariesPage::nextGameDrawsFromTheSavedChoice()
{
    // Only the two small dictionaries: six words, one pair game round.
    tapButton("addButton"); // Birds, on row 0
    tapRow("dictList", "Farm");
    tapButton("addButton");
    tapRow("chosList", "Animals");
    tapButton("removeButton");
    tapButton("saveButton");
    QCOMPARE(readFile(m_data->filePath("/dictionaries.dat")), namesFile({"Birds", "Farm"}));

    m_window->buttonNewGameClicked();
    m_window->buttonStartGameClicked(0);
    PairGame *game = m_window->openPairGame();
    QVERIFY(game);
    QStringList pictures;
    for (QObject *item : game->imageList())
        pictures << static_cast<Word *>(item)->imagePath();
    pictures.sort();
    QCOMPARE(pictures, QStringList({":/png/Birds/Hen.png", ":/png/Birds/Owl.png", ":/png/Birds/Robin.png",
                                    ":/png/Farm/Cow.png", ":/png/Farm/Hen.png", ":/png/Farm/Pig.png"}));
}

QTEST_MAIN(TestDictionariesPage)
#include "tst_dictionaries_page.moc"
