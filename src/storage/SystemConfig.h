#pragma once

#include <QStringList>
#include <QUrl>

// What an administrator sets once for every user of the computer, in
// Vocalune/vocalune.conf under the folders of $XDG_CONFIG_DIRS (/etc/xdg when
// it is unset or empty): the defaults of a user who has not chosen, the locks
// and where the class's progress goes. Only the first file found is read; the
// others are not merged into it. A key it gets wrong is named on standard
// error and ignored; a file that cannot be read gives no settings at all.
// Nothing here is ever written.
class SystemConfig
{
public:
    // Read once per process, on first use. Never keep the reference past a reload().
    static const SystemConfig &instance();
    // The next instance() reads the environment and the file again (tests).
    static void reload();
    // The folders of $XDG_CONFIG_DIRS, in order.
    static QStringList folders();

    // Reads Vocalune/vocalune.conf of the first of folders that has one.
    explicit SystemConfig(const QStringList &folders);

    // The file that was found, read or not; empty when there is none.
    QString path() const { return m_path; }

    // The defaults, empty (0) where the file sets none. The names are as the
    // file spells them: the word store matches them with its catalogue.
    QStringList dictionaries() const { return m_dictionaries; }
    QString mistakes() const { return m_mistakes; } // "end-game" or "try-again"
    int pictures() const { return m_pictures; }     // 4, 6 or 10
    QString words() const { return m_words; }       // "any" or "to-learn"

    bool importLocked() const { return m_importLocked; }
    bool playersLocked() const { return m_playersLocked; }
    bool settingsLocked() const { return m_settingsLocked; }

    // A postgresql: or postgres: URL, never with a password in it.
    QUrl progressServer() const { return m_server; }
    // 1 to 16 letters, digits, spaces, '-' or '_'.
    QString progressClass() const { return m_class; }

    // A value that only a layer above can judge (a dictionary this computer
    // does not have): named on standard error, once however often it is met.
    void ignore(const QString &group, const QString &key, const QString &value, const QString &reason) const;
    // The lines written to standard error, in order.
    QStringList messages() const { return m_messages; }

private:
    void read();
    // Why the value is refused; empty when it was taken.
    QString apply(const QString &group, const QString &key, const QString &value);
    void say(const QString &line) const;

    QString m_path;
    QStringList m_dictionaries;
    QString m_mistakes;
    int m_pictures = 0;
    QString m_words;
    bool m_importLocked = false;
    bool m_playersLocked = false;
    bool m_settingsLocked = false;
    QUrl m_server;
    QString m_class;
    mutable QStringList m_messages;
};
