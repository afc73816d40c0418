// Drives the real window offscreen through every page and saves a PNG of each.
// Usage: vocalune-screenshots <output folder> [width height]
#include "DataDirectory.h"
#include "MainWindow.h"
#include "PairGame.h"
#include "Players.h"
#include "Settings.h"
#include "Translations.h"
#include "Word.h"
#include "WordGame.h"
#include "WordStore.h"
#include "testsupport.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QQuickItem>
#include <QQuickWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

static QString s_folder;
// Added to every file name: "-large" for the shots of a large window.
static QString s_suffix;

static void settle(int ms = 300)
{
    QTest::qWait(ms);
}

static void save(MainWindow &window, const QString &name)
{
    settle();
    const QString path = s_folder + "/" + name + s_suffix + ".png";
    window.grab().save(path);
    std::printf("%s\n", qPrintable(path));
}

static void tap(QQuickWidget *view, const QString &name)
{
    TestSupport::tapNamed(view, name);
}

static void answerPrompt(const QString &name)
{
    TestSupport::answerNextPrompt(name);
}

// The index of the first picture whose word is (or, with right false, is not) word.
static int pictureOf(const QList<QObject *> &pictures, const QString &word, bool right = true)
{
    for (int i = 0; i < pictures.size(); ++i) {
        const auto *picture = static_cast<Word *>(pictures[i]);
        if ((picture->word() == word) == right && picture->wordState() != Word::Greyed)
            return i;
    }
    return -1;
}

// Gentle play: four pictures under "Try again", a right picture marked after
// two wrong picks, three pairs, the end panels listing the missed words.
static void gentlePlay(MainWindow &window)
{
    Settings *settings = window.appSettings();
    settings->setMistakes(GameOptions::TryAgain);
    settings->setPictures(GameOptions::FourPictures);

    window.buttonNewGameClicked();
    window.buttonStartGameClicked(1);
    WordGame *wordGame = window.openWordGame();
    QQuickWidget *wordView = window.view(MainWindow::PageWordGame);
    if (wordGame) {
        save(window, "word-game-four");
        for (int wrong = 0; wrong < 2; ++wrong) {
            tap(wordView, QStringLiteral("icon%1").arg(pictureOf(wordGame->imageList(), wordGame->word(), false)));
            settle(100);
        }
        save(window, "word-game-marked");
        for (int round = 0; round < 80 && !wordGame->isFinished(); ++round)
            tap(wordView, QStringLiteral("icon%1").arg(pictureOf(wordGame->imageList(), wordGame->word())));
        settle(1200);
        save(window, "word-game-end-missed");
        window.buttonWordGameEndGameClicked();
    }

    window.buttonNewGameClicked();
    window.buttonStartGameClicked(0);
    PairGame *pairGame = window.openPairGame();
    QQuickWidget *pairView = window.view(MainWindow::PagePairGame);
    if (pairGame) {
        save(window, "pair-game-three");
        // A wrong pair, then every pair right to the end of the words.
        const QString first = static_cast<Word *>(pairGame->wordList()[0])->word();
        tap(pairView, QStringLiteral("label0"));
        tap(pairView, QStringLiteral("icon%1").arg(pictureOf(pairGame->imageList(), first, false)));
        QSignalSpy completed(pairGame, &PairGame::gameCompletedSignal);
        for (int guard = 0; guard < 200 && completed.isEmpty(); ++guard) {
            const auto words = pairGame->wordList();
            for (int w = 0; w < words.size(); ++w) {
                const auto *label = static_cast<Word *>(words[w]);
                if (label->wordState() == Word::Matched)
                    continue;
                tap(pairView, QStringLiteral("label%1").arg(w));
                tap(pairView, QStringLiteral("icon%1").arg(pictureOf(pairGame->imageList(), label->word())));
                break;
            }
        }
        settle(1500);
        save(window, "pair-game-end-missed");
        window.buttonPairGameEndGameClicked();
    }

    window.buttonNewGameClicked();
    window.buttonPictureBookClicked();
    save(window, "picture-book");
    tap(window.view(MainWindow::PagePictureBook), QStringLiteral("bookPicture1"));
    save(window, "picture-book-open");
}

// Three players, one of whom has played on most of the last 30 days: the
// players page, a player's editor, her progress and the settings.
static void playersAndProgress(MainWindow &window, const QString &suffix)
{
    Players *players = window.players();
    players->open();
    players->add(QStringLiteral("Leo"), QStringLiteral(":/png/Animals/Lion.png"));
    const int mia = players->add(QStringLiteral("Mia"), QStringLiteral(":/png/Animals/Fox.png"));
    QStringList words;
    for (const char *dictionary : {"Animals", "Food"}) {
        const QStringList all = WordStore::bundledWords(QLatin1String(dictionary));
        for (int i = 0; i < all.size() && i < 16; ++i)
            words.append(QLatin1String(dictionary) + '/' + all[i]);
    }
    srand(3);
    const QDate today = QDate::currentDate();
    for (int day = 29; day >= 0; --day) {
        if (rand() % 3 == 0)
            continue;
        QDateTime at(today.addDays(-day), QTime(17, 0));
        for (int k = 0; k < 14; ++k) {
            const QString entry = words[(day * 5 + k) % words.size()];
            WordMemory::Answer answer;
            answer.dictionary = entry.section('/', 0, 0);
            answer.word = entry.section('/', 1);
            answer.outcome = rand() % 7 == 0 ? WordMemory::Mistake : WordMemory::RightFirstTry;
            answer.at = at = at.addSecs(15 + rand() % 20);
            players->store()->record(mia, answer);
        }
    }
    players->store()->flush();
    players->choose(players->list().first().toMap().value("id").toInt());
    players->choose(mia);

    window.buttonPlayersClicked();
    save(window, "players" + suffix);
    QQuickItem *editor = TestSupport::findItem(window.view(MainWindow::PagePlayers)->rootObject(), "playerEditor");
    QMetaObject::invokeMethod(window.view(MainWindow::PagePlayers)->rootObject(), "openEditor", Q_ARG(QVariant, mia),
                              Q_ARG(QVariant, "Mia"), Q_ARG(QVariant, ":/png/Animals/Fox.png"));
    save(window, "player-editor" + suffix);
    editor->setVisible(false);
    window.buttonProgressClicked(mia);
    save(window, "progress" + suffix);
    window.buttonProgressBackClicked();
    window.buttonPlayersBackClicked();
}

int main(int argc, char *argv[])
{
    QFont font(QStringLiteral("Arial"), 30, QFont::Normal, false);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vocalune"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QApplication::setFont(font);
    // The language of the system locale, as the program: LANGUAGE=de shows German.
    const Translations translations;
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output folder> [width height]\n", argv[0]);
        return 2;
    }
    s_folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(s_folder);
    const int width = argc > 3 ? atoi(argv[2]) : 800;
    const int height = argc > 3 ? atoi(argv[3]) : 480;

    // A fresh data folder: the shots show a first start, not the user's own lists.
    QTemporaryDir data;
    const QString location = data.path();
    DataDirectory::setPlatformLocationProvider([location] { return location; });

    MainWindow window(QRect(0, 0, width, height));
    // One word the family recorded: the picture book's card offers its
    // built-in voice back.
    TestSupport::plantVoice(QStringLiteral("Animals"), WordStore::bundledWords(QStringLiteral("Animals")).value(1));
    window.resize(width, height);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    if (width >= 1920)
        s_suffix = QStringLiteral("-large");
    save(window, "main-menu");

    window.buttonNewGameClicked();
    save(window, "game-mode");

    window.buttonStartGameClicked(1);
    WordGame *wordGame = window.openWordGame();
    QQuickWidget *wordView = window.view(MainWindow::PageWordGame);
    // Two right picks, then a wrong one.
    for (int round = 0; round < 2 && wordGame; ++round) {
        const QString word = wordGame->word();
        const QList<QObject *> pictures = wordGame->imageList();
        for (int i = 0; i < pictures.size(); ++i) {
            if (static_cast<Word *>(pictures[i])->word() == word) {
                tap(wordView, QStringLiteral("icon%1").arg(i));
                break;
            }
        }
        settle(100);
    }
    save(window, "word-game");
    {
        const QString word = wordGame->word();
        const QList<QObject *> pictures = wordGame->imageList();
        for (int i = 0; i < pictures.size(); ++i) {
            if (static_cast<Word *>(pictures[i])->word() != word) {
                answerPrompt(QStringLiteral("Emma"));
                tap(wordView, QStringLiteral("icon%1").arg(i));
                break;
            }
        }
    }
    settle(1200);
    save(window, "word-game-end");

    window.buttonWordGameEndGameClicked();
    window.buttonNewGameClicked();
    window.buttonStartGameClicked(0);
    PairGame *pairGame = window.openPairGame();
    QQuickWidget *pairView = window.view(MainWindow::PagePairGame);
    // One right pair, then select a picture so the highlight shows.
    if (pairGame) {
        const auto words = pairGame->wordList();
        const auto pictures = pairGame->imageList();
        const QString first = static_cast<Word *>(words[0])->word();
        for (int i = 0; i < pictures.size(); ++i) {
            if (static_cast<Word *>(pictures[i])->word() == first) {
                tap(pairView, QStringLiteral("icon%1").arg(i));
                tap(pairView, QStringLiteral("label0"));
                break;
            }
        }
        for (int i = 0; i < pictures.size(); ++i) {
            if (static_cast<Word *>(pictures[i])->wordState() == 0) {
                tap(pairView, QStringLiteral("icon%1").arg(i));
                break;
            }
        }
    }
    save(window, "pair-game");
    // Finish the round: the owl cheers over the next one.
    if (pairGame) {
        for (int guard = 0; guard < 12 && pairGame->score() < 6; ++guard) {
            const auto words = pairGame->wordList();
            const auto pictures = pairGame->imageList();
            for (int w = 0; w < words.size(); ++w) {
                auto *label = static_cast<Word *>(words[w]);
                if (label->wordState() == 2)
                    continue;
                for (int i = 0; i < pictures.size(); ++i) {
                    auto *picture = static_cast<Word *>(pictures[i]);
                    if (picture->wordState() != 2 && picture->word() == label->word()) {
                        if (picture->wordState() != 1)
                            tap(pairView, QStringLiteral("icon%1").arg(i));
                        tap(pairView, QStringLiteral("label%1").arg(w));
                        break;
                    }
                }
                break;
            }
        }
        settle(500);
        save(window, "pair-game-celebration");
        // A wrong pair ends it.
        const auto words = pairGame->wordList();
        const auto pictures = pairGame->imageList();
        for (int i = 0; i < pictures.size(); ++i) {
            if (static_cast<Word *>(pictures[i])->word() != static_cast<Word *>(words[0])->word()) {
                answerPrompt(QStringLiteral("Leo"));
                tap(pairView, QStringLiteral("icon%1").arg(i));
                tap(pairView, QStringLiteral("label0"));
                break;
            }
        }
        settle(1500);
        save(window, "pair-game-end");
        window.buttonPairGameEndGameClicked();
    }

    gentlePlay(window);

    window.buttonDictionariesClicked();
    save(window, "dictionaries");
    window.buttonDictionariesCancelClicked();
    window.buttonSettingsClicked();
    save(window, "settings");
    window.buttonSettingsCancelClicked();
    playersAndProgress(window, QString());

    // The parent gate, as a child meets it on the way to Settings.
    window.appSettings()->setParentLock(true);
    tap(window.view(MainWindow::PageMain), "settingsButton");
    save(window, "parent-gate");
    QQuickItem *gate = TestSupport::findItem(window.view(MainWindow::PageMain)->rootObject(), "parentGate");
    QMetaObject::invokeMethod(gate, "finishHold");
    save(window, "parent-gate-number");
    QMetaObject::invokeMethod(gate, "close");
    window.appSettings()->setParentLock(false);
    DataDirectory::setPlatformLocationProvider({});
    return 0;
}
