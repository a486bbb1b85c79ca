// Before the program starts: the folders where it keeps its scores and its
// options are mounted from the browser's IndexedDB (IDBFS) and read in, so the
// program finds last visit's files; from then on every file written in them is
// written back as soon as it is closed or renamed into place. Where the browser
// refuses the storage (a private window, storage blocked for the site) the
// folders still work, but only for as long as the tab; the program is told
// (BrowserFiles.cpp). The folders are Qt's data and configuration folders of
// an application named "fallox" (PlatformChoiceWeb.cpp names it so).
Module.preRun = [].concat(Module.preRun || []);
Module.preRun.push(() => {
  const folders = ["/home/web_user/.local/share/fallox", "/home/web_user/.config/fallox"];
  for (const folder of folders) {
    FS.mkdirTree(folder);
    FS.mount(IDBFS, {}, folder);
  }
  const sync = populate => new Promise(resolve => {
    try {
      FS.syncfs(populate, error => resolve(error));
    } catch (error) {
      resolve(error);
    }
  });

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
  const kept = path => folders.some(folder => String(path).startsWith(folder + "/"));
  const writeThrough = () => {
    const accessModeMask = 3;  // O_WRONLY 1, O_RDWR 2
    const close = FS.close;
    FS.close = function(stream) {
      const result = close.apply(this, arguments);
      if ((stream.flags & accessModeMask) != 0 && kept(stream.path)) {
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
  };

  addRunDependency("fallox-kept-files");
  sync(true).then(refused => {
    Module.falloxStorageRefused = Boolean(refused);
    if (!refused) {
      writeThrough();
    }
    removeRunDependency("fallox-kept-files");
  });
});
