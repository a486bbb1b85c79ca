#pragma once

// The folders where the program keeps its scores and options, which the page
// keeps in the browser's storage (IndexedDB) so that the files outlast a
// reload, byte for byte as the program wrote them. The page mounts and reads
// them in before the program starts (BrowserFiles.js).
class BrowserFiles {
public:
    enum class Storage { Kept, OnlyThisTab };

    // Kept, or OnlyThisTab where the browser refused the storage (a private
    // window, storage blocked for the site): the files then last as long as the tab.
    static Storage Answer();
};
