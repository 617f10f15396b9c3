#pragma once
// The edition is one value, fixed by each program's main before anything else runs.
// Code asks the questions here wherever the two editions differ.
#include <QString>

namespace edition {

enum class Edition { Full, Basic };

void set(Edition value);
Edition current();
inline bool isFull() { return current() == Edition::Full; }
inline bool isBasic() { return current() == Edition::Basic; }

// Title of the main window: the company name, two blanks and the edition's revision date.
QString mainWindowTitle();

} // namespace edition
