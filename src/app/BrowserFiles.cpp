#include "app/BrowserFiles.h"

#include <emscripten.h>

namespace {

EM_JS(int, fallox_storage_refused, (), { return Module.falloxStorageRefused ? 1 : 0; });

}  // namespace

BrowserFiles::Storage BrowserFiles::Answer()
{
    return fallox_storage_refused() != 0 ? Storage::OnlyThisTab : Storage::Kept;
}
