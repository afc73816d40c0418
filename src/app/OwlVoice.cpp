#include "OwlVoice.h"

#include "DataDirectory.h"
#include "Pages.h"
#include "Settings.h"
#include "SoundPlayer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const char *const Keys[] = {"choose-game", "find-picture", "find-pairs", "tap-picture"};

} // namespace

OwlVoice::OwlVoice(const Settings *settings, SoundPlayer *player, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_player(player)
{
}

QString OwlVoice::language()
{
    // Each catalogue names its own language here, so the owl speaks the
    // language the menus are in, whichever catalogue was installed.
    const QString language = tr("en", "the language of the owl's recordings: en, de, es, fi, fr or sv");
    return QFile::exists(resourcePath(ChooseGame, language)) ? language : QStringLiteral("en");
}

QString OwlVoice::resourcePath(Instruction instruction, const QString &language)
{
    return QStringLiteral(":/voice/%1/%2.mp3").arg(language, QLatin1String(Keys[instruction]));
}

QString OwlVoice::localCopy(const QString &resource)
{
    const QString copy = DataDirectory::path() + resource.mid(1);
    if (QFile::exists(copy))
        return copy;
    // Copied under a temporary name and renamed: a copy cut short by a full
    // disk or a kill is never taken for the whole recording.
    const QString partial = copy + QStringLiteral(".part");
    QDir().mkpath(QFileInfo(copy).path());
    QFile::remove(partial);
    if (!QFile::copy(resource, partial) || !QFile::rename(partial, copy)) {
        QFile::remove(partial);
        return QString();
    }
    return copy;
}

void OwlVoice::pageShown(int page)
{
    Instruction instruction;
    switch (page) {
    case Pages::PageNewGame:
        instruction = ChooseGame;
        break;
    case Pages::PageWordGame:
        instruction = FindPicture;
        break;
    case Pages::PagePairGame:
        instruction = FindPairs;
        break;
    case Pages::PagePictureBook:
        instruction = TapPicture;
        break;
    default:
        return;
    }
    if (m_said.contains(instruction))
        return;
    m_said.insert(instruction);
    say(instruction);
}

void OwlVoice::repeat(Instruction instruction)
{
    say(instruction);
}

void OwlVoice::say(Instruction instruction)
{
    if (!m_settings->owlTalks())
        return;
    const QString copy = localCopy(resourcePath(instruction, language()));
    if (!copy.isEmpty())
        m_player->say(copy);
}

void OwlVoice::praise()
{
    cue(m_praise, QStringLiteral(":/voice/praise.mp3"));
}

void OwlVoice::comfort()
{
    cue(m_comfort, QStringLiteral(":/voice/comfort.mp3"));
}

// A tap plays these: the copy is looked for once, not at every tap.
void OwlVoice::cue(QString &copy, const QString &resource)
{
    if (m_settings->mute())
        return;
    if (copy.isEmpty())
        copy = localCopy(resource);
    if (!copy.isEmpty())
        m_player->cue(copy);
}
