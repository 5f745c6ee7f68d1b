#pragma once

#include <QString>

#include <utility>
#include <vector>

// The codes the on-screen keys insert: letters of the phonetic font's code. Every function gives the
// empty string for an index outside its table.
namespace PhoneticKeys {

// The main window's page B (`Command1`, 67-key layout, indices 0 to 66).
QString mainLayout(int index);
// The lexicon dialogs' keypads (68-key layout, indices 0 to 67).
QString dialogLayout(int index);
// Extra keys (`c1`).
QString extraKey(int index);
// Top panel page A (`cmdnew`: 0 to 47 and 66 to 68).
QString pageA(int index);
// Side panel (`cmdnew1`: 0 to 47).
QString sidePanel(int index);

// Symbol panel keys (`Commandadd`): index and caption, row by row from left to right.
const std::vector<std::pair<int, QString>>& symbolRow1();
const std::vector<std::pair<int, QString>>& symbolRow2();
QString symbolKey(int index);

} // namespace PhoneticKeys
