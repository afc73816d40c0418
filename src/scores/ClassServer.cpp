#include "ClassServer.h"

#include <QAtomicInt>
#include <QDateTime>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrlQuery>
#include <QUuid>
#include <QVariant>

namespace {

QAtomicInt connectionCount;

// libpq's options that an address may set; a password or anything else is
// never passed on.
const char *const AddressOptions[] = {"host",
                                      "hostaddr",
                                      "port",
                                      "dbname",
                                      "user",
                                      "passfile",
                                      "service",
                                      "connect_timeout",
                                      "sslmode",
                                      "sslrootcert",
                                      "sslcert",
                                      "sslkey",
                                      "sslcrl",
                                      "sslcompression",
                                      "gssencmode",
                                      "krbsrvname",
                                      "keepalives",
                                      "target_session_attrs",
                                      "application_name"};

// A server that does not answer costs a few seconds on the sync thread, never
// more; a lost connection is noticed within about ten.
const char *const Defaults[][2] = {{"connect_timeout", "3"},
                                   {"application_name", "vocalune"},
                                   {"keepalives_idle", "5"},
                                   {"keepalives_interval", "2"},
                                   {"keepalives_count", "2"}};

// The oldest and newest moment an answer can have been given.
const qint64 EarliestAnswer = QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch();
const qint64 Tomorrow = 24 * 3600 * 1000;

// A value in libpq's connection string: quoted, with \ and ' escaped. The
// SQL driver turns ';' into a separator, so a value with one is refused.
QString quoted(QString value)
{
    value.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('\''), QStringLiteral("\\'"));
    return QLatin1Char('\'') + value + QLatin1Char('\'');
}

bool hasControlCharacters(const QString &text)
{
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return true;
    }
    return false;
}

} // namespace

ClassServer::ClassServer(const QUrl &server, const QString &className, const Checks &checks)
    : m_server(server)
    , m_class(className)
    , m_checks(checks)
    , m_connection(QStringLiteral("vocalune-class-%1").arg(connectionCount.fetchAndAddRelaxed(1)))
{
}

ClassServer::~ClassServer()
{
    disconnect();
}

bool ClassServer::isClassName(const QString &name)
{
    static const QRegularExpression pattern(
        QStringLiteral("^[\\p{L}\\p{N}_-]([\\p{L}\\p{N} _-]{0,14}[\\p{L}\\p{N}_-])?$"));
    return pattern.match(name).hasMatch();
}

bool ClassServer::isPupilName(const QString &name)
{
    return !name.isEmpty() && name.size() <= MaxNameLength && name.trimmed() == name && !hasControlCharacters(name);
}

bool ClassServer::fail(Failure failure, const QString &error)
{
    m_failure = failure;
    m_error = error.simplified();
    return false;
}

bool ClassServer::connect()
{
    if (isConnected())
        return true;
    disconnect();
    if (!isClassName(m_class))
        return fail(Refused, QStringLiteral("The class name is not one a class can have."));
    const QString scheme = m_server.scheme();
    if (!m_server.isValid() || (scheme != QLatin1String("postgresql") && scheme != QLatin1String("postgres")))
        return fail(Refused, QStringLiteral("The server's address is not a postgresql:// address."));

    QStringList options;
    QSet<QString> given;
    const auto add = [&](const QString &key, const QString &value) {
        if (value.contains(QLatin1Char(';')))
            return false;
        options << key + QLatin1Char('=') + quoted(value);
        given.insert(key);
        return true;
    };
    if (!m_server.host().isEmpty())
        add(QStringLiteral("host"), m_server.host());
    if (m_server.port() > 0)
        add(QStringLiteral("port"), QString::number(m_server.port()));
    if (!m_server.userName().isEmpty())
        add(QStringLiteral("user"), m_server.userName());
    const QString database = m_server.path().mid(1);
    if (!database.isEmpty())
        add(QStringLiteral("dbname"), database);
    for (const auto &item : QUrlQuery(m_server).queryItems(QUrl::FullyDecoded)) {
        if (std::find_if(std::begin(AddressOptions), std::end(AddressOptions),
                         [&](const char *name) { return item.first == QLatin1String(name); })
                == std::end(AddressOptions)
            || !add(item.first, item.second))
            return fail(
                Refused,
                QStringLiteral("The server's address has an option this program does not pass on: %1").arg(item.first));
    }
    for (const auto &option : Defaults) {
        if (!given.contains(QLatin1String(option[0])))
            add(QLatin1String(option[0]), QLatin1String(option[1]));
    }

    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_connection);
        if (!db.isValid())
            error = QStringLiteral("Qt's PostgreSQL driver is not installed (Debian: libqt5sql5-psql).");
        // Everything goes in the options, so libpq reads them as given; the
        // driver adds nothing of its own.
        db.setConnectOptions(options.join(QLatin1Char(';')));
        if (error.isEmpty() && db.open()) {
            QSqlQuery query(db);
            // A statement the server sits on does not hold the sync thread for ever.
            query.exec(QStringLiteral("SET statement_timeout = 20000"));
            m_failure = NoFailure;
            m_error.clear();
            return true;
        }
        if (error.isEmpty())
            error = db.lastError().databaseText().isEmpty() ? db.lastError().text() : db.lastError().databaseText();
    }
    static const QRegularExpression refusal(
        QStringLiteral("authentication|password|permission denied|role .* does not exist|database .* does not exist"
                       "|no pg_hba.conf entry|certificate|driver is not installed"),
        QRegularExpression::CaseInsensitiveOption);
    disconnect();
    return fail(refusal.match(error).hasMatch() ? Refused : Unreachable, error);
}

bool ClassServer::isConnected() const
{
    return !m_lost && QSqlDatabase::contains(m_connection) && QSqlDatabase::database(m_connection, false).isOpen();
}

void ClassServer::disconnect()
{
    m_lost = false;
    if (!QSqlDatabase::contains(m_connection))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

bool ClassServer::failQuery(const QSqlQuery &query, bool inTransaction)
{
    const QSqlError error = query.lastError();
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (inTransaction)
        db.rollback();
    // A statement refused by a server still there leaves the connection
    // usable; a lost one is closed by the next connect(), once no query of it is left.
    bool alive = error.type() != QSqlError::ConnectionError && db.isOpen();
    if (alive) {
        QSqlQuery probe(db);
        alive = probe.exec(QStringLiteral("SELECT 1"));
    }
    if (!alive) {
        m_lost = true;
        return fail(Unreachable, text);
    }
    return fail(text.contains(QLatin1String("permission denied"), Qt::CaseInsensitive)
                        || text.contains(QLatin1String("row-level security"), Qt::CaseInsensitive)
                    ? Refused
                    : Failed,
                text);
}

bool ClassServer::push(const QList<Pupil> &pupils, const QList<Answer> &answers)
{
    if (!connect())
        return false;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    if (!db.transaction())
        return failQuery(query, false);
    const auto rollBack = [&] { return failQuery(query, true); };
    if (!pupils.isEmpty()) {
        query.prepare(
            QStringLiteral("INSERT INTO pupils (class, name, picture) VALUES (?, ?, ?) ON CONFLICT DO NOTHING"));
        for (const Pupil &pupil : pupils) {
            query.addBindValue(m_class);
            query.addBindValue(pupil.name);
            query.addBindValue(pupil.picture.isNull() ? QStringLiteral("") : pupil.picture);
            if (!query.exec())
                return rollBack();
        }
    }
    // Many rows a statement: one round trip for up to a hundred answers.
    constexpr int RowsPerStatement = 100;
    for (int first = 0; first < answers.size(); first += RowsPerStatement) {
        const int rows = std::min(RowsPerStatement, int(answers.size()) - first);
        QStringList values;
        for (int i = 0; i < rows; ++i)
            values << QStringLiteral(
                "(?::uuid, ?, ?, ?, ?, ?::smallint, ?::smallint, to_timestamp(?::bigint / 1000.0))");
        if (!query.prepare(QStringLiteral("INSERT INTO answers (id, class, pupil, dictionary, word, game, outcome, at)"
                                          " VALUES %1 ON CONFLICT (id) DO NOTHING")
                               .arg(values.join(QLatin1Char(',')))))
            return rollBack();
        for (int i = first; i < first + rows; ++i) {
            const Answer &answer = answers[i];
            query.addBindValue(answer.id);
            query.addBindValue(m_class);
            query.addBindValue(answer.pupil);
            query.addBindValue(answer.answer.dictionary);
            query.addBindValue(answer.answer.word);
            query.addBindValue(int(answer.answer.game));
            query.addBindValue(int(answer.answer.outcome));
            query.addBindValue(answer.answer.at.toMSecsSinceEpoch());
        }
        if (!query.exec())
            return rollBack();
    }
    if (!db.commit())
        return rollBack();
    return true;
}

bool ClassServer::select(const QString &sql, const QVariantList &values,
                         const std::function<void(const QSqlQuery &)> &row)
{
    if (!connect())
        return false;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        return failQuery(query, false);
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        return failQuery(query, false);
    while (query.next())
        row(query);
    return true;
}

// Columns: id, dictionary, word, game, outcome, at in ms since the epoch.
bool ClassServer::takeAnswer(const QSqlQuery &query, const QString &pupil, Answer *answer)
{
    const QUuid id = QUuid::fromString(query.value(0).toString());
    const QString dictionary = query.value(1).toString();
    const QString word = query.value(2).toString();
    bool numbers = true;
    bool ok = false;
    const int game = query.value(3).toInt(&ok);
    numbers = numbers && ok;
    const int outcome = query.value(4).toInt(&ok);
    numbers = numbers && ok;
    const qint64 at = query.value(5).toLongLong(&ok);
    numbers = numbers && ok;
    const bool valid = !id.isNull() && isPupilName(pupil) && numbers && game >= WordMemory::WordGame
        && game <= WordMemory::PairGame && outcome >= WordMemory::RightFirstTry && outcome <= WordMemory::Missed
        && at >= EarliestAnswer && at <= QDateTime::currentMSecsSinceEpoch() + Tomorrow && !dictionary.isEmpty()
        && !word.isEmpty() && !hasControlCharacters(dictionary) && !hasControlCharacters(word)
        && (!m_checks.knownWord || m_checks.knownWord(dictionary, word));
    if (!valid) {
        ++m_refused;
        return false;
    }
    answer->id = id.toString(QUuid::WithoutBraces);
    answer->pupil = pupil;
    answer->answer.dictionary = dictionary;
    answer->answer.word = word;
    answer->answer.game = WordMemory::Game(game);
    answer->answer.outcome = WordMemory::Outcome(outcome);
    answer->answer.at = m_times.at(at);
    return true;
}

bool ClassServer::fetch(const QString &pupil, QString *cursor, QList<Answer> *answers)
{
    // Rows of transactions older than the oldest one still running now are all
    // visible to the select that follows; the next fetch starts there, so a
    // row committed late is fetched, at worst twice.
    QString next;
    if (!select(QStringLiteral("SELECT pg_snapshot_xmin(pg_current_snapshot())::text"), {},
                [&](const QSqlQuery &query) { next = query.value(0).toString(); }))
        return false;
    const int refusedBefore = m_refused;
    const QString from = cursor->isEmpty() ? QStringLiteral("0") : *cursor;
    const bool read = selectAnswers(QStringLiteral("SELECT id::text, dictionary, word, game, outcome,"
                                                   " (extract(epoch FROM at) * 1000)::bigint FROM answers"
                                                   " WHERE class = ? AND pupil = ? AND tx >= ?::xid8 ORDER BY at, id"),
                                    {m_class, pupil, from}, pupil, answers);
    // A row refused now may pass later (a word set this machine gets next
    // week): the cursor stays where it was, so the next fetch reads it again.
    if (read && m_refused == refusedBefore)
        *cursor = next;
    return read;
}

bool ClassServer::pupils(QList<Pupil> *pupils)
{
    QSet<QString> names;
    return select(QStringLiteral("SELECT name, picture FROM pupils WHERE class = ? ORDER BY added, name"), {m_class},
                  [&](const QSqlQuery &query) {
                      Pupil pupil{query.value(0).toString(), query.value(1).toString()};
                      if (!isPupilName(pupil.name) || names.contains(pupil.name)) {
                          ++m_refused;
                          return;
                      }
                      // An unknown picture is only a picture: the owl stands in.
                      if (m_checks.knownPicture && !m_checks.knownPicture(pupil.picture))
                          pupil.picture.clear();
                      names.insert(pupil.name);
                      pupils->append(pupil);
                  });
}

bool ClassServer::classAnswers(QList<Answer> *answers)
{
    return selectAnswers(QStringLiteral("SELECT id::text, dictionary, word, game, outcome,"
                                        " (extract(epoch FROM at) * 1000)::bigint, pupil FROM answers"
                                        " WHERE class = ? ORDER BY at, id"),
                         {m_class}, QString(), answers);
}

bool ClassServer::selectAnswers(const QString &sql, const QVariantList &values, const QString &pupil,
                                QList<Answer> *answers)
{
    QSet<QString> ids;
    return select(sql, values, [&](const QSqlQuery &query) {
        Answer answer;
        if (!takeAnswer(query, pupil.isNull() ? query.value(6).toString() : pupil, &answer))
            return;
        // Of two rows with one id, the first counts.
        if (ids.contains(answer.id)) {
            ++m_refused;
            return;
        }
        ids.insert(answer.id);
        answers->append(answer);
    });
}
