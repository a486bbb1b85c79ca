#include "settings/WindowsFolder.h"

QString WindowsFolder()
{
    return {};
}
