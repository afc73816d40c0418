#pragma once

#include <QObject>
#include <QSet>
#include <QString>

class Settings;
class SoundPlayer;

// What the owl says and the game's small sounds: an instruction the first
// time a page opens in a run (in the language of the menus, when "Owl
// talks" is on), praise for a right answer and a kind sound for a wrong one
// under "Try again". The recordings are in the bundle under :/voice/; the
// audio backend plays files, so each is copied into the data directory the
// first time it is needed.
class OwlVoice : public QObject
{
    Q_OBJECT

public:
    enum Instruction { ChooseGame, FindPicture, FindPairs, TapPicture };
    Q_ENUM(Instruction)

    OwlVoice(const Settings *settings, SoundPlayer *player, QObject *parent = nullptr);

    // The language of the recordings: that of the menus, "en" without a catalogue.
    static QString language();
    // The instruction's recording in language, in the bundle.
    static QString resourcePath(Instruction instruction, const QString &language);
    // The local copy of a bundled recording; empty when it cannot be made.
    static QString localCopy(const QString &resource);

public slots:
    // The instruction of the page, the first time it opens in this run.
    void pageShown(int page);
    // The instruction again (a hint), whether said before or not.
    void repeat(Instruction instruction);
    void praise();
    void comfort();

private:
    void say(Instruction instruction);
    void cue(QString &copy, const QString &resource);

    const Settings *m_settings;
    SoundPlayer *m_player;
    QSet<int> m_said;
    QString m_praise;
    QString m_comfort;
};
