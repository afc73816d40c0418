#include "WordSetImporter.h"

#include "DataDirectory.h"
#include "ImportedSets.h"
#include "WordVoices.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QMutex>
#include <QMutexLocker>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QStringList PictureSuffixes = {"png", "jpg", "jpeg", "webp", "svg"};
const QStringList RecordingSuffixes = {"mp3", "ogg", "wav"};
const char *const ImportFolderPrefix = ".import-";

QMutex &speechProgramMutex()
{
    static QMutex mutex;
    return mutex;
}

QString &speechProgramOverride()
{
    static QString program;
    return program;
}

// File names go into the report as they are, so they must not carry control
// characters (a newline or a terminal escape) nor run on for lines. The joiner
// of an emoji stays, and a long name is cut between whole characters.
QString shown(const QString &fileName)
{
    const QVector<uint> characters = fileName.toUcs4();
    QString text;
    for (int i = 0; i < characters.size(); ++i) {
        if (i == 57 && characters.size() > 60)
            return text + QStringLiteral("...");
        const uint c = characters.at(i);
        const QChar::Category category = QChar::category(c);
        const bool hidden = category == QChar::Other_Control || (category == QChar::Other_Format && c != 0x200D);
        text += hidden ? QStringLiteral("?") : QString::fromUcs4(&c, 1);
    }
    return text;
}

// What a computer leaves in a folder it has shown: no word, not worth a line.
bool isDesktopLeftover(const QString &fileName)
{
    return fileName == QLatin1String(".DS_Store") || fileName.startsWith(QLatin1String("._"))
        || fileName.compare(QLatin1String("Thumbs.db"), Qt::CaseInsensitive) == 0
        || fileName.compare(QLatin1String("desktop.ini"), Qt::CaseInsensitive) == 0;
}

bool hasControlCharacters(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

// Why a word's name is refused; empty when it is a word.
QString nameProblem(const QString &rawName, const QString &word)
{
    if (hasControlCharacters(rawName))
        return WordSetImporter::tr("the name has invisible characters (such as a line break)");
    if (word.toUcs4().size() > ImportedSets::MaximumWordLength)
        return WordSetImporter::tr("the name is too long (more than %1 characters)")
            .arg(ImportedSets::MaximumWordLength);
    if (!ImportedSets::isWord(word))
        return WordSetImporter::tr(
            "the name is not a word (use letters, digits, emoji, spaces, hyphens and apostrophes)");
    return QString();
}

enum class ReadResult { Ok, Link, NotAFile, TooLarge, Missing, Unreadable };

// Reads a whole file without following a link and without blocking on a pipe
// or a device that wears a picture's name.
ReadResult readSourceFile(const QString &path, QByteArray *bytes)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ELOOP)
            return ReadResult::Link;
        return errno == ENOENT || errno == ENOTDIR ? ReadResult::Missing : ReadResult::Unreadable;
    }
    struct FdCloser
    {
        int fd;
        ~FdCloser() { ::close(fd); }
    } closer{fd};

    struct stat status;
    if (::fstat(fd, &status) != 0)
        return ReadResult::Unreadable;
    if (!S_ISREG(status.st_mode))
        return ReadResult::NotAFile;
    if (status.st_size > WordSetImporter::MaximumFileSize)
        return ReadResult::TooLarge;

    // The file may grow while it is read: never take more than the limit.
    bytes->resize(static_cast<int>(status.st_size) + 1);
    qint64 total = 0;
    for (;;) {
        if (total == bytes->size()) {
            if (total > WordSetImporter::MaximumFileSize)
                return ReadResult::TooLarge;
            bytes->resize(static_cast<int>(std::min<qint64>(total * 2 + 4096, WordSetImporter::MaximumFileSize + 1)));
        }
        const ssize_t got = ::read(fd, bytes->data() + total, static_cast<size_t>(bytes->size() - total));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return ReadResult::Unreadable;
        }
        if (got == 0)
            break;
        total += got;
    }
    if (total > WordSetImporter::MaximumFileSize)
        return ReadResult::TooLarge;
    bytes->resize(static_cast<int>(total));
    return ReadResult::Ok;
}

bool writeWholeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

bool looksLikeSvg(const QByteArray &bytes)
{
    QByteArray start = bytes.left(512);
    if (start.startsWith("\xEF\xBB\xBF"))
        start.remove(0, 3);
    start = start.trimmed();
    return start.startsWith("<?xml") || start.startsWith("<svg") || start.startsWith("<!--")
        || start.startsWith("<!DOCTYPE svg");
}

// A JPEG cut short still decodes, grey where the data ends: its last scan
// must be followed by the end-of-image marker.
bool jpegIsComplete(const QByteArray &bytes)
{
    const int lastScan = bytes.lastIndexOf(QByteArray("\xFF\xDA", 2));
    const int end = bytes.lastIndexOf(QByteArray("\xFF\xD9", 2));
    return lastScan >= 0 && end > lastScan;
}

// The picture on a transparent square of the stored size, aspect kept.
QImage onSquare(const QSizeF &size, const std::function<void(QPainter &, const QRectF &)> &draw)
{
    QImage square(WordSetImporter::PictureSize, WordSetImporter::PictureSize, QImage::Format_ARGB32_Premultiplied);
    square.fill(Qt::transparent);
    const QSizeF fitted = size.scaled(WordSetImporter::PictureSize, WordSetImporter::PictureSize, Qt::KeepAspectRatio);
    const QRectF target((WordSetImporter::PictureSize - fitted.width()) / 2,
                        (WordSetImporter::PictureSize - fitted.height()) / 2, fitted.width(), fitted.height());
    QPainter painter(&square);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    draw(painter, target);
    painter.end();
    return square;
}

QString decodeSvg(const QByteArray &bytes, QImage *picture)
{
    // An <image> may name any file on the computer; only pictures carried
    // inside the SVG itself are drawn.
    static const QRegularExpression outsideReference(QStringLiteral("<image\\b[^>]*href\\s*=\\s*[\"']\\s*(?!data:)"),
                                                     QRegularExpression::CaseInsensitiveOption);
    if (outsideReference.match(QString::fromUtf8(bytes)).hasMatch())
        return WordSetImporter::tr("picture uses other files");

    QSvgRenderer renderer(bytes);
    if (!renderer.isValid())
        return WordSetImporter::tr("not a picture");
    QSizeF size = renderer.viewBoxF().size();
    if (size.isEmpty())
        size = renderer.defaultSize();
    if (size.isEmpty())
        return WordSetImporter::tr("not a picture");
    *picture = onSquare(size,
                        [&renderer](QPainter &painter, const QRectF &target) { renderer.render(&painter, target); });
    return QString();
}

QString decodeRaster(const QByteArray &bytes, QImage *picture)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    if (format != "png" && format != "jpeg" && format != "jpg" && format != "webp")
        return WordSetImporter::tr("not a picture");

    // The header tells the size: a huge picture is refused before a single
    // pixel is decoded.
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        return WordSetImporter::tr("not a picture");
    if (size.width() > WordSetImporter::MaximumSide || size.height() > WordSetImporter::MaximumSide
        || qint64(size.width()) * size.height() > WordSetImporter::MaximumPixels) {
        return WordSetImporter::tr("picture too large (more than 40 megapixels)");
    }
    if ((format == "jpeg" || format == "jpg") && !jpegIsComplete(bytes))
        return WordSetImporter::tr("damaged picture");

    // Photos from a phone stand the right way up; a big one is decoded at
    // twice the stored size at most (JPEG decodes smaller directly).
    reader.setAutoTransform(true);
    const int limit = 2 * WordSetImporter::PictureSize;
    if (size.width() > limit || size.height() > limit)
        reader.setScaledSize(size.scaled(limit, limit, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    const QImage decoded = reader.read();
    if (decoded.isNull())
        return WordSetImporter::tr("damaged picture");
    *picture = onSquare(decoded.size(),
                        [&decoded](QPainter &painter, const QRectF &target) { painter.drawImage(target, decoded); });
    return QString();
}

QString decodePicture(const QByteArray &bytes, QImage *picture)
{
    return looksLikeSvg(bytes) ? decodeSvg(bytes, picture) : decodeRaster(bytes, picture);
}

bool isRecording(const QByteArray &bytes)
{
    if (bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WAVE")
        return true;
    if (bytes.startsWith("OggS") || bytes.startsWith("ID3"))
        return true;
    // An MP3 without tags starts with a frame sync.
    return bytes.size() >= 2 && uchar(bytes.at(0)) == 0xFF && (uchar(bytes.at(1)) & 0xE0) == 0xE0;
}

QByteArray encodePng(const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(picture))
        return QByteArray();
    return bytes;
}

// Hidden build folders of an import that was killed: nothing else in the
// data directory starts with this prefix. Only old ones go, so an import
// running in another process keeps its own.
void removeAbandonedBuilds(const QString &dataDirectory)
{
    const QFileInfoList entries = QDir(dataDirectory)
                                      .entryInfoList({QString::fromLatin1(ImportFolderPrefix) + "*"},
                                                     QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    const QDateTime dayAgo = QDateTime::currentDateTimeUtc().addDays(-1);
    for (const QFileInfo &entry : entries) {
        if (!entry.isSymLink() && entry.lastModified().toUTC() < dayAgo)
            QDir(entry.filePath()).removeRecursively();
    }
}

// Makes a folder and its missing parents, adding those it made to made,
// outermost first. Folders for every user are readable by all whatever the
// umask.
bool makeFolders(const QString &path, bool shared, QStringList *made)
{
    QStringList missing;
    for (QString folder = QDir::cleanPath(path); !QFileInfo::exists(folder) && !QFileInfo(folder).isSymLink();) {
        missing.prepend(folder);
        const QString parent = QFileInfo(folder).path();
        if (parent == folder)
            break;
        folder = parent;
    }
    for (const QString &folder : qAsConst(missing)) {
        const QByteArray name = QFile::encodeName(folder);
        if (::mkdir(name.constData(), shared ? 0755 : 0777) != 0) {
            // Another import may have made it meanwhile.
            if (errno == EEXIST && QFileInfo(folder).isDir())
                continue;
            return false;
        }
        made->append(folder);
        if (shared && ::chmod(name.constData(), 0755) != 0)
            return false;
    }
    return QFileInfo(path).isDir();
}

// A built folder of pictures or recordings made readable by every user.
bool shareWithEveryone(const QString &folder)
{
    if (::chmod(QFile::encodeName(folder).constData(), 0755) != 0)
        return false;
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    return std::all_of(files.cbegin(), files.cend(), [](const QFileInfo &file) {
        return !file.isSymLink() && ::chmod(QFile::encodeName(file.filePath()).constData(), 0644) == 0;
    });
}

// Folders made for a set that did not come in go again (only while empty).
struct MadeFolders
{
    QStringList paths;
    bool keep = false;
    ~MadeFolders()
    {
        for (auto it = paths.crbegin(); !keep && it != paths.crend(); ++it)
            ::rmdir(QFile::encodeName(*it).constData());
    }
};

struct Source
{
    QString fileName;
    QString word;
};

enum class Speech { Made, Failed, TimedOut, Cancelled };

class Speaker
{
public:
    explicit Speaker(const std::atomic<bool> *cancel)
        : m_cancel(cancel)
    {
        const QString program = WordSetImporter::speechProgram();
        m_program = program.contains(QLatin1Char('/')) ? (QFileInfo(program).isExecutable() ? program : QString())
                                                       : QStandardPaths::findExecutable(program);
        if (m_program.isEmpty())
            m_givenUp = WordSetImporter::tr("the computer voice is not installed");
    }

    // Why no more voices are made; empty while they are.
    QString givenUp() const { return m_givenUp; }

    Speech speak(const QString &word, const QString &wavPath)
    {
        const Speech result = run(word, wavPath);
        if (result == Speech::Made) {
            m_anyMade = true;
            return result;
        }
        QFile::remove(wavPath);
        // A voice that is missing or a synthesizer that hangs fails every
        // word alike: do not wait for each of them.
        if (result == Speech::TimedOut)
            m_givenUp = WordSetImporter::tr("the computer voice did not answer");
        else if (result == Speech::Failed && !m_anyMade)
            m_givenUp = WordSetImporter::tr("the computer voice did not work");
        return result;
    }

private:
    Speech run(const QString &word, const QString &wavPath)
    {
        QProcess process;
        process.setProgram(m_program);
        // The word goes in on standard input, never through a shell.
        process.setArguments({QStringLiteral("-o"), wavPath, QStringLiteral("-eval"),
                              QStringLiteral("(voice_cmu_us_slt_arctic_hts)"), QStringLiteral("-eval"),
                              QStringLiteral("(set! hts_engine_params (append hts_engine_params '((\"-r\" 0.9))))")});
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        process.start();
        if (!process.waitForStarted(10000))
            return Speech::Failed;
        process.write(word.toLower().toUtf8() + '\n');
        process.closeWriteChannel();

        QElapsedTimer clock;
        clock.start();
        while (!process.waitForFinished(100)) {
            const bool cancelled = m_cancel && m_cancel->load();
            if (cancelled || clock.elapsed() > WordSetImporter::SpeechTimeoutMs
                || process.state() == QProcess::NotRunning) {
                if (process.state() == QProcess::NotRunning)
                    break;
                process.kill();
                process.waitForFinished(5000);
                return cancelled ? Speech::Cancelled : Speech::TimedOut;
            }
        }
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
            return Speech::Failed;

        // Festival exits happily without a file when the voice is missing.
        QFile wav(wavPath);
        if (!wav.open(QIODevice::ReadOnly) || wav.size() <= 44)
            return Speech::Failed;
        const QByteArray header = wav.read(12);
        return header.startsWith("RIFF") && header.mid(8, 4) == "WAVE" ? Speech::Made : Speech::Failed;
    }

    const std::atomic<bool> *m_cancel;
    QString m_program;
    QString m_givenUp;
    bool m_anyMade = false;
};

} // namespace

QStringList WordSetReport::lines() const
{
    QStringList text;
    switch (outcome) {
    case Outcome::Imported:
        text << WordSetImporter::tr("Imported %1 words into the set \"%2\".").arg(words.size()).arg(setName);
        if (voiced.size() == 1)
            text << WordSetImporter::tr("1 word had no recording; the computer voice says it: %1.").arg(voiced.first());
        else if (!voiced.isEmpty())
            text << WordSetImporter::tr("%1 words had no recording; the computer voice says them: %2.")
                        .arg(voiced.size())
                        .arg(voiced.join(", "));
        if (silent.size() == 1)
            text << WordSetImporter::tr("1 word had no recording and stays silent: %1 (%2).")
                        .arg(silent.first(), silentReason);
        else if (!silent.isEmpty())
            text << WordSetImporter::tr("%1 words had no recording and stay silent: %2 (%3).")
                        .arg(silent.size())
                        .arg(silent.join(", "), silentReason);
        break;
    case Outcome::Cancelled:
        text << WordSetImporter::tr("Import cancelled: nothing was kept.");
        break;
    case Outcome::Failed:
        text << WordSetImporter::tr("Nothing was imported: %1.").arg(failure);
        break;
    }
    // In name order, as the files appear in the folder.
    QVector<Refusal> sorted = refused;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Refusal &a, const Refusal &b) { return a.file < b.file; });
    for (const Refusal &refusal : qAsConst(sorted))
        text << QStringLiteral("%1: %2").arg(shown(refusal.file), refusal.reason);
    return text;
}

WordSetImporter::WordSetImporter(const QString &folder)
    : m_folder(folder)
{
}

void WordSetImporter::setProgress(ProgressFunction progress)
{
    m_progress = std::move(progress);
}

void WordSetImporter::setCancelFlag(const std::atomic<bool> *cancel)
{
    m_cancel = cancel;
}

void WordSetImporter::setSystemTarget(const QString &root)
{
    m_root = root;
}

void WordSetImporter::setSpeechProgram(const QString &program)
{
    QMutexLocker lock(&speechProgramMutex());
    speechProgramOverride() = program;
}

QString WordSetImporter::speechProgram()
{
    QMutexLocker lock(&speechProgramMutex());
    return speechProgramOverride().isEmpty() ? QStringLiteral("text2wave") : speechProgramOverride();
}

bool WordSetImporter::cancelled() const
{
    return m_cancel && m_cancel->load();
}

WordSetReport WordSetImporter::run()
{
    WordSetReport report;
    auto fail = [&report](const QString &why) {
        report.outcome = WordSetReport::Outcome::Failed;
        report.failure = why;
        report.words.clear();
        report.voiced.clear();
        report.silent.clear();
        return report;
    };

    // --- The folder and the set's name ---
    const QFileInfo folder(m_folder);
    if (m_folder.isEmpty() || !folder.exists())
        return fail(WordSetImporter::tr("the folder does not exist"));
    if (!folder.isDir())
        return fail(WordSetImporter::tr("that is not a folder"));
    const QString folderPath = QDir::cleanPath(folder.absoluteFilePath());
    const QString rawSetName = QFileInfo(folderPath).fileName();
    const QString setName = rawSetName.trimmed().normalized(QString::NormalizationForm_C);
    report.setName = setName;
    if (hasControlCharacters(rawSetName) || !ImportedSets::isSetName(setName) || setName.startsWith(QLatin1Char('.'))) {
        report.setName = shown(rawSetName);
        return fail(WordSetImporter::tr("the folder's name cannot be a set's name (use up to %1 letters, digits, "
                                        "spaces, hyphens, apostrophes and underscores)")
                        .arg(ImportedSets::MaximumSetNameLength));
    }
    if (ImportedSets::isBundledName(setName))
        return fail(WordSetImporter::tr("there is already a dictionary called \"%1\"; rename the folder").arg(setName));
    const bool shared = !m_root.isEmpty();
    if (!shared && ImportedSets::isSystemName(setName))
        return fail(WordSetImporter::tr(
                        "there is already a set called \"%1\" for every user of this computer; rename the folder")
                        .arg(setName));
    auto nameTaken = [this, &setName] {
        const QStringList present = QDir(ImportedSets::picturesRoot(m_root))
                                        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                   | QDir::NoDotAndDotDot);
        return present.contains(setName, Qt::CaseInsensitive);
    };
    if (nameTaken())
        return fail(
            WordSetImporter::tr("there is already a set called \"%1\"; remove it or rename the folder").arg(setName));

    // --- Which file is which word ---
    QFileInfoList entries = QDir(folderPath)
                                .entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                               QDir::NoSort);
    std::sort(entries.begin(), entries.end(),
              [](const QFileInfo &a, const QFileInfo &b) { return a.fileName() < b.fileName(); });

    QVector<Source> pictures;
    QHash<QString, QString> pictureOwner;   // folded word -> file name
    QHash<QString, QString> recordingOwner; // folded word -> file name
    auto refuse = [&report](const QString &file, const QString &reason) { report.refused.append({file, reason}); };
    for (const QFileInfo &entry : qAsConst(entries)) {
        const QString fileName = entry.fileName();
        if (isDesktopLeftover(fileName))
            continue;
        if (entry.isSymLink()) {
            refuse(fileName, WordSetImporter::tr("a shortcut to another file (copy the file itself into the folder)"));
            continue;
        }
        if (fileName.startsWith(QLatin1Char('.'))) {
            refuse(fileName, WordSetImporter::tr("hidden file (its name starts with a dot)"));
            continue;
        }
        if (entry.isDir()) {
            refuse(fileName, WordSetImporter::tr("a folder, not a picture"));
            continue;
        }
        const QString suffix = entry.suffix().toLower();
        const bool picture = PictureSuffixes.contains(suffix);
        if (!picture && !RecordingSuffixes.contains(suffix)) {
            refuse(fileName, WordSetImporter::tr("not a picture or a recording"));
            continue;
        }
        // "Teddy_bear.jpg" is how some computers write "Teddy bear".
        const QString rawWord = entry.completeBaseName().replace(QLatin1Char('_'), QLatin1Char(' '));
        const QString word = rawWord.trimmed().normalized(QString::NormalizationForm_C);
        const QString problem = nameProblem(rawWord, word);
        if (!problem.isEmpty()) {
            refuse(fileName, problem);
            continue;
        }
        QHash<QString, QString> &owners = picture ? pictureOwner : recordingOwner;
        const QString key = word.toCaseFolded();
        if (owners.contains(key)) {
            refuse(fileName, WordSetImporter::tr("same word as %1").arg(shown(owners.value(key))));
            continue;
        }
        owners.insert(key, fileName);
        if (picture)
            pictures.append({fileName, word});
    }
    for (auto it = recordingOwner.cbegin(); it != recordingOwner.cend(); ++it) {
        if (!pictureOwner.contains(it.key()))
            refuse(it.value(), WordSetImporter::tr("recording without a picture"));
    }
    if (pictures.isEmpty())
        return fail(WordSetImporter::tr("there is no picture in the folder"));

    // --- Building the set in a hidden folder of the target ---
    const QString target = shared ? m_root : DataDirectory::path();
    const QString cannotWrite = shared
        ? WordSetImporter::tr("nothing can be written in the folder %1 (no permission, or the disk is full)")
              .arg(target)
        : WordSetImporter::tr("nothing can be saved in the game's folder %1 (is the disk full?)").arg(target);
    auto failWriting = [&fail, &report, &cannotWrite] {
        report.targetFailed = true;
        return fail(cannotWrite);
    };
    // Declared before the build folder: that goes first, then these if empty.
    // The data directory stays, as the game makes it anyway.
    MadeFolders made;
    made.keep = !shared;
    if (!makeFolders(target, shared, &made.paths))
        return failWriting();
    removeAbandonedBuilds(target);
    QTemporaryDir build(target + QLatin1Char('/') + QLatin1String(ImportFolderPrefix) + QStringLiteral("XXXXXX"));
    if (!build.isValid() || !QDir(build.path()).mkdir(QStringLiteral("png"))
        || !QDir(build.path()).mkdir(QStringLiteral("mp3")))
        return failWriting();
    const QString builtPictures = build.path() + QStringLiteral("/png");
    const QString builtRecordings = build.path() + QStringLiteral("/mp3");

    Speaker speaker(m_cancel);
    const int total = pictures.size();
    QStringList refusedRecordings;
    for (int i = 0; i < total; ++i) {
        if (cancelled())
            break;
        const Source &source = pictures.at(i);
        if (m_progress)
            m_progress(i, total, source.word);

        QByteArray bytes;
        const ReadResult read = readSourceFile(folderPath + QLatin1Char('/') + source.fileName, &bytes);
        if (read == ReadResult::Missing && !QFileInfo::exists(folderPath))
            return fail(WordSetImporter::tr("the folder disappeared during the import (was the USB stick removed?)"));
        QString problem;
        switch (read) {
        case ReadResult::Ok:
            break;
        case ReadResult::Link:
            problem = WordSetImporter::tr("a shortcut to another file (copy the file itself into the folder)");
            break;
        case ReadResult::NotAFile:
            problem = WordSetImporter::tr("not a picture");
            break;
        case ReadResult::TooLarge:
            problem = WordSetImporter::tr("file too large (more than 20 MB)");
            break;
        case ReadResult::Missing:
        case ReadResult::Unreadable:
            problem = WordSetImporter::tr("could not be read");
            break;
        }
        QImage picture;
        if (problem.isEmpty())
            problem = decodePicture(bytes, &picture);
        bytes.clear();
        if (!problem.isEmpty()) {
            refuse(source.fileName, problem);
            const QString recording = recordingOwner.value(source.word.toCaseFolded());
            if (!recording.isEmpty())
                refuse(recording, WordSetImporter::tr("recording without a picture"));
            continue;
        }
        const QByteArray png = encodePng(picture);
        if (png.isEmpty()
            || !writeWholeFile(builtPictures + QLatin1Char('/') + source.word + QStringLiteral(".png"), png))
            return failWriting();
        report.words.append(source.word);

        // The word's own recording, copied as it is.
        const QString recording = recordingOwner.value(source.word.toCaseFolded());
        if (!recording.isEmpty()) {
            QByteArray sound;
            const ReadResult soundRead = readSourceFile(folderPath + QLatin1Char('/') + recording, &sound);
            if (soundRead == ReadResult::Missing && !QFileInfo::exists(folderPath))
                return fail(
                    WordSetImporter::tr("the folder disappeared during the import (was the USB stick removed?)"));
            QString soundProblem;
            if (soundRead == ReadResult::TooLarge)
                soundProblem = WordSetImporter::tr("file too large (more than 20 MB)");
            else if (soundRead == ReadResult::Link)
                soundProblem = WordSetImporter::tr("a shortcut to another file (copy the file itself into the folder)");
            else if (soundRead != ReadResult::Ok)
                soundProblem = WordSetImporter::tr("could not be read");
            else if (!isRecording(sound))
                soundProblem = WordSetImporter::tr("not a recording");
            if (soundProblem.isEmpty()) {
                const QString recordingTarget = builtRecordings + QLatin1Char('/') + source.word + QLatin1Char('.')
                    + QFileInfo(recording).suffix().toLower();
                if (!writeWholeFile(recordingTarget, sound))
                    return failWriting();
                continue;
            }
            refuse(recording, soundProblem);
        }

        // Otherwise the voice of the bundled words speaks it.
        if (!speaker.givenUp().isEmpty()) {
            report.silent.append(source.word);
            continue;
        }
        const Speech speech = speaker.speak(source.word,
                                            builtRecordings + QLatin1Char('/') + source.word + QStringLiteral(".wav"));
        if (speech == Speech::Made) {
            report.voiced.append(source.word);
        } else {
            report.silent.append(source.word);
            report.silentReason = speaker.givenUp().isEmpty() ? WordSetImporter::tr("the computer voice did not work")
                                                              : speaker.givenUp();
        }
    }
    if (!speaker.givenUp().isEmpty())
        report.silentReason = speaker.givenUp();

    if (cancelled()) {
        report = WordSetReport();
        report.setName = setName;
        report.outcome = WordSetReport::Outcome::Cancelled;
        return report;
    }
    if (m_progress)
        m_progress(total, total, QString());
    if (report.words.isEmpty())
        return fail(WordSetImporter::tr("none of the pictures could be used"));
    if (report.words.size() < ImportedSets::MinimumWords) {
        return fail(WordSetImporter::tr("only %1 words could be made, and a set needs at least %2")
                        .arg(report.words.size())
                        .arg(ImportedSets::MinimumWords));
    }

    // --- Into place: recordings first, as the pictures make the set appear ---
    if (nameTaken())
        return fail(
            WordSetImporter::tr("there is already a set called \"%1\"; remove it or rename the folder").arg(setName));
    const QString picturesTarget = ImportedSets::picturesDirectory(setName, m_root);
    const QString recordingsTarget = ImportedSets::recordingsDirectory(setName, m_root);
    if (!makeFolders(ImportedSets::picturesRoot(m_root), shared, &made.paths)
        || !makeFolders(ImportedSets::recordingsRoot(m_root), shared, &made.paths))
        return failWriting();
    if (shared && (!shareWithEveryone(builtPictures) || !shareWithEveryone(builtRecordings)))
        return failWriting();
    // Recordings left behind by a set whose pictures are gone belong to nobody.
    const QFileInfo staleRecordings(recordingsTarget);
    if (staleRecordings.exists() || staleRecordings.isSymLink()) {
        if (staleRecordings.isDir() && !staleRecordings.isSymLink())
            QDir(recordingsTarget).removeRecursively();
        else
            QFile::remove(recordingsTarget);
    }
    if (!QDir().rename(builtRecordings, recordingsTarget))
        return failWriting();
    if (!QDir().rename(builtPictures, picturesTarget)) {
        QDir().rename(recordingsTarget, builtRecordings);
        return failWriting();
    }
    made.keep = true;
    report.outcome = WordSetReport::Outcome::Imported;
    return report;
}

bool WordSetImporter::removeSetFiles(const QString &set)
{
    if (!ImportedSets::isImported(set))
        return false;
    // Moved aside first so the set disappears at once, then deleted; a
    // failure half-way leaves only hidden leftovers that the next import clears.
    const QString dataDirectory = DataDirectory::path();
    const QString trash = dataDirectory + QLatin1Char('/') + QLatin1String(ImportFolderPrefix)
        + QStringLiteral("removed-") + QString::number(QDateTime::currentMSecsSinceEpoch());
    if (!QDir().mkpath(trash))
        return false;
    bool removed = QDir().rename(ImportedSets::picturesDirectory(set), trash + QStringLiteral("/png"))
        || QDir(ImportedSets::picturesDirectory(set)).removeRecursively();
    const QFileInfo recordings(ImportedSets::recordingsDirectory(set));
    if (recordings.isDir() && !recordings.isSymLink()) {
        if (!QDir().rename(recordings.filePath(), trash + QStringLiteral("/mp3")))
            removed = QDir(recordings.filePath()).removeRecursively() && removed;
    }
    QDir(trash).removeRecursively();
    // The family's own recordings of its words go with it, as Remove says.
    removed = WordVoices::removeDictionary(set) && removed;
    return removed && !QFileInfo::exists(ImportedSets::picturesDirectory(set));
}
