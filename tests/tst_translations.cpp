// The pages in the player's language: the catalogue is chosen by the locale
// (the test sets it with the locale given to Translations, as QLocale() is in
// the program), an unknown language keeps English, and every translated text
// fits its button or box at 800x480.
#include "testsupport.h"

#include "MainWindow.h"
#include "PairGame.h"
#include "Settings.h"
#include "Translations.h"
#include "Word.h"
#include "WordGame.h"
#include "WordStore.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFont>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWidget>
#include <QSet>
#include <QTest>
#include <QTimer>

using namespace TestSupport;

namespace {

QString textOf(TestWindow &w, MainWindow::Page page, const QString &objectName)
{
    QQuickItem *item = w.item(page, objectName);
    if (!item)
        return QStringLiteral("<no %1>").arg(objectName);
    const QVariant buttonText = item->property("buttonText");
    return buttonText.isValid() ? buttonText.toString() : item->property("text").toString();
}

// Picks the picture of the Word Game's word (right) or another one (wrong).
void pick(MainWindow &w, bool right)
{
    WordGame *game = w.openWordGame();
    QVERIFY(game);
    const QList<QObject *> pictures = game->imageList();
    for (int i = 0; i < pictures.size(); ++i) {
        if ((static_cast<Word *>(pictures[i])->word() == game->word()) == right) {
            QVERIFY(tapNamed(w.view(MainWindow::PageWordGame), QStringLiteral("icon%1").arg(i)));
            return;
        }
    }
    QFAIL("no such picture");
}

// What the name prompt showed, read when it opens; then it is cancelled.
struct Prompt
{
    QString title;
    QString label;
    QStringList buttons;
};

void readNextPrompt(Prompt *prompt, int attemptsLeft = 500)
{
    auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
    if (!dialog) {
        if (attemptsLeft > 0)
            QTimer::singleShot(10, [=] { readNextPrompt(prompt, attemptsLeft - 1); });
        return;
    }
    prompt->title = dialog->windowTitle();
    prompt->label = dialog->labelText();
    const auto buttons = dialog->findChildren<QPushButton *>();
    for (QPushButton *button : buttons)
        prompt->buttons << button->text().remove(QLatin1Char('&'));
    dialog->reject();
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initApplication();
        // As the program: the widths below are those the player sees.
        QApplication::setFont(QFont(QStringLiteral("Arial"), 30, QFont::Normal, false));
    }

    void aLanguageWithACatalogueShowsItsTexts();
    void aLanguageWithoutACatalogueKeepsEnglish();
    void everyTranslatedTextFitsAt800x480_data();
    void everyTranslatedTextFitsAt800x480();
};

void TestTranslations::aLanguageWithACatalogueShowsItsTexts()
{
    TemporaryDataLocation data;
    // A region without a catalogue of its own takes its language's.
    QCOMPARE(Translations(QLocale(QStringLiteral("de_AT"))).language(), QStringLiteral("de"));
    QCOMPARE(Translations(QLocale(QStringLiteral("fi_FI"))).language(), QStringLiteral("fi"));

    const Translations german(QLocale(QStringLiteral("de_DE")));
    QCOMPARE(german.language(), QStringLiteral("de"));
    TestWindow w;

    QCOMPARE(textOf(w, MainWindow::PageMain, "continueButton"), QStringLiteral("Weiter"));
    QCOMPARE(textOf(w, MainWindow::PageMain, "newGameButton"), QStringLiteral("Neues Spiel"));
    QCOMPARE(textOf(w, MainWindow::PageMain, "dictionariesButton"), QStringLiteral("Wörterbücher"));
    QCOMPARE(textOf(w, MainWindow::PageMain, "settingsButton"), QStringLiteral("Einstellungen"));
    QCOMPARE(textOf(w, MainWindow::PageMain, "exitButton"), QStringLiteral("Beenden"));
    QVERIFY(findItemByText(w.root(MainWindow::PageNewGame), QStringLiteral("Wähle ein Spiel!")));
    QCOMPARE(textOf(w, MainWindow::PageNewGame, "wordGameButton"), QStringLiteral("Wortspiel"));
    QCOMPARE(textOf(w, MainWindow::PageSettings, "saveButton"), QStringLiteral("Speichern"));
    QCOMPARE(textOf(w, MainWindow::PageDictionaries, "cancelButton"), QStringLiteral("Zurück"));

    w.buttonNewGameClicked();
    w.buttonStartGameClicked(1);
    QVERIFY(w.openWordGame());
    QCOMPARE(textOf(w, MainWindow::PageWordGame, "scoreText"), QStringLiteral("Punkte: 0"));
    QCOMPARE(textOf(w, MainWindow::PageWordGame, "backButton"), QStringLiteral("Zurück"));
    // The word being taught stays English.
    QCOMPARE(textOf(w, MainWindow::PageWordGame, "wordText"), w.openWordGame()->word());

    // One right pick, then a wrong one: the end panel and the name prompt,
    // whose OK and Cancel come from Qt's own German texts.
    pick(w, true);
    QCOMPARE(textOf(w, MainWindow::PageWordGame, "scoreText"), QStringLiteral("Punkte: 1"));
    Prompt prompt;
    QTimer::singleShot(0, [&prompt] { readNextPrompt(&prompt); });
    pick(w, false);
    QTRY_COMPARE(prompt.title, QStringLiteral("Du bist in den Top 10!"));
    QCOMPARE(prompt.label, QStringLiteral("Schreib deinen Namen!"));
    QVERIFY(german.hasQtTexts());
    QVERIFY2(prompt.buttons.contains(QStringLiteral("Abbrechen")), qPrintable(prompt.buttons.join(", ")));
    QCOMPARE(textOf(w, MainWindow::PageWordGame, "endText"), QStringLiteral("Spiel vorbei!"));
    QCOMPARE(textOf(w, MainWindow::PageWordGame, "endScoreText"), QStringLiteral("Punkte: 1"));
    QCOMPARE(textOf(w, MainWindow::PageWordGame, "backToMainButton"), QStringLiteral("Zum Menü"));
}

void TestTranslations::aLanguageWithoutACatalogueKeepsEnglish()
{
    TemporaryDataLocation data;
    // An unknown code, a real language Vocalune is not translated into, and
    // English itself (which has no catalogue: the sources are English).
    for (const char *name : {"xx", "pt_BR", "en_GB"}) {
        const Translations none{QLocale(QString::fromLatin1(name))};
        QVERIFY2(none.language().isEmpty(), name);
        QVERIFY2(!none.hasQtTexts(), name);
        TestWindow w(QSize(800, 480), TestWindow::Hidden);
        QCOMPARE(textOf(w, MainWindow::PageMain, "newGameButton"), QStringLiteral("New Game"));
        QCOMPARE(textOf(w, MainWindow::PageMain, "settingsButton"), QStringLiteral("Settings"));
        w.buttonStartGameClicked(1);
        QVERIFY(w.openWordGame());
        QCOMPARE(textOf(w, MainWindow::PageWordGame, "scoreText"), QStringLiteral("Score: 0"));
    }
    // Leaving a language puts English back.
    {
        const Translations french(QLocale(QStringLiteral("fr_FR")));
        QCOMPARE(QCoreApplication::translate("MainView", "Exit"), QStringLiteral("Quitter"));
    }
    QCOMPARE(QCoreApplication::translate("MainView", "Exit"), QStringLiteral("Exit"));
}

void TestTranslations::everyTranslatedTextFitsAt800x480_data()
{
    QTest::addColumn<QString>("language");
    // Every catalogue the program ships, and no fewer than these five.
    const QStringList shipped = Translations::available();
    for (const char *language : {"de", "es", "fi", "fr", "sv"})
        QVERIFY2(shipped.contains(QLatin1String(language)), language);
    for (const QString &language : shipped)
        QTest::newRow(qPrintable(language)) << language;
}

void TestTranslations::everyTranslatedTextFitsAt800x480()
{
    QFETCH(QString, language);
    TemporaryDataLocation data;
    const Translations translations{QLocale(language)};
    QCOMPARE(translations.language(), language);
    plantVoice("Animals", WordStore::bundledWords("Animals")[0]);
    TestWindow w;

    QStringList faults;
    const auto check = [&](MainWindow::Page page, const QString &name) {
        QString fault;
        if (!QTest::qWaitFor([&] { return (fault = layoutFault(w.root(page))).isEmpty(); }))
            faults << name + ": " + fault;
    };
    // Each page as it is shown: a page is laid out on the way to the screen.
    check(MainWindow::PageMain, "main menu");
    w.buttonDictionariesClicked();
    check(MainWindow::PageDictionaries, "dictionaries");
    w.buttonSettingsClicked();
    // The mute switch both ways.
    for (bool mute : {false, true}) {
        w.appSettings()->setMute(mute);
        check(MainWindow::PageSettings, "settings");
    }
    w.buttonNewGameClicked();
    check(MainWindow::PageNewGame, "game mode");
    // A word shown large with its three voice buttons.
    w.buttonPictureBookClicked();
    QVERIFY(w.tap(MainWindow::PagePictureBook, "bookPicture0"));
    check(MainWindow::PagePictureBook, "picture book");
    w.buttonNewGameClicked();

    // Each game with its end panel, under both outcomes.
    for (MainWindow::Page page : {MainWindow::PageWordGame, MainWindow::PagePairGame}) {
        w.buttonStartGameClicked(page == MainWindow::PageWordGame ? 1 : 0);
        const QString name = page == MainWindow::PageWordGame ? "Word Game" : "Pair Game";
        check(page, name);
        QQuickItem *panel = w.item(page, "endPanel");
        QVERIFY(panel);
        panel->setProperty("score", 100);
        QMetaObject::invokeMethod(panel, "open");
        QTRY_COMPARE(panel->y(), 0.0);
        for (const QString &outcome : {QCoreApplication::translate("EndPanel", "Game Over!"),
                                       QCoreApplication::translate("GamePage", "Success!")}) {
            panel->setProperty("text", outcome);
            check(page, name + " end");
        }
        w.buttonBackToMainClicked();
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
