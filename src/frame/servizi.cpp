#include "servizi.h"

Servizi &servizi()
{
    static Servizi istanza;
    return istanza;
}
