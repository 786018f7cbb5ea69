#pragma once

#include <QString>

// Text of the resource string table under id, exactly as stored (leading and
// trailing blanks and the "&" of access keys kept). Spanish texts stand at their
// own ids, Basque texts at the Spanish id + 10000: callers pass gIdioma + n.
// An id that the table does not hold gives an empty text.
QString LoadResString(int id);
