#pragma once

#include <QStringList>

// The player's data files, each written whole by DataDirectory::writeFile.
// Their names are part of the player's data: renaming one loses what it held.
namespace DataFiles {

// Names as DataDirectory::filePath takes them.
constexpr char Settings[] = "/settings.dat";
constexpr char GameOptions[] = "/gameoptions.dat";
constexpr char Dictionaries[] = "/dictionaries.dat";
constexpr char WordGameRecords[] = "/wgrecords.dat";
constexpr char PairGameRecords[] = "/pgrecords.dat";

// Every one of them: what concerns them all (the clean-up of interrupted
// saves, the tests of a full disk) reads this list.
inline QStringList all()
{
    return {QLatin1String(Settings), QLatin1String(GameOptions), QLatin1String(Dictionaries),
            QLatin1String(WordGameRecords), QLatin1String(PairGameRecords)};
}

} // namespace DataFiles
