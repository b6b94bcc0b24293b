#include "modulo2.h"

namespace {
Modulo2 g_modulo2;
}

Modulo2 &modulo2()
{
    return g_modulo2;
}

void azzeraModulo2()
{
    g_modulo2 = Modulo2{};
}
