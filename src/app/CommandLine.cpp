#include "CommandLine.h"

#include "ClassServer.h"
#include "ProgressExport.h"
#include "ProgressStore.h"
#include "SystemConfig.h"
#include "Translations.h"
#include "WordSetImporter.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>

namespace {

const char *const ImportOption = "import-word-set";
const char *const ExportOption = "export-progress";
const char *const SystemOption = "system";
const char *const ToOption = "to";
const char *const ClassOption = "class";
// Where --system puts a set when --to names no other folder; listed through
// the default $XDG_DATA_DIRS.
const char *const SystemWordSets = "/usr/local/share/vocalune/wordsets";

void print(FILE *stream, const QString &line)
{
    std::fputs(line.toUtf8().constData(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

bool isOption(const QByteArray &argument, const char *option)
{
    return argument == QByteArray("--") + option || argument.startsWith(QByteArray("--") + option + "=");
}

// Every player's words as CSV, without a window: 0, or 1 with the reason on
// standard error in one line.
int exportProgress(const QString &path)
{
    ProgressStore store;
    store.open(QStringLiteral(":/images/oma_pollo.png"));
    QString error;
    if (store.status() == ProgressStore::NewerSchema)
        error = QCoreApplication::translate("CommandLine", "the progress was saved by a newer Vocalune");
    else if (store.status() != ProgressStore::Ready)
        error = QCoreApplication::translate("CommandLine", "the progress could not be opened");
    else if (ProgressExport::writeCsv(store, path, &error))
        return 0;
    print(stderr, QCoreApplication::translate("CommandLine", "Could not export: %1").arg(error));
    return 1;
}

// The whole class as CSV from the class's server in vocalune.conf, for a
// teacher (whose login may read any class): 0, or 1 with the reason.
int exportClass(const QString &path, const QString &className)
{
    const QUrl server = SystemConfig::instance().progressServer();
    QString error;
    if (server.isEmpty()) {
        error = QCoreApplication::translate("CommandLine", "vocalune.conf names no class's server");
    } else if (!ClassServer::isClassName(className)) {
        error = QCoreApplication::translate("CommandLine", "a class's name is 1 to 16 letters, digits, spaces, - or _");
    } else {
        ClassServer classServer(server, className);
        if (ProgressExport::writeCsv(classServer, path, &error))
            return 0;
    }
    print(stderr, QCoreApplication::translate("CommandLine", "Could not export: %1").arg(error));
    return 1;
}

} // namespace

namespace CommandLine {

bool handles(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-h" || argument == "--help" || argument == "--help-all" || argument == "-v"
            || argument == "--version" || isOption(argument, ImportOption) || isOption(argument, ExportOption)
            || isOption(argument, SystemOption) || isOption(argument, ToOption)) {
            return true;
        }
    }
    return false;
}

int run(int argc, char *argv[])
{
    // No window is ever shown here: it must work where there is no display
    // (a script, a terminal over the network). Pictures and SVG still need
    // a graphical application, which the offscreen platform gives.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Vocalune"));
    QGuiApplication::setApplicationVersion(QStringLiteral("1.0"));
    // The help and the import report speak the player's language too.
    const Translations translations;

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Vocabulary game for children who learn English.\n"
        "Without options it starts the game. A word set is a folder of pictures named by their words\n"
        "(Chair.jpg, Teddy bear.png; PNG, JPEG, WebP or SVG), with recordings of the same names if you\n"
        "like (.mp3, .ogg, .wav); words without a recording are spoken by Festival."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption import(
        QString::fromLatin1(ImportOption),
        QCoreApplication::translate("CommandLine",
                                    "Import the folder as a word set, print the report and exit "
                                    "(exit code 1 when nothing was imported)."),
        QCoreApplication::translate("CommandLine", "folder"));
    parser.addOption(import);
    const QCommandLineOption system(
        QString::fromLatin1(SystemOption),
        QCoreApplication::translate("CommandLine",
                                    "With --import-word-set: import the set for every user of the computer, into "
                                    "%1 (an administrator's task).")
            .arg(QString::fromLatin1(SystemWordSets)));
    parser.addOption(system);
    const QCommandLineOption to(
        QString::fromLatin1(ToOption),
        QCoreApplication::translate("CommandLine",
                                    "With --import-word-set: import the set for every user into this folder of "
                                    "word sets instead (implies --system)."),
        QCoreApplication::translate("CommandLine", "folder"));
    parser.addOption(to);
    const QCommandLineOption exportOption(
        QString::fromLatin1(ExportOption),
        QCoreApplication::translate("CommandLine",
                                    "Write every player's words as CSV to the file and exit "
                                    "(exit code 1 when it could not)."),
        QCoreApplication::translate("CommandLine", "file"));
    parser.addOption(exportOption);
    const QCommandLineOption classOption(
        QString::fromLatin1(ClassOption),
        QCoreApplication::translate("CommandLine",
                                    "With --export-progress: write the whole class from the class's server "
                                    "that vocalune.conf names instead."),
        QCoreApplication::translate("CommandLine", "class"));
    parser.addOption(classOption);
    parser.process(app);
    if (parser.isSet(exportOption) && parser.isSet(classOption))
        return exportClass(parser.value(exportOption), parser.value(classOption));
    if (parser.isSet(exportOption))
        return exportProgress(parser.value(exportOption));
    if (!parser.isSet(import))
        parser.showHelp(2);

    if (SystemConfig::instance().importLocked()) {
        print(stderr,
              QCoreApplication::translate("CommandLine", "Could not import: the administrator has locked importing."));
        return 1;
    }
    WordSetImporter importer(parser.value(import));
    if (parser.isSet(to) && parser.value(to).isEmpty()) {
        print(stderr, QCoreApplication::translate("CommandLine", "--to needs a folder"));
        return 1;
    }
    if (parser.isSet(to))
        importer.setSystemTarget(QDir::cleanPath(QFileInfo(parser.value(to)).absoluteFilePath()));
    else if (parser.isSet(system))
        importer.setSystemTarget(QString::fromLatin1(SystemWordSets));
    importer.setProgress([](int done, int total, const QString &word) {
        if (!word.isEmpty())
            print(stderr, QStringLiteral("[%1/%2] %3").arg(done + 1).arg(total).arg(word));
    });
    const WordSetReport report = importer.run();
    // Where the set could not be written is the computer's trouble, not the
    // folder's: that reason goes to standard error, the refused files stay
    // in the report.
    QStringList lines = report.lines();
    if (report.targetFailed)
        print(stderr, lines.takeFirst());
    for (const QString &line : qAsConst(lines))
        print(stdout, line);
    return report.imported() ? 0 : 1;
}

} // namespace CommandLine
