#pragma once

#include <QString>

// The folder of the running executable, where the program keeps its data and work files.
namespace ProgramFolder {

QString path();

// Path of a file in the program folder: folder, a separator unless present, name.
QString file(const QString& name);

// Tests point the program folder at a temporary folder; an empty path restores the real one.
void setOverride(const QString& folder);

} // namespace ProgramFolder
