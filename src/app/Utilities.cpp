#include "app/Utilities.h"

#include "app/Menu.h"

void registerUtilities(TMenu1& menu)
{
    (void)menu;
}
