// Before the program starts: the browser's lock of the game (Web Locks: one
// holder among all tabs of the site) is asked for without waiting for it, and
// held until the game ends or the tab closes. SingleInstanceWeb.cpp reads the
// answer. A browser without Web Locks cannot tell: the game plays.
Module.preRun = [].concat(Module.preRun || []);
Module.preRun.push(() => {
  if (!navigator.locks) {
    Module.falloxLockHeld = true;
    return;
  }
  addRunDependency("fallox-lock");
  navigator.locks.request("fallox.lock", { ifAvailable: true }, lock => {
    Module.falloxLockHeld = Boolean(lock);
    removeRunDependency("fallox-lock");
    return lock ? new Promise(release => { Module.falloxReleaseLock = release; }) : undefined;
  });
});
