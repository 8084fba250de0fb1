#include "database/EFieldException.h"

int EFieldException::codeOf(std::ios::iostate state, bool withEndOfInput)
{
    int code = 0;
    if (state & std::ios::badbit)
        code |= Bad | Failed;
    if (state & std::ios::failbit)
        code |= Failed;
    if (withEndOfInput && (state & std::ios::eofbit))
        code |= EndOfInput;
    return code;
}
