#pragma once

#include <QStringList>

// The folders whose files the page keeps in the browser's storage (IndexedDB),
// so that the scores and options outlast a reload, byte for byte as the
// program wrote them.
class BrowserFiles {
public:
    enum class Storage { Kept, OnlyThisTab };

    // Mounts each folder from the browser's storage and waits, letting the page
    // run, until their files are read in; from then on every file written in
    // them is written back to the storage as soon as it is closed or renamed
    // into place. Where the browser refuses storage (a private window, storage
    // blocked for the site) the folders still work, but only as long as the tab.
    static Storage Mount(const QStringList& folders);
};
