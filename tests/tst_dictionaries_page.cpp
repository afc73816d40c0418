// The dictionaries page with the bundled dictionaries and two small extra
// ones, and with imported word sets beside them.
#include "testsupport.h"

#include "ImportedSets.h"
#include "MainWindow.h"
#include "PairGame.h"
#include "Word.h"
#include "WordSetImport.h"
#include "WordSetImporter.h"
#include "WordStore.h"

#include <QAccessible>
#include <QDir>
#include <QImage>
#include <QJSValue>
#include <QPainter>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
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

// A picture a child could tell from the others: a coloured disc.
QImage disc(int hue)
{
    QImage image(120, 90, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setBrush(QColor::fromHsv(hue % 360, 200, 220));
    painter.drawEllipse(10, 5, 100, 80);
    return image;
}

void makePictures(const QString &folder, const QStringList &words)
{
    QDir().mkpath(folder);
    for (int i = 0; i < words.size(); ++i)
        QVERIFY(disc(i * 47).save(folder + "/" + words[i] + ".png"));
}

// Imported sets with the longest names a row must still show whole at
// 800x480; no bundled dictionary has these names.
const QStringList LongImportedNames = {"Kindergartenfreundschaftsbuecher", "Things in our classroom and yard"};

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
        m_window.reset(new TestWindow);
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
    void tenDictionariesMoveBothWaysWithTheHighlightOnTheMovedRow();
    void everyRowShowsItsPictureNameAndCountWhole();
    void importsRemovesAndReportsThroughThePage();
    void worksWithTheKeyboardAlone();

private:
    // Reopens the window with word sets imported beside the bundle: they are
    // made in the data directory first, set n with 6 + n words.
    void reopenWithImportedSets(const QStringList &names)
    {
        m_window.reset();
        for (int set = 0; set < names.size(); ++set) {
            QStringList words;
            for (int i = 0; i < 6 + set; ++i)
                words << QString("%1 %2").arg(names[set].left(5).trimmed()).arg(i);
            makePictures(ImportedSets::picturesDirectory(names[set]), words);
        }
        m_window.reset(new TestWindow);
        m_window->buttonDictionariesClicked();
        m_view = m_window->view(MainWindow::PageDictionaries);
        QCOMPARE(published("dictListModel"), othersThanAnimals() + names);
        QCOMPARE(published("chosenDictListModel"), QStringList("Animals"));
    }
    // What is wrong between a list's highlight and the row its arrow button
    // moves: empty when the ListView's current row is the highlighted one,
    // the highlight is drawn over it, and it is scrolled into sight.
    QString highlightFault(const char *listName)
    {
        QQuickItem *owner = list(listName);
        QQuickItem *view = findItem(owner, "listView");
        const int highlighted = owner->property("highlightIndex").toInt();
        const int current = view->property("currentIndex").toInt();
        const QStringList names = published(listName == QByteArray("dictList") ? "dictListModel"
                                                                               : "chosenDictListModel");
        if (names.isEmpty())
            return current == -1 ? QString() : QString("an empty list has row %1 current").arg(current);
        if (current != highlighted)
            return QString("the arrows move row %1, the list's current row is %2").arg(highlighted).arg(current);
        auto *item = view->property("currentItem").value<QQuickItem *>();
        auto *highlight = view->property("highlightItem").value<QQuickItem *>();
        if (!item || !highlight)
            return "no current row or no highlight";
        if (findItem(item, "name")->property("text").toString() != names.value(highlighted))
            return QString("the current row shows %1, row %2 is %3")
                .arg(findItem(item, "name")->property("text").toString())
                .arg(highlighted)
                .arg(names.value(highlighted));
        if (!qFuzzyCompare(highlight->y() + 1, item->y() + 1))
            return QString("the highlight is at %1, the row at %2").arg(highlight->y()).arg(item->y());
        const qreal top = view->property("contentY").toReal();
        if (item->y() < top - 0.5 || item->y() + item->height() > top + view->height() + 0.5)
            return QString("row %1 is scrolled out of sight").arg(highlighted);
        return QString();
    }
    void checkBothHighlights()
    {
        // The highlight glides to its row: wait for it, however long it takes.
        QTRY_VERIFY2(highlightFault("dictList").isEmpty(), qPrintable(highlightFault("dictList")));
        QTRY_VERIFY2(highlightFault("chosList").isEmpty(), qPrintable(highlightFault("chosList")));
    }
    // The item that has the keyboard focus in the page's scene.
    QQuickItem *focused() const { return m_view->quickWindow()->activeFocusItem(); }
    void key(Qt::Key key)
    {
        QTest::keyClick(m_view, key);
        if (m_window->currentPage() != MainWindow::PageDictionaries)
            return;
        // Focus is never left on nothing or on the bare scene.
        QVERIFY(focused());
        QVERIFY(focused() != m_view->quickWindow()->contentItem());
        QVERIFY(focused() != m_view->rootObject());
    }
    QQuickItem *item(const char *name) const { return findItem(m_view->rootObject(), name); }

    QStringList published(const char *name) const
    {
        return m_window->context(MainWindow::PageDictionaries)->contextProperty(name).toStringList();
    }
    QQuickItem *list(const char *name) const { return findItem(m_view->rootObject(), name); }
    void tapButton(const char *name) { QVERIFY(m_window->tap(MainWindow::PageDictionaries, name)); }
    void tapRow(const char *listName, const QString &text)
    {
        QQuickItem *row = findItemByText(list(listName), text);
        QVERIFY2(row, qPrintable(text));
        tap(m_view, row);
    }

    QScopedPointer<TemporaryDataLocation> m_data;
    QScopedPointer<TestWindow> m_window;
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
    QCOMPARE(pictures,
             QStringList({":/png/Birds/Hen.png", ":/png/Birds/Owl.png", ":/png/Birds/Robin.png", ":/png/Farm/Cow.png",
                          ":/png/Farm/Hen.png", ":/png/Farm/Pig.png"}));
}

void TestDictionariesPage::tenDictionariesMoveBothWaysWithTheHighlightOnTheMovedRow()
{
    // The whole bundle: ten dictionaries and the two small extra ones.
    const QStringList others = othersThanAnimals();
    QVERIFY2(others.size() >= 11, qPrintable(others.join(", ")));
    for (const char *name : {"Nature and Weather", "School", "Transport"})
        QVERIFY2(others.contains(name), name);
    QCOMPARE(others.last(), QString("Transport"));
    QQuickItem *dictList = list("dictList");
    QQuickItem *chosList = list("chosList");
    // The rows cannot all show at once: the list scrolls.
    QQuickItem *available = findItem(dictList, "listView");
    QVERIFY(available->property("contentHeight").toReal() > available->height());
    checkBothHighlights();

    // Deep in the list, below what shows at first: the arrows move the
    // highlighted row and the highlight stays on the same place, now the next name.
    const int deep = others.indexOf("Nature and Weather");
    dictList->setProperty("highlightIndex", deep);
    checkBothHighlights();
    tapButton("addButton");
    QCOMPARE(published("chosenDictListModel"), QStringList({"Animals", "Nature and Weather"}));
    QCOMPARE(dictList->property("highlightIndex").toInt(), deep);
    checkBothHighlights();
    QCOMPARE(published("dictListModel").value(deep), QString("School"));
    tapButton("addButton");
    QCOMPARE(published("chosenDictListModel"), QStringList({"Animals", "Nature and Weather", "School"}));
    checkBothHighlights();
    // The last row: the highlight goes back to the top.
    dictList->setProperty("highlightIndex", published("dictListModel").size() - 1);
    tapButton("addButton");
    QCOMPARE(published("chosenDictListModel").last(), QString("Transport"));
    QCOMPARE(dictList->property("highlightIndex").toInt(), 0);
    checkBothHighlights();
    tapButton("addButton"); // Birds
    checkBothHighlights();

    // Back the other way, from the middle of the list in use.
    QCOMPARE(published("chosenDictListModel"),
             QStringList({"Animals", "Nature and Weather", "School", "Transport", "Birds"}));
    chosList->setProperty("highlightIndex", 2);
    checkBothHighlights();
    tapButton("removeButton");
    QCOMPARE(published("chosenDictListModel"), QStringList({"Animals", "Nature and Weather", "Transport", "Birds"}));
    QCOMPARE(published("dictListModel").last(), QString("School"));
    // Highlighted where it landed, and in sight (below).
    QCOMPARE(dictList->property("highlightIndex").toInt(), published("dictListModel").size() - 1);
    checkBothHighlights();
    tapButton("removeButton"); // Transport
    checkBothHighlights();
    tapButton("removeButton"); // Birds, the last row: back to the top
    QCOMPARE(chosList->property("highlightIndex").toInt(), 0);
    checkBothHighlights();
    tapButton("removeButton"); // Animals
    QCOMPARE(published("chosenDictListModel"), QStringList({"Nature and Weather"}));
    checkBothHighlights();
    QCOMPARE(published("dictListModel").size(), others.size());

    tapButton("saveButton");
    QCOMPARE(readFile(m_data->filePath("/dictionaries.dat")), namesFile({"Nature and Weather"}));

    // Moves that are cancelled leave the saved choice and the page as saved.
    m_window->buttonDictionariesClicked();
    dictList->setProperty("highlightIndex", others.size() - 3);
    tapButton("addButton");
    tapButton("addButton");
    chosList->setProperty("highlightIndex", 0);
    tapButton("removeButton");
    QCOMPARE(published("chosenDictListModel").size(), 2);
    checkBothHighlights();
    tapButton("cancelButton");
    QCOMPARE(published("chosenDictListModel"), QStringList({"Nature and Weather"}));
    QCOMPARE(readFile(m_data->filePath("/dictionaries.dat")), namesFile({"Nature and Weather"}));
    checkBothHighlights();

    // A list scrolled away from its highlight (as a mouse wheel leaves it)
    // shows the highlighted row again when the page opens next.
    dictList->setProperty("highlightIndex", published("dictListModel").size() - 1);
    checkBothHighlights();
    available->setProperty("contentY", 0);
    QVERIFY(!highlightFault("dictList").isEmpty());
    tapButton("saveButton");
    m_window->buttonDictionariesClicked();
    checkBothHighlights();
}

void TestDictionariesPage::everyRowShowsItsPictureNameAndCountWhole()
{
    // Every bundled dictionary, and the longest names imported beside them.
    reopenWithImportedSets(LongImportedNames);
    // About half in each list, so both lists' rows are measured.
    while (published("chosenDictListModel").size() < published("dictListModel").size())
        tapButton("addButton");
    for (const char *listName : {"dictList", "chosList"}) {
        QQuickItem *owner = list(listName);
        QQuickItem *view = findItem(owner, "listView");
        const int rows = view->property("count").toInt();
        QVERIFY(rows >= 4);
        QCOMPARE(rows, published(listName == QByteArray("dictList") ? "dictListModel" : "chosenDictListModel").size());
        for (int row = 0; row < rows; ++row) {
            owner->setProperty("highlightIndex", row);
            QTRY_VERIFY(highlightFault(listName).isEmpty());
            auto *item = view->property("currentItem").value<QQuickItem *>();
            const QString name = findItem(item, "name")->property("text").toString();
            for (const char *part : {"name", "count"}) {
                QQuickItem *text = findItem(item, part);
                const QString what = name + " " + part;
                QVERIFY2(!text->property("truncated").toBool(), qPrintable(what + " is cut"));
                QVERIFY2(text->property("contentWidth").toReal() <= text->width() + 0.5,
                         qPrintable(what + " is too wide"));
                QVERIFY2(text->property("contentHeight").toReal() <= text->height() + 0.5,
                         qPrintable(what + " is too high"));
                // Not shrunk out of sight either.
                const int shown = text->property("fontInfo").value<QJSValue>().property("pixelSize").toInt();
                QVERIFY2(shown >= 10, qPrintable(QString("%1 is %2 pixels high").arg(what).arg(shown)));
            }
            const int words = LongImportedNames.contains(name)
                ? 6 + LongImportedNames.indexOf(name)
                : QDir(":/png/" + name).entryList({"*.png"}, QDir::Files).size();
            QVERIFY2(words >= 3, qPrintable(name));
            QCOMPARE(findItem(item, "count")->property("text").toString(), QString("%1 words").arg(words));
            QQuickItem *picture = nullptr;
            for (QQuickItem *child : item->childItems()) {
                if (child->inherits("QQuickImage"))
                    picture = child;
            }
            QVERIFY2(picture, qPrintable(name));
            QTRY_COMPARE(picture->property("status").toInt(), 1); // Image.Ready
            QVERIFY(picture->property("paintedWidth").toReal() > 0);
        }
    }
}

void TestDictionariesPage::importsRemovesAndReportsThroughThePage()
{
    // A stand-in voice: the page is what is tested here, not the speech.
    const QString speech = m_data->path() + "/speech";
    writeFile(speech, "#!/bin/sh\nprintf 'RIFF0000WAVE%060d' 0 > \"$2\"\n");
    QFile::setPermissions(speech, QFile::ReadOwner | QFile::ExeOwner);
    WordSetImporter::setSpeechProgram(speech);
    const QString max = plantVoice("Our pets", "Max");
    QTemporaryDir folder;
    const QString source = folder.path() + "/Our pets";
    makePictures(source, {"Bella", "Goldie", "Max", "Milo", "Oscar", "Rex"});
    // A text file under a picture's name is refused, and the rest still come in.
    writeFile(source + "/Tiger.png", "not a picture at all");

    WordSetImport *import = m_window->wordSetImport();
    QSignalSpy progress(import, &WordSetImport::progressChanged);
    QSignalSpy finished(import, &WordSetImport::finished);
    QVERIFY(m_window->importWordSet(source));
    // The progress panel covers the page and has the focus at once.
    QVERIFY(item("importProgress")->isVisible());
    QVERIFY(!item("saveButton")->isEnabled());
    QCOMPARE(focused(), item("importCancelButton"));
    QVERIFY(finished.wait(60000) || finished.count() == 1);
    QVERIFY(!item("importProgress")->isVisible());
    QVERIFY(!progress.isEmpty());
    QCOMPARE(import->done(), import->total());
    QCOMPARE(import->total(), 7);

    // The report is on the page, the set in the available list, highlighted.
    QQuickItem *report = item("importReport");
    QVERIFY(report->isVisible());
    const QStringList lines = import->report();
    QVERIFY2(lines.value(0).startsWith("Imported 6 words into the set \"Our pets\""), qPrintable(lines.join('\n')));
    QVERIFY2(lines.filter("Tiger.png").size() == 1, qPrintable(lines.join('\n')));
    for (const QString &line : lines)
        QVERIFY2(findItemByText(report, line), qPrintable(line));
    QCOMPARE(focused(), item("reportOkButton"));
    // Each word the computer voiced, to record; Max was recorded already.
    QTRY_VERIFY(item("voicedWord5")->y() > item("voicedWord0")->y());
    QVERIFY(findItemByText(item("voicedWord5"), "Rex"));
    QVERIFY(findItem(item("voicedWord2"), "builtInVoiceButton")->isVisible());
    QVERIFY(!findItem(item("voicedWord0"), "builtInVoiceButton")->isVisible());
    {
        MessageLog log;
        tap(m_view, findItem(item("voicedWord0"), "listenButton"));
        QCOMPARE(timesPlayed(ImportedSets::recordingsDirectory("Our pets") + "/Bella.wav"), 1);
    }
    key(Qt::Key_Up);
    QCOMPARE(focused(), findItem(item("voicedWord5"), "listenButton"));
    QVERIFY(published("dictListModel").contains("Our pets"));
    QTRY_COMPARE(list("dictList")->property("highlightIndex").toInt(), published("dictListModel").indexOf("Our pets"));
    tapButton("reportOkButton");
    QVERIFY(!report->isVisible());
    QCOMPARE(focused(), list("dictList"));

    // Remove asks first; Keep keeps the set.
    QVERIFY(item("removeSetButton")->isEnabled());
    tapButton("removeSetButton");
    QVERIFY(item("confirmRemove")->isVisible());
    QVERIFY(findItemByText(item("confirmRemove"), "Remove the word set \"Our pets\"?"));
    // A stray Enter keeps the set: the focus starts on Keep.
    QCOMPARE(focused(), item("confirmKeepButton"));
    tapButton("confirmKeepButton");
    QVERIFY(!item("confirmRemove")->isVisible());
    QVERIFY(published("dictListModel").contains("Our pets"));
    QVERIFY(QDir(ImportedSets::picturesDirectory("Our pets")).exists());

    tapButton("removeSetButton");
    key(Qt::Key_Right);
    QCOMPARE(focused(), item("confirmRemoveButton"));
    key(Qt::Key_Return);
    QVERIFY(!item("confirmRemove")->isVisible());
    QVERIFY(!published("dictListModel").contains("Our pets"));
    QVERIFY(!QDir(ImportedSets::picturesDirectory("Our pets")).exists());
    QVERIFY(!QFile::exists(max));
    checkBothHighlights();
    QVERIFY(focused());
    QVERIFY(focused() != m_view->quickWindow()->contentItem());

    // A bundled dictionary can never be removed.
    for (int row = 0; row < published("dictListModel").size(); ++row) {
        list("dictList")->setProperty("highlightIndex", row);
        QVERIFY2(!item("removeSetButton")->isEnabled(), qPrintable(published("dictListModel").value(row)));
    }
    // A set imported from the command line meanwhile is listed when the page opens again.
    makePictures(ImportedSets::picturesDirectory("Our class"), {"Desk", "Door", "Globe", "Map", "Pen", "Ruler"});
    tapButton("cancelButton");
    m_window->buttonDictionariesClicked();
    QVERIFY(published("dictListModel").contains("Our class"));
    WordSetImporter::setSpeechProgram(QString());
}

void TestDictionariesPage::worksWithTheKeyboardAlone()
{
    // The whole bundle: the lists scroll.
    const QStringList others = othersThanAnimals();
    QQuickItem *dictList = list("dictList");
    QCOMPARE(focused(), dictList);

    // Rows and arrow buttons say what they are.
    QAccessibleInterface *add = QAccessible::queryAccessibleInterface(item("addButton"));
    QVERIFY(add);
    QCOMPARE(add->role(), QAccessible::Button);
    QVERIFY(!add->text(QAccessible::Name).isEmpty());
    auto *row = findItem(dictList, "listView")->property("currentItem").value<QQuickItem *>();
    QAccessibleInterface *rowInterface = QAccessible::queryAccessibleInterface(row);
    QVERIFY(rowInterface);
    QCOMPARE(rowInterface->text(QAccessible::Name), QString("Birds, 3 words"));

    // Down past the bottom of the first screen of rows, then the arrow button.
    for (int i = 0; i < 4; ++i)
        key(Qt::Key_Down);
    QCOMPARE(dictList->property("highlightIndex").toInt(), 4);
    const QString fifth = others.value(4);
    checkBothHighlights();
    key(Qt::Key_Right);
    QCOMPARE(focused(), item("addButton"));
    key(Qt::Key_Space);
    QCOMPARE(published("chosenDictListModel"), QStringList({"Animals", fifth}));
    checkBothHighlights();
    // Enter on a row of the list in use sends it back.
    key(Qt::Key_Right);
    QCOMPARE(focused(), list("chosList"));
    key(Qt::Key_Return);
    QCOMPARE(published("chosenDictListModel"), QStringList({fifth}));
    checkBothHighlights();
    // Down past the last row reaches Save and Exit.
    key(Qt::Key_Down);
    QCOMPARE(focused(), item("saveButton"));
    key(Qt::Key_Return);
    QCOMPARE(m_window->currentPage(), int(MainWindow::PageMain));
    QCOMPARE(readFile(m_data->filePath("/dictionaries.dat")), namesFile({fifth}));

    // Back on the page, the focus starts on the first list again; Tab walks
    // every control and comes back, Escape cancels the moves.
    m_window->buttonDictionariesClicked();
    QCOMPARE(focused(), dictList);
    key(Qt::Key_Return);
    QCOMPARE(published("chosenDictListModel").size(), 2);
    QList<QQuickItem *> visited;
    for (int i = 0; i < 12 && !visited.contains(focused()); ++i) {
        visited << focused();
        key(Qt::Key_Tab);
    }
    QCOMPARE(focused(), dictList);
    for (const char *name : {"chosList", "addButton", "removeButton", "importButton", "cancelButton", "saveButton"})
        QVERIFY2(visited.contains(item(name)), name);
    key(Qt::Key_Escape);
    QCOMPARE(m_window->currentPage(), int(MainWindow::PageMain));
    QCOMPARE(published("chosenDictListModel"), QStringList({fifth}));
    QCOMPARE(readFile(m_data->filePath("/dictionaries.dat")), namesFile({fifth}));
}

QTEST_MAIN(TestDictionariesPage)
#include "tst_dictionaries_page.moc"
