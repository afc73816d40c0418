#pragma once

#include "DataFiles.h"

#include <QStringList>

namespace DataDirectory {

// A save killed before its temporary file replaced the old one leaves that
// temporary file behind: the data file's name + "." + six random letters, as
// in "settings.dat.AbCdEf". Removes such files of the given data files (names
// as in "/settings.dat") from the data directory only; returns how many.
// Call it at start, before anything saves.
int removeInterruptedSaves(const QStringList &names = DataFiles::all());

} // namespace DataDirectory
