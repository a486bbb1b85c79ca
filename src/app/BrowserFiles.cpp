#include "app/BrowserFiles.h"

#include <emscripten.h>

namespace {

// Returns 1 when the folders are read in from IndexedDB and written back
// from now on, 0 when the browser refused the storage.
EM_ASYNC_JS(int, fallox_mount_kept_folders, (const char* folderLines), {
    const folders = UTF8ToString(folderLines).split("\n");
    for (const folder of folders) {
        FS.mkdirTree(folder);
        FS.mount(IDBFS, {}, folder);
    }
    const sync = populate => new Promise(resolve => FS.syncfs(populate, error => resolve(error)));
    let refused;
    try {
        refused = await sync(true);
    } catch (error) {
        refused = error;
    }
    if (refused) {
        return 0;
    }
    // One write-back at a time; writes made during one are taken by the next.
    let writing = false;
    let writtenSince = false;
    const writeBack = () => {
        if (writing) {
            writtenSince = true;
            return;
        }
        writing = true;
        sync(false).then(() => {
            writing = false;
            if (writtenSince) {
                writtenSince = false;
                writeBack();
            }
        });
    };
    const kept = path => folders.some(folder => path.startsWith(folder + "/"));
    const accessModeMask = 3;  // O_WRONLY 1, O_RDWR 2
    const close = FS.close;
    FS.close = function(stream) {
        const result = close.apply(this, arguments);
        if ((stream.flags & accessModeMask) != 0 && stream.path && kept(stream.path)) {
            writeBack();
        }
        return result;
    };
    const rename = FS.rename;
    FS.rename = function(from, to) {
        const result = rename.apply(this, arguments);
        if (kept(to)) {
            writeBack();
        }
        return result;
    };
    const unlink = FS.unlink;
    FS.unlink = function(path) {
        const result = unlink.apply(this, arguments);
        if (kept(path)) {
            writeBack();
        }
        return result;
    };
    return 1;
});

}  // namespace

BrowserFiles::Storage BrowserFiles::Mount(const QStringList& folders)
{
    const QByteArray lines = folders.join(QLatin1Char('\n')).toUtf8();
    return fallox_mount_kept_folders(lines.constData()) != 0 ? Storage::Kept : Storage::OnlyThisTab;
}
