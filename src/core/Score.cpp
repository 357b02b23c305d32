#include "core/Score.h"

#include <limits>

qint16 NumEsatti = 0;
qint16 NumErrati = 0;

void CountOne(qint16& count)
{
    if (count < std::numeric_limits<qint16>::max()) ++count;
}
